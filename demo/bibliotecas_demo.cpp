#include "demo/bibliotecas_demo.h"

#include <windows.h>

#include <string>

#include "base/QVCaminhos.h"

namespace {
struct biblioteca {
    const char* nome;
    int modulo;   // the module whose installation folder it goes into
};
constexpr biblioteca bibliotecas[] = {
    {"relparam.dll", 1},
};

// This program's folder, ending in a backslash.
std::string pasta_programa() {
    char caminho[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameA(nullptr, caminho, MAX_PATH);
    std::string pasta(caminho, n);
    const size_t barra = pasta.find_last_of("\\/");
    return barra == std::string::npos ? std::string() : pasta.substr(0, barra + 1);
}
}  // namespace

unsigned long copia_bibliotecas_demo() {
    const std::string origem = pasta_programa();
    for (const biblioteca& b : bibliotecas) {
        const std::string destino = QVGetCaminhoModulo(b.modulo);
        if (destino.empty()) return ERROR_PATH_NOT_FOUND;
        if (!CopyFileA((origem + b.nome).c_str(), QVMontaCaminho(destino, b.nome).c_str(), FALSE)) return GetLastError();
    }
    return 0;
}

#include "demo/cadastros_demo.h"

#include <windows.h>

#include "base/QVCaminhos.h"

unsigned long copia_cadastros_demo(const std::string& pasta_mensagens) {
    // "...\installation\Mensagens" -> "...\installation\Cadastros\"
    std::string origem = pasta_mensagens;
    while (!origem.empty() && (origem.back() == '\\' || origem.back() == '/')) origem.pop_back();
    const size_t barra = origem.find_last_of("\\/");
    origem = (barra == std::string::npos ? std::string() : origem.substr(0, barra + 1)) + "Cadastros\\";
    const std::string destino = QVGetPastaCadastros();
    if (destino.empty()) return ERROR_PATH_NOT_FOUND;
    WIN32_FIND_DATAA achado;
    HANDLE busca = FindFirstFileA((origem + "*.txt").c_str(), &achado);
    if (busca == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_NOT_FOUND ? 0 : GetLastError();
    unsigned long erro = 0;
    do {
        if (achado.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        if (!CopyFileA((origem + achado.cFileName).c_str(), (destino + achado.cFileName).c_str(), FALSE)) {
            erro = GetLastError();
            break;
        }
    } while (FindNextFileA(busca, &achado));
    FindClose(busca);
    return erro;
}

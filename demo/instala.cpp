// zu_instala ROOT MESSAGES: writes the demo installation (folders below ROOT, the registry values
// that point at them, the message files copied from MESSAGES) and removes the installation's data
// store, so that the server seeds the demo company afresh at its next start.
#include <windows.h>

#include <cstdio>
#include <string>

#include "base/QVInstalacao.h"
#include "server/process/dados_instalacao.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "uso: zu_instala PASTA_RAIZ PASTA_MENSAGENS\n");
        return 2;
    }
    const qv_installation installation{argv[1], {"DEMO"}, argv[2]};
    if (LONG rc = qv_write_installation(installation); rc != ERROR_SUCCESS) {
        std::fprintf(stderr, "zu_instala: erro %ld ao escrever a instalação\n", rc);
        return 1;
    }
    const std::string banco = server::caminho_banco_instalacao();
    DeleteFileA(banco.c_str());
    std::printf("instalação em %s, dados em %s\n", argv[1], banco.c_str());
    return 0;
}

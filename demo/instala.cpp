// zu_instala ROOT MESSAGES: writes the demo installation (folders below ROOT, the registry values
// that point at them, the message files copied from MESSAGES), its data store, seeded with the
// demo company, and the PDF printer. An existing store is replaced. This is the only program that
// makes a store: the server opens the one the installation names and never creates one.
// The demo report models go into the reports folder, the demo company's editor files into its
// company folders, the register files of demo/installation/Cadastros into the registers folder and
// the modules' libraries built beside this program into the modules' folders.
#include <windows.h>

#include <cstdio>
#include <string>

#include "base/QVCaminhos.h"
#include "base/QVInstalacao.h"
#include "demo/arquivos_editor_demo.h"
#include "demo/bibliotecas_demo.h"
#include "demo/cadastros_demo.h"
#include "demo/modelos_demo.h"
#include "platform/com/failure.h"
#include "platform/com/text.h"
#include "platform/inhouse/core/impressora_pdf.h"
#include "platform/inhouse/core/installation.h"
#include "server/holders/dados_instalacao.h"

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
    if (long rc = escreve_modelos_demo(QVGetPastaRelatorios()); rc != 0) {
        std::fprintf(stderr, "zu_instala: erro %ld ao escrever os modelos de relatório\n", rc);
        return 1;
    }
    // The register files beside the messages (the PIS/COFINS rates).
    if (unsigned long rc = copia_cadastros_demo(argv[2]); rc != 0) {
        std::fprintf(stderr, "zu_instala: erro %lu ao copiar os arquivos de cadastros\n", rc);
        return 1;
    }
    // The libraries the server loads from the modules' folders (the stock reports' parameters).
    if (unsigned long rc = copia_bibliotecas_demo(); rc != 0) {
        std::fprintf(stderr, "zu_instala: erro %lu ao copiar as bibliotecas dos módulos\n", rc);
        return 1;
    }
    try {
        grava_arquivos_editor_demo();
    } catch (const com::failure& f) {
        std::fprintf(stderr, "zu_instala: %s\n", f.text.c_str());
        return 1;
    }
    const std::string banco = server::caminho_banco_instalacao();
    if (banco.empty()) {
        std::fprintf(stderr, "zu_instala: a instalação escrita não tem pasta de cadastros\n");
        return 1;
    }
    DeleteFileA(banco.c_str());
    try {
        inhouse::create_demo_store(com::ansi_to_utf8(banco));
    } catch (const com::failure& f) {
        std::fprintf(stderr, "zu_instala: %s\n", f.text.c_str());
        return 1;
    }
    // The PDF printer the reports are printed through, the user's default when there is none.
    if (LONG rc = inhouse::instala_impressora_pdf(true); rc != ERROR_SUCCESS) {
        std::fprintf(stderr, "zu_instala: erro %ld ao instalar a impressora PDF\n", rc);
        return 1;
    }
    std::printf("instalação em %s, dados em %s\n", argv[1], banco.c_str());
    return 0;
}

#include <gtest/gtest.h>

#include <cstring>

#include "base/CQVChaveRegistro.h"
#include "base/QVCaminhos.h"
#include "base/QVEventLog.h"
#include "base/QVModulos.h"
#include "support/qv_test_installation.h"

namespace {

TEST(QVCaminhos, InstallationFoldersComeFromTheRegistry) {
    qv_test_installation inst("QVCaminhosPastas", {"EMP1", "EMP2"});
    const std::string r = inst.root();
    struct folder_case { const char* what; std::string actual; std::string expected; };
    const folder_case folders[] = {
        {"Mensagens", QVGetPastaMensagens("x"), r + "Mensagens\\"},
        {"Relatorios", QVGetPastaRelatorios(), r + "Relatorios\\"},
        {"Ajuda", QVGetPastaAjuda(), r + "Ajuda\\"},
        {"Cadastros", QVGetPastaCadastros(), r + "Cadastros\\"},
        {"NFe", QVGetPastaNFe(), r + "NFe\\"},
        {"Imagens", QVGetPastaImagens(), r + "Imagens\\"},
        {"LocalTavon", QVGetPastaLocal(), r + "Local\\"},
        {"missing value: the default with a backslash", QVGetPastaRegistro("Falta", "C:\\Padrao"), "C:\\Padrao\\"},
        {"missing value, empty default", QVGetPastaRegistro("Falta"), ""},
        {"module FT", QVGetCaminhoModulo(qv_modulo::FT, "d"), r + "Modulos\\FT\\"},
        {"module NF reads DF", QVGetCaminhoModulo(qv_modulo::NF), r + "Modulos\\DF\\"},
        {"module outside the table", QVGetCaminhoModulo(99, "C:\\d\\"), "C:\\d\\"},
        {"company FN", QVGetPastaEmpresa(qv_modulo::FN, "EMP1"), r + "Empresas\\EMP1\\FN\\"},
        {"company NF", QVGetPastaEmpresa(qv_modulo::NF, "EMP2"), r + "Empresas\\EMP2\\DF\\NFe\\"},
        {"unknown company", QVGetPastaEmpresa(qv_modulo::FN, "NADA"), ""},
    };
    for (const auto& f : folders) {
        SCOPED_TRACE(f.what);
        EXPECT_EQ(f.actual, f.expected);
    }

    std::string out = "lixo";
    EXPECT_EQ(QVLePastaEmpresa("EMP1", "ce", out), 1);
    EXPECT_EQ(out, r + "Empresas\\EMP1\\CE\\");
    EXPECT_EQ(QVLePastaEmpresa("EMP1", "XX", out), 0);
    EXPECT_EQ(out, "");
    EXPECT_EQ(QVLeCaminhoModulo("nf", out), 0);
    EXPECT_EQ(out, r + "Modulos\\DF\\");
    EXPECT_EQ(QVLeCaminhoModulo("zz", out), qv_nao_configurado);
    EXPECT_EQ(out, "");
    char small[8];
    EXPECT_EQ(QVLeCaminhoModulo("FT", small, sizeof small), 0);
    EXPECT_EQ(strlen(small), 7u);   // cut to the buffer and terminated
    EXPECT_EQ(QVLePastaRelatorios(out), 0);
    EXPECT_EQ(out, r + "Relatorios\\");
    EXPECT_EQ(QVLePastaIndice(out), 0);
    EXPECT_EQ(out, r + "Indice\\");
}

TEST(QVCaminhos, MissingAndEmptySettings) {
    qv_registry_redirect redirect("QVCaminhosVazio");
    std::string out = "lixo";
    EXPECT_EQ(QVLePastaMensagens(out), qv_nao_configurado);
    EXPECT_EQ(out, "");
    EXPECT_EQ(QVLePastaIndice(out), qv_nao_configurado);
    EXPECT_EQ(QVGetCaminhoModulo(qv_modulo::DF, "C:\\Padrao"), "C:\\Padrao\\");
    // An empty value stays empty; an empty index is not configured.
    QVGravaRegistroTexto(HKEY_LOCAL_MACHINE, "SOFTWARE\\RO Vivavevo", "Cadastros", "");
    QVGravaRegistroTexto(HKEY_LOCAL_MACHINE, "Software\\RO Vivavevo\\Tavon Empresarial", "QVIndice", "");
    EXPECT_EQ(QVGetPastaCadastros("C:\\Padrao"), "");
    EXPECT_EQ(QVLePastaCadastros(out), 0);
    EXPECT_EQ(out, "");
    EXPECT_EQ(QVLePastaIndice(out), qv_nao_configurado);
}

TEST(QVCaminhos, PathTextHelpers) {
    struct join_case { const char* pasta; const char* nome; const char* expected; };
    const join_case joins[] = {
        {"C:\\a\\", "\\b.txt", "C:\\a\\b.txt"},
        {"C:\\a", "b.txt", "C:\\a\\b.txt"},
        {"C:\\a\\", "b.txt", "C:\\a\\b.txt"},
        {"C:\\a", "\\b.txt", "C:\\a\\b.txt"},
        {"", "b.txt", "b.txt"},
        {nullptr, "b.txt", "b.txt"},
        {"C:\\a", nullptr, "C:\\a"},
    };
    for (const auto& j : joins) {
        SCOPED_TRACE(testing::Message() << (j.pasta ? j.pasta : "(null)") << " + " << (j.nome ? j.nome : "(null)"));
        EXPECT_EQ(QVMontaCaminho(j.pasta, j.nome), j.expected);
    }

    struct split_case { const char* path; const char* pasta; const char* ext; const char* nome; const char* sem_ext;
                        const char* raiz; bool tem_ext; };
    const split_case splits[] = {
        {"C:\\dados\\arq.txt", "C:\\dados\\", "txt", "arq.txt", "arq", "C:\\", true},
        {"C:arq", "", "", "C:arq", "C:arq", "C:", false},
        {"\\\\srv\\share\\a.b.c", "\\\\srv\\share\\", "c", "a.b.c", "a.b", "\\\\srv\\", true},
        {"\\\\srv", "\\\\", "", "srv", "srv", "\\\\srv", false},
        {"C:\\pasta.x\\arq", "C:\\pasta.x\\", "", "arq", "arq", "C:\\", false},
        {"C:\\d\\.cfg", "C:\\d\\", "cfg", ".cfg", "", "C:\\", true},
        {"relativo", "", "", "relativo", "relativo", "", false},
    };
    for (const auto& s : splits) {
        SCOPED_TRACE(s.path);
        EXPECT_EQ(QVGetPasta(s.path), s.pasta);
        EXPECT_EQ(QVGetExtensao(s.path), s.ext);
        EXPECT_EQ(QVGetNomeArquivo(s.path), s.nome);
        EXPECT_EQ(QVGetNomeSemExtensao(s.path), s.sem_ext);
        EXPECT_EQ(QVGetRaiz(s.path), s.raiz);
        EXPECT_EQ(QVTemExtensao(s.path), s.tem_ext);
    }
    EXPECT_EQ(QVGetNomeArquivo(static_cast<const char*>(nullptr)), "");

    struct ext_case { const char* path; const char* ext; const char* expected; };
    const ext_case exts[] = {
        {"C:\\a\\b.txt", "pdf", "C:\\a\\b.pdf"},
        {"C:\\a\\b.txt", ".pdf", "C:\\a\\b.pdf"},
        {"C:\\a.d\\", "pdf", "C:\\a.d\\"},
        {"C:\\a.d\\b", "pdf", "C:\\a.d\\b.pdf"},   // the folder's '.' is kept
        {"b", "pdf", "b.pdf"},
        {"", "pdf", ""},
        {nullptr, "pdf", ""},
        {"b.txt", nullptr, ""},
    };
    for (const auto& e : exts) {
        SCOPED_TRACE(e.path ? e.path : "(null)");
        EXPECT_EQ(QVTrocaExtensao(e.path, e.ext), e.expected);
    }

    struct net_case { const char* machine; const char* path; const char* expected; };
    const net_case nets[] = {
        {"SRV", "C:\\Dados\\x.txt", "\\\\SRV\\C$\\Dados\\x.txt"},
        {"\\\\SRV", "C:\\Dados", "\\\\SRV\\C$\\Dados"},
        {"SRV", "\\\\OUTRO\\C$\\Dados", "\\\\SRV\\C$\\Dados"},
        {"", "C:\\Dados", "C:\\Dados"},
    };
    for (const auto& n : nets) {
        SCOPED_TRACE(n.path);
        EXPECT_EQ(QVGetCaminhoRede(n.machine, n.path), n.expected);
    }
}

TEST(QVCaminhos, FilesAndFolders) {
    const std::string base = QVGetPastaTemporaria() + "zu-arquivos-" + std::to_string(GetCurrentProcessId());
    QVApagaPasta(base);
    const std::string deep = base + "\\a\\b\\c";
    EXPECT_FALSE(QVExistePasta(deep));
    EXPECT_TRUE(QVCriaPasta(deep + "\\"));
    EXPECT_TRUE(QVExistePasta(deep));

    const std::string file = deep + "\\f.txt";
    EXPECT_FALSE(QVExisteArquivo(file));
    EXPECT_TRUE(QVPodeGravar(deep));
    EXPECT_FALSE(QVExisteArquivo(deep + "\\DF0001.tmp"));   // the probe file is removed again
    HANDLE h = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    CloseHandle(h);
    EXPECT_TRUE(QVExisteArquivo(file));
    EXPECT_FALSE(QVExistePasta(file));
    EXPECT_TRUE(QVPodeGravar(file));
    EXPECT_FALSE(QVPodeGravar(deep + "\\falta.txt"));

    EXPECT_TRUE(QVMoveArquivo(file, base + "\\g.txt", true));
    EXPECT_FALSE(QVExisteArquivo(file));
    EXPECT_TRUE(QVExisteArquivo(base + "\\g.txt"));

    const std::string temp = QVGetArquivoTemporario("FLX");
    ASSERT_FALSE(temp.empty());
    EXPECT_EQ(QVGetNomeArquivo(temp).substr(0, 3), "FLX");
    EXPECT_TRUE(QVExisteArquivo(temp));
    DeleteFileA(temp.c_str());

    EXPECT_EQ(QVApagaPasta(base), 0);
    EXPECT_FALSE(QVExistePasta(base));
    EXPECT_NE(QVApagaPasta(base), 0);   // a missing folder fails with the system's error
}

TEST(QVCaminhos, CrcVersionAndNoDialog) {
    EXPECT_EQ(QVCRC32(nullptr, 0), 0u);
    EXPECT_EQ(QVCRC32(nullptr, 0, 0x1234), 0x1234u);
    // Without the usual inversions: the common CRC-32 of "123456789" is 0xCBF43926.
    EXPECT_EQ(QVCRC32("123456789", 9, 0xFFFFFFFF) ^ 0xFFFFFFFF, 0xCBF43926u);
    EXPECT_EQ(QVCRC32("123456789", 9), 0x2DFD2D88u);
    EXPECT_EQ(QVGetVersaoBiblioteca(), 527);
    EXPECT_EQ(QVGetVersaoBibliotecaTexto(), "5.27");

    qv_registry_redirect redirect("QVCaminhosPasta");
    QVGravaRegistroTexto(HKEY_CURRENT_USER, "Software\\RO Vivavevo\\Tavon Empresarial", "LastDirectorySearch", "C:\\Ultima");
    qv_event_log_capture log;
    EXPECT_EQ(QVEscolhePasta(), "C:\\Ultima");
    EXPECT_EQ(log.entries().size(), 1u);
    EXPECT_EQ(QVImportaMunicipios(), -1);
    EXPECT_TRUE(log.contains("não foi encontrada"));
}

}  // namespace

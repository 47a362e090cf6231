// The report viewer launcher: runs the viewer program beside the running executable, waits for
// it, and turns its exit code and the PDF it wrote into the answer.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <optional>
#include <string>

#include "base/CQVChaveRegistro.h"
#include "base/QVCaminhos.h"
#include "platform/com/text.h"
#include "platform/inhouse/qvcadvis/CChamaVisualizadorRel.h"
#include "support/pdf_texto.h"
#include "support/qv_test_installation.h"

namespace {

bool grava(const std::string& caminho, const std::string& bytes) {
    FILE* f = std::fopen(caminho.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    std::fclose(f);
    return ok;
}

bool existe(const std::string& caminho) { return GetFileAttributesA(caminho.c_str()) != INVALID_FILE_ATTRIBUTES; }

void registra_impressora(const char* nome) {
    if (nome) ASSERT_EQ(QVGravaRegistroTexto(HKEY_CURRENT_USER, "Software\\RO Vivavevo", "UltImpressora_QVRel", nome), 0);
    else QVApagaRegistroValor(HKEY_CURRENT_USER, "Software\\RO Vivavevo", "UltImpressora_QVRel");
}

class ChamaVisualizador : public testing::Test {
protected:
    qv_test_installation m_instalacao{"visualizador"};
    std::string m_relatorio = m_instalacao.root() + "Relatorios\\PLANO.qvr";
    std::string m_pdf = m_instalacao.root() + "Relatorios\\PLA1234.pdf";

    void SetUp() override {
        CreateDirectoryA((m_instalacao.root() + "Relatorios").c_str(), nullptr);
        ASSERT_TRUE(grava(m_relatorio, "*#PLANO DE CONTAS\r\n2.3       Patrimônio Líquido\r\n"));
    }

    HRESULT executa(CChamaVisualizadorRel& v, int acao) {
        v.SetAcaoEnum(acao);
        v.SetRelatorio(m_relatorio);
        v.SetParametroAcao(m_pdf);
        v.SetExecucaoLocal(true);
        return v.Executa();
    }
};

TEST_F(ChamaVisualizador, ImprimeORelatorioNoPdfPelaImpressoraRegistrada) {
    registra_impressora("ZidizUvi PDF");
    CChamaVisualizadorRel v;
    ASSERT_EQ(executa(v, 8), S_OK) << v.Erro();
    EXPECT_EQ(v.Erro(), "");
    ASSERT_TRUE(existe(m_pdf));
    EXPECT_FALSE(existe(m_pdf + ".parcial"));
    if (!leitor_pdf_disponivel()) GTEST_SKIP() << "pdftotext (poppler-utils) não instalado";
    std::string erro;
    const auto texto = texto_do_pdf(m_pdf, &erro);
    ASSERT_TRUE(texto) << erro;
    EXPECT_NE(texto->find(com::ansi_to_utf8("Patrimônio Líquido")), std::string::npos) << *texto;
    EXPECT_EQ(texto->find("*#"), std::string::npos) << *texto;
}

// Every failure: a failing HRESULT, the reason in Portuguese, and no PDF under the name the caller
// reads when it prints (an older file of that name is not handed out as the new one).
struct caso_falha {
    const char* nome;
    const char* impressora;      // recorded under "UltImpressora_QVRel"; null: none
    int acao;
    bool relatorio_existe;
    HRESULT hr;
    std::string texto;           // %s: the report file
};

TEST_F(ChamaVisualizador, CadaFalhaDaUmHresultEUmTexto) {
    const caso_falha casos[] = {
        {"sem impressora registrada", nullptr, 8, true, HRESULT_FROM_WIN32(ERROR_INVALID_PRINTER_NAME),
         "Não há impressora PDF registrada para o visualizador de relatórios."},
        {"impressora registrada não instalada", "Impressora Que Não Existe", 8, true,
         HRESULT_FROM_WIN32(ERROR_INVALID_PRINTER_NAME), "A impressora PDF registrada não está instalada."},
        {"ação desconhecida", "ZidizUvi PDF", 7, true, E_INVALIDARG,
         "Ação 7 desconhecida pelo visualizador de relatórios."},
        {"ação negativa", "ZidizUvi PDF", -8, true, E_INVALIDARG,
         "Ação -8 desconhecida pelo visualizador de relatórios."},
        {"relatório inexistente", "ZidizUvi PDF", 8, false, HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND),
         "O relatório \"%s\" não pôde ser lido."},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        registra_impressora(c.impressora);
        if (!c.relatorio_existe) DeleteFileA(m_relatorio.c_str());
        ASSERT_TRUE(grava(m_pdf, "%PDF-1.3 antigo"));
        CChamaVisualizadorRel v;
        EXPECT_EQ(executa(v, c.acao), c.hr);
        std::string texto = c.texto;
        if (const size_t campo = texto.find("%s"); campo != std::string::npos) texto.replace(campo, 2, m_relatorio);
        EXPECT_EQ(v.Erro(), texto);
        // The PDF's name is known only for the printing action: another action's parameter is
        // never deleted.
        if (c.acao == 8) {
            EXPECT_FALSE(existe(m_pdf));
        }
        if (!c.relatorio_existe) SetUp();
    }
}

TEST_F(ChamaVisualizador, SemRelatorioOuSemPdfOVisualizadorRecusa) {
    registra_impressora("ZidizUvi PDF");
    const struct {
        const char* nome;
        bool sem_relatorio, sem_pdf;
    } casos[] = {{"sem relatório", true, false}, {"sem PDF", false, true}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        CChamaVisualizadorRel v;
        v.SetAcaoEnum(8);
        v.SetRelatorio(c.sem_relatorio ? "" : m_relatorio);
        v.SetParametroAcao(c.sem_pdf ? "" : m_pdf);
        EXPECT_EQ(v.Executa(), E_INVALIDARG);
        EXPECT_EQ(v.Erro(), "Relatório ou arquivo PDF não informado ao visualizador de relatórios.");
    }
}

TEST_F(ChamaVisualizador, UmaExecucaoBemSucedidaLimpaOErroDaAnterior) {
    registra_impressora(nullptr);
    CChamaVisualizadorRel v;
    EXPECT_TRUE(FAILED(executa(v, 8)));
    EXPECT_NE(v.Erro(), "");
    registra_impressora("ZidizUvi PDF");
    EXPECT_EQ(executa(v, 8), S_OK) << v.Erro();
    EXPECT_EQ(v.Erro(), "");
}

TEST_F(ChamaVisualizador, NomesSemPastaSaoDaPastaDeRelatorios) {
    registra_impressora("ZidizUvi PDF");
    ASSERT_TRUE(grava(m_pdf, "%PDF-1.3 antigo"));
    CChamaVisualizadorRel v;
    v.SetAcaoEnum(8);
    v.SetRelatorio("PLANO.qvr");
    v.SetParametroAcao("PLA1234.pdf");
    ASSERT_EQ(v.Executa(), S_OK) << v.Erro();
    FILE* f = std::fopen(m_pdf.c_str(), "rb");
    ASSERT_TRUE(f);
    char inicio[16] = {};
    std::fread(inicio, 1, sizeof inicio - 1, f);
    std::fclose(f);
    EXPECT_EQ(std::string(inicio).rfind("%PDF-", 0), 0u);
    EXPECT_EQ(std::string(inicio).find("antigo"), std::string::npos);   // the new PDF, not the old file
}

TEST_F(ChamaVisualizador, CaminhosComEspacosEAcentos) {
    registra_impressora("ZidizUvi PDF");
    const std::string pasta = m_instalacao.root() + "Relatórios do mês\\";
    ASSERT_TRUE(CreateDirectoryA(pasta.c_str(), nullptr));
    m_relatorio = pasta + "Plano de contas.qvr";
    m_pdf = pasta + "Plano de contas.pdf";
    ASSERT_TRUE(grava(m_relatorio, "Caixa\r\n"));
    CChamaVisualizadorRel v;
    EXPECT_EQ(executa(v, 8), S_OK) << v.Erro();
    EXPECT_TRUE(existe(m_pdf));
}

}  // namespace

// The viewer's PDF read back by a real PDF reader (pdftotext): the report's text, its accents and
// its pages.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/com/text.h"
#include "platform/inhouse/qvcadvis/visualizador/pdf_relatorio.h"
#include "support/pdf_texto.h"

namespace {

using visualizador::documento_pdf;
using visualizador::imprime_pdf;
using visualizador::le_linhas_relatorio;

std::string utf8(const char* cp1252) { return com::ansi_to_utf8(cp1252); }

std::string le_de_volta(const std::string& relatorio) {
    const std::string pdf = imprime_pdf(le_linhas_relatorio(relatorio), {"relatorio.qvr", "ZidizUvi PDF"});
    EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
    std::string erro;
    const auto texto = texto_dos_bytes_pdf(pdf, &erro);
    EXPECT_TRUE(texto.has_value()) << erro;
    return texto.value_or("");
}

size_t paginas(const std::string& texto) {
    // pdftotext ends every page with a form feed.
    return static_cast<size_t>(std::count(texto.begin(), texto.end(), '\f'));
}

class PdfRelatorio : public testing::Test {
protected:
    void SetUp() override {
        if (!leitor_pdf_disponivel()) GTEST_SKIP() << "pdftotext (poppler-utils) não instalado";
    }
};

TEST_F(PdfRelatorio, OTextoEOsAcentosSaoLidosDeVolta) {
    const std::string texto = le_de_volta(
        "*#PLANO DE CONTAS\r\n"
        "1         Ativo\r\n"
        "2.3       Patrimônio Líquido\r\n"
        "3.1.01    Receitas de Serviços - Ação, Exceção\r\n");
    EXPECT_EQ(texto.find("*#"), std::string::npos) << texto;
    for (const char* esperado : {"PLANO DE CONTAS", "Ativo", "Patrimônio Líquido", "Receitas de Serviços - Ação, Exceção"})
        EXPECT_NE(texto.find(utf8(esperado)), std::string::npos) << esperado << " em:\n" << texto;
    EXPECT_EQ(paginas(texto), 1u);
}

TEST_F(PdfRelatorio, UmRelatorioLongoOcupaVariasPaginasNaOrdem) {
    std::string relatorio;
    constexpr int total = 250;
    for (int i = 1; i <= total; ++i) relatorio += "Linha " + std::to_string(i) + " Conta Contábil\r\n";
    const std::string texto = le_de_volta(relatorio);
    EXPECT_GE(paginas(texto), 3u);
    std::vector<size_t> posicoes;
    for (int i : {1, 2, 99, 100, 101, 249, 250}) {
        const std::string linha = "Linha " + std::to_string(i) + " ";
        posicoes.push_back(texto.find(linha));
        ASSERT_NE(posicoes.back(), std::string::npos) << linha;
    }
    EXPECT_TRUE(std::is_sorted(posicoes.begin(), posicoes.end()));   // nothing lost, nothing out of order
}

TEST_F(PdfRelatorio, OSaltoDePaginaDoRelatorioComecaOutraPagina) {
    const std::string texto = le_de_volta("Primeira\r\n\fSegunda\r\n\fTerceira\r\n");
    EXPECT_EQ(paginas(texto), 3u);
    const size_t primeira_quebra = texto.find('\f');
    EXPECT_LT(texto.find("Primeira"), primeira_quebra);
    EXPECT_GT(texto.find("Segunda"), primeira_quebra);
}

TEST_F(PdfRelatorio, UmaLinhaLargaCabeInteiraNaPagina) {
    std::string larga;
    for (int i = 0; i < 22; ++i) larga += "Col" + std::to_string(i % 10) + "-ab ";   // 176 columns
    larga += "FIM";
    const std::string texto = le_de_volta(larga + "\r\n");
    EXPECT_NE(texto.find("Col0-ab"), std::string::npos) << texto;
    EXPECT_NE(texto.find("FIM"), std::string::npos) << texto;   // the line's end is on the page
}

TEST_F(PdfRelatorio, UmRelatorioVazioDaUmaPaginaEmBranco) {
    const std::string texto = le_de_volta("*#");
    EXPECT_EQ(paginas(texto), 1u);
    EXPECT_EQ(texto.find_first_not_of(" \r\n\f"), std::string::npos) << texto;
}

}  // namespace

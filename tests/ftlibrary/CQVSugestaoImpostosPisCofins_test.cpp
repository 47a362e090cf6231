// The PIS/COFINS suggestion: the rates file's lines (key and CFOP matching, the first match, a
// key-only line, the pair chosen by the alternative flag, the code looked up, refused lines), the
// product server's rule when no line matches, and the tax situations adjusted to the operation.
// Offsets of the item record are the layout's numbers.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <string>

#include "base/QVCaminhos.h"
#include "base/QVEventLog.h"
#include "bytes_registro.h"
#include "ft/ftlibrary/CQVSugestaoImpostosPisCofins.h"
#include "servidores_nota_falsos.h"

namespace {

using bytes_item_nf = bytes_registro<168>;

constexpr char linha_12_5102[] = "12;5102;Venda;01;1,65;01;0,65;Venda;01;7,60;01;3,00;3;0";

class SugestaoPisCofins : public testing::Test {
protected:
    SugestaoPisCofins() {
        pasta = QVGetPastaTemporaria() + "zu-pis-cofins-" + std::to_string(GetCurrentProcessId()) + "\\";
        CreateDirectoryA(pasta.c_str(), nullptr);
        sugestao.m_PastaCadastros = pasta;
        sugestao.m_Hoje = [] { return uint16_t{60000}; };
        sugestao.SetChaveArquivo(12);
        sugestao.SetChaveServidor(2);
        natureza.texto(0, "5.102");
        natureza.poe<uint8_t>(497, 1).poe<uint8_t>(498, 1);
        produto.poe<uint32_t>(104, 77);
        // The server's rule: PIS 1,65 / 0,65 and COFINS 7,6 / 3 with CSTs 2 and 3, code 5.
        srv.regra_pis_cofins.cy(0, 16500).poe<uint16_t>(8, 2).cy(10, 6500).poe<uint16_t>(18, 3);
        srv.regra_pis_cofins.cy(20, 76000).poe<uint16_t>(28, 2).cy(30, 30000).poe<uint16_t>(38, 3);
        srv.regra_pis_cofins.poe<int32_t>(40, 5).poe<uint8_t>(44, 6).poe<uint8_t>(45, 1);
    }
    ~SugestaoPisCofins() override {
        DeleteFileA(arquivo().c_str());
        RemoveDirectoryA(pasta.c_str());
    }
    std::string arquivo() const { return pasta + ArquivoAliquotasPisCofins; }
    void escreve(const std::string& conteudo) {
        std::ofstream f(arquivo(), std::ios::binary);
        f << conteudo;
    }
    int32_t le(RESULTADO_ARQUIVO_PIS_COFINS& r) { return sugestao.LeArquivo(srv, 12, natureza.como<_REG_NATUREZAPS>(), r); }
    HRESULT sugere(bytes_item_nf& item) {
        return sugestao.Sugere(srv, produto.como<_REG_PRODUTOPS>(), natureza.como<_REG_NATUREZAPS>(),
                               *reinterpret_cast<REG_IMPOSTOS_PRODUTO_NF*>(item.b.data()));
    }

    std::string pasta;
    CQVSugestaoImpostosPisCofins sugestao;
    servidores_nota_falsos srv;
    bytes_natureza natureza;
    bytes_registro<984> produto;
};

TEST_F(SugestaoPisCofins, ALineMatchesTheKeyAndTheDigitsOfTheCFOP) {
    escreve(std::string(linha_12_5102) + "\r\n");
    RESULTADO_ARQUIVO_PIS_COFINS r;
    ASSERT_EQ(le(r), 1);
    EXPECT_EQ(r.Chave, 12);
    EXPECT_EQ(r.CFOP, "5102");
    EXPECT_EQ(r.CSTPIS1, 1);
    EXPECT_EQ(r.AliquotaPIS1, 16500);
    EXPECT_EQ(r.AliquotaPIS2, 6500);
    EXPECT_EQ(r.AliquotaCOFINS1, 76000);
    EXPECT_EQ(r.AliquotaCOFINS2, 30000);
    EXPECT_EQ(r.ByteLinha, 3);
    EXPECT_EQ(r.EntradaPIS, 0);
    EXPECT_EQ(r.ImpostoPIS, 1);
    EXPECT_EQ(r.ImpostoCOFINS, 2);
}

TEST_F(SugestaoPisCofins, TheAlternativeFlagTakesTheSecondPair) {
    escreve(std::string(linha_12_5102) + "\r\n");
    struct {
        int32_t alternativa;
        int64_t pis, cofins;
    } casos[] = {{0, 16500, 76000}, {1, 6500, 30000}};
    for (const auto& c : casos) {
        sugestao.SetAlternativa(c.alternativa);
        bytes_item_nf item;
        ASSERT_EQ(sugere(item), S_OK);
        EXPECT_EQ(item.le<int64_t>(24), c.pis);
        EXPECT_EQ(item.le<int64_t>(32), c.cofins);
        EXPECT_EQ(item.le<uint16_t>(118), 1);
        EXPECT_EQ(item.le<uint8_t>(143), 3);
    }
    EXPECT_EQ(srv.conta("RegraPisCofins"), 0);
}

struct caso_arquivo {
    const char* nome;
    std::string conteudo;       // lines, "\n" between them
    int32_t achou;
    int64_t aliquota_pis;       // of the accepted line
};

class ArquivoPisCofins : public SugestaoPisCofins, public testing::WithParamInterface<caso_arquivo> {};

TEST_P(ArquivoPisCofins, FindsTheFirstAcceptedLine) {
    escreve(GetParam().conteudo);
    RESULTADO_ARQUIVO_PIS_COFINS r;
    EXPECT_EQ(le(r), GetParam().achou);
    EXPECT_EQ(r.AliquotaPIS1, GetParam().aliquota_pis);
}

std::string linha_longa(size_t tamanho) {
    std::string l = "12;5102;";
    const std::string resto = ";01;0,99;01;0,65;x;01;7,60;01;3,00";
    l += std::string(tamanho - l.size() - resto.size(), 'x') + resto;
    return l;
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, ArquivoPisCofins,
    testing::Values(caso_arquivo{"OutraChave", "13;5102;x;01;1,65", 0, 0},
                    caso_arquivo{"OutroCFOP", "12;6102;x;01;1,65", 0, 0},
                    caso_arquivo{"CFOPComPontoEBrancos", "  12 ; 5.102 ;x;01; 0,99 ", 1, 9900},
                    caso_arquivo{"PontoDecimal", "12;5102;x;01;1.65", 1, 16500},
                    caso_arquivo{"SoAChave", "12", 1, 0},
                    caso_arquivo{"ChaveComLetras", "F12;5102;x;01;0,99", 1, 9900},
                    caso_arquivo{"ChaveAlemDe16Bits", "65548;5102;x;01;0,99", 0, 0},
                    caso_arquivo{"PrimeiraDeDuas", "12;5102;x;01;0,99\n12;5102;x;01;0,88", 1, 9900},
                    caso_arquivo{"DepoisDeUmaQueNaoServe", "12;5101;x;01;0,77\n12;5102;x;01;0,88", 1, 8800},
                    caso_arquivo{"CFOPVazio", "12;;x;01;0,99", 0, 0},
                    caso_arquivo{"LinhaVazia", "\n12;5102;x;01;0,88", 1, 8800},
                    caso_arquivo{"Linha999", linha_longa(999), 1, 9900},
                    caso_arquivo{"Linha1000Recusada", linha_longa(1000), 0, 0},
                    caso_arquivo{"Linha1000RecusadaEASeguinteServe", linha_longa(1000) + "\n12;5102;x;01;0,88", 1, 8800}),
    [](const auto& i) { return std::string(i.param.nome); });

TEST_F(SugestaoPisCofins, ARefusedLineIsWrittenToTheEventLog) {
    escreve(linha_longa(1000));
    qv_event_log_capture log;
    RESULTADO_ARQUIVO_PIS_COFINS r;
    EXPECT_EQ(le(r), 0);
    ASSERT_EQ(log.entries().size(), 1u);
    EXPECT_NE(log.entries()[0].text.find("linha 1"), std::string::npos);
}

TEST_F(SugestaoPisCofins, NoKeyOrNoNatureCodeReadsNothing) {
    escreve(std::string(linha_12_5102));
    RESULTADO_ARQUIVO_PIS_COFINS r;
    EXPECT_EQ(sugestao.LeArquivo(srv, 0, natureza.como<_REG_NATUREZAPS>(), r), 0);
    EXPECT_EQ(sugestao.LeArquivo(srv, 12, bytes_natureza{}.como<_REG_NATUREZAPS>(), r), 0);
}

TEST_F(SugestaoPisCofins, TheCodeOfALineIsLookedUpWithItsPisCST) {
    escreve("12;5102;x;04;1,65;01;0,65;x;01;7,60;01;3,00;0;33\n");
    srv.codigos_pis_cofins[{4, 33}] = 901;
    RESULTADO_ARQUIVO_PIS_COFINS r;
    ASSERT_EQ(le(r), 1);
    EXPECT_EQ(r.Codigo, 901);
    EXPECT_EQ(srv.conta("CodigoPisCofins 4 33"), 1);

    bytes_item_nf item;
    ASSERT_EQ(sugere(item), S_OK);
    EXPECT_EQ(item.le<int32_t>(80), 901);

    // A failed look-up is not a missing code.
    srv.falhas["CodigoPisCofins"] = E_ACCESSDENIED;
    EXPECT_EQ(sugere(item), E_ACCESSDENIED);
}

TEST_F(SugestaoPisCofins, WithoutAFileTheProductServerAnswers) {
    bytes_item_nf item;
    sugestao.SetAlternativa(1);
    ASSERT_EQ(sugere(item), S_OK);
    ASSERT_EQ(srv.conta("RegraPisCofins"), 1);
    EXPECT_EQ(srv.ultimo_pedido_pis_cofins.Um, 1);
    EXPECT_EQ(srv.ultimo_pedido_pis_cofins.Mascara, 7);
    EXPECT_EQ(srv.ultimo_pedido_pis_cofins.Produto, 77);
    EXPECT_EQ(srv.ultimo_pedido_pis_cofins.Chave, 2);
    EXPECT_EQ(srv.ultimo_pedido_pis_cofins.Data, 60000);
    EXPECT_EQ(srv.ultimo_pedido_pis_cofins.Entrada, 0);
    EXPECT_EQ(item.le<int64_t>(24), 6500);
    EXPECT_EQ(item.le<int64_t>(32), 30000);
    EXPECT_EQ(item.le<uint16_t>(118), 3);
    EXPECT_EQ(item.le<uint16_t>(120), 3);
    EXPECT_EQ(item.le<int32_t>(80), 5);
    EXPECT_EQ(item.le<uint8_t>(143), 6);
    EXPECT_EQ(item.le<uint8_t>(140), 1);

    srv.falhas["RegraPisCofins"] = E_FAIL;
    EXPECT_EQ(sugere(item), E_FAIL);
}

TEST_F(SugestaoPisCofins, ATaxTheNatureDoesNotApplyTakesTheNaturesSituation) {
    natureza.poe<uint8_t>(497, 0).poe<uint8_t>(624, 70).poe<uint8_t>(637, 71).poe<int32_t>(652, 444);
    bytes_item_nf item;
    ASSERT_EQ(sugere(item), S_OK);
    EXPECT_EQ(srv.ultimo_pedido_pis_cofins.Mascara, 6);
    EXPECT_EQ(item.le<int64_t>(24), 0);
    EXPECT_EQ(item.le<uint16_t>(118), 70);
    EXPECT_EQ(item.le<int32_t>(80), 444);
    EXPECT_EQ(item.le<uint16_t>(120), 2);

    // A situation already set stays.
    bytes_item_nf comCST;
    comCST.poe<uint16_t>(118, 5);
    natureza.poe<int32_t>(652, 0);
    ASSERT_EQ(sugere(comCST), S_OK);
    EXPECT_EQ(comCST.le<uint16_t>(118), 5);
    EXPECT_EQ(comCST.le<int32_t>(80), 5);
}

TEST_F(SugestaoPisCofins, AnEntryWithAdjustmentEndsWith99) {
    escreve("12;1202;Devolução;50;1,65;50;0,65;x;50;7,60;50;3,00\n");
    natureza = bytes_natureza{};
    natureza.texto(0, "1.202");
    sugestao.SetAjustaCST(1);
    RESULTADO_ARQUIVO_PIS_COFINS r;
    ASSERT_EQ(le(r), 1);
    EXPECT_EQ(r.EntradaPIS, 1);
    EXPECT_EQ(r.EntradaCOFINS, 1);
    bytes_item_nf item;
    ASSERT_EQ(sugere(item), S_OK);
    EXPECT_EQ(item.le<uint16_t>(118), 99);
    EXPECT_EQ(item.le<uint16_t>(120), 99);
}

TEST_F(SugestaoPisCofins, AnEntryAsksTheServerForItsRule) {
    natureza = bytes_natureza{};
    natureza.texto(0, "2102").poe<uint8_t>(497, 1);
    bytes_item_nf item;
    ASSERT_EQ(sugere(item), S_OK);
    EXPECT_EQ(srv.ultimo_pedido_pis_cofins.Entrada, 1);
    EXPECT_EQ(srv.ultimo_pedido_pis_cofins.Mascara, 5);
}

struct caso_cst {
    uint16_t cst;
    char tipo;                  // first character of the nature's code
    uint16_t ajustado;
};

class AjusteCST : public SugestaoPisCofins, public testing::WithParamInterface<caso_cst> {};

TEST_P(AjusteCST, MapsTheSituationsOfAnExit) {
    const caso_cst& c = GetParam();
    escreve("12;" + std::string(1, c.tipo) + "102;x;" + std::to_string(c.cst) + ";1,65;0;0;x;" + std::to_string(c.cst) +
            ";7,60;0;0\n");
    natureza = bytes_natureza{};
    natureza.texto(0, std::string(1, c.tipo) + "102");
    bytes_item_nf item;
    sugestao.SetAjustaCST(1);
    ASSERT_EQ(sugere(item), S_OK);
    EXPECT_EQ(item.le<uint16_t>(118), c.ajustado);
    EXPECT_EQ(item.le<uint16_t>(120), c.ajustado);

    bytes_item_nf semAjuste;
    sugestao.SetAjustaCST(0);
    ASSERT_EQ(sugere(semAjuste), S_OK);
    EXPECT_EQ(semAjuste.le<uint16_t>(118), c.cst);
}

INSTANTIATE_TEST_SUITE_P(Tabela, AjusteCST,
                         testing::Values(caso_cst{0, '5', 99}, caso_cst{1, '5', 49}, caso_cst{6, '6', 49},
                                         caso_cst{7, '5', 49}, caso_cst{9, '5', 49}, caso_cst{2, '5', 2},
                                         caso_cst{4, '5', 4}, caso_cst{8, '5', 8}, caso_cst{49, '5', 49},
                                         caso_cst{1, '7', 8}, caso_cst{4, '7', 8}, caso_cst{1, '3', 99}));

}  // namespace

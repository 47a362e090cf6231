// The invoice tax calculation against tables of server answers: which taxes a nature charges,
// whether ICMS is charged for a tax situation, the choice of the ICMS rate, ICMS-ST, IPI, the
// document model, PIS/COFINS, the branch's and customer's states, and failures of the servers.
// Offsets of the records are the layouts' numbers.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "bytes_registro.h"
#include "ft/ftlibrary/CCalculaNotaFiscal.h"
#include "servidores_nota_falsos.h"

namespace {

using bytes_resultado = bytes_registro<168>;
using bytes_filial = bytes_registro<4818>;
using bytes_cliente = bytes_registro<3578>;

constexpr uint16_t SP = 20, RJ = 19, PR = 21;
constexpr uint16_t dia = 56617;
constexpr uint16_t hoje = 60000;
constexpr int32_t produto = 7;

// Numbers of the municipalities the doubles know.
constexpr uint16_t municipio_sp = 21, municipio_rj = 19, municipio_pr = 26;

class CalculaNotaFiscal : public testing::Test {
protected:
    CalculaNotaFiscal() {
        auto s = std::make_unique<servidores_nota_falsos>();
        srv = s.get();
        calc = std::make_unique<CCalculaNotaFiscal>(std::move(s));
        calc->m_Hoje = [] { return hoje; };
        calc->m_PastaCadastros = "C:\\zu-sem-cadastros\\";
        srv->estado_municipio = {{municipio_sp, SP}, {municipio_rj, RJ}, {municipio_pr, PR}};
        srv->estados_sigla = {{"SP", SP}, {"RJ", RJ}, {"pr", PR}};
        // Branches 1 to 3 in São Paulo: 18 % inside, 12 % to RJ and PR.
        for (uint16_t f : {1, 2, 3}) {
            srv->aliquotas[{SP, f}] = 1800;
            srv->aliquotas[{RJ, f}] = 1200;
            srv->aliquotas[{PR, f}] = 1200;
        }
        srv->regras_icms[SP].poe<uint16_t>(24, 1750);
        srv->regras_icms[RJ].poe<uint16_t>(24, 400);
        srv->regras_icms[PR].poe<uint16_t>(24, 400);
        srv->documento.texto(18, "1A ");
    }

    // A branch in São Paulo (its municipality) with number `numero`.
    void filial(uint16_t numero = 1, uint16_t codigoMestre = 0, char ajusta = 'N', uint8_t opcao = 0) {
        bytes_filial f;
        f.poe<uint16_t>(4, static_cast<uint16_t>(numero + 10)).poe<char>(734, ajusta).poe<uint16_t>(2780, municipio_sp);
        f.poe<uint8_t>(3745, opcao);
        calc->SetFilial(numero, codigoMestre, f.como<inhouse::REG_FILIAL>());
    }
    void cliente(const bytes_cliente& c) { calc->SetCliente(c.como<QVCFRT>()); }
    static bytes_cliente cliente_em(uint16_t municipio, bool proprioEstado = false) {
        bytes_cliente c;
        c.poe<uint16_t>(2608, municipio);
        if (proprioEstado) c.poe<char>(1323, 'S');
        return c;
    }

    HRESULT calcula(bytes_resultado& r, uint16_t natureza = 0, uint16_t data = dia) {
        return calc->CalculaProduto(produto, natureza, data, reinterpret_cast<REG_IMPOSTOS_PRODUTO_NF*>(r.b.data()));
    }
    // A nature read from the server with the given incidence bytes.
    void natureza(std::initializer_list<size_t> bytes, const std::string& codigo = "5102") {
        srv->natureza = bytes_natureza{};
        srv->natureza.texto(0, codigo);
        for (size_t b : bytes) srv->natureza.poe<uint8_t>(b, 1);
    }

    servidores_nota_falsos* srv = nullptr;
    std::unique_ptr<CCalculaNotaFiscal> calc;
};

TEST_F(CalculaNotaFiscal, InitialisesTheServersWithTheSessionOfTheRecord) {
    REG_SESSAO_NOTA_FISCAL s{};
    bytes_registro<36> b;
    b.texto(0, std::string(27, 'E')).poe<uint16_t>(28, 7).poe<int32_t>(32, 4242);
    std::memcpy(&s, b.b.data(), 36);
    EXPECT_EQ(calc->Inicializa(s), S_OK);
    EXPECT_EQ(srv->chamadas.at(0), "Inicializa " + std::string(27, 'E') + " 7 4242");
    srv->falhas["Inicializa"] = E_ACCESSDENIED;
    EXPECT_EQ(calc->Inicializa(s), E_ACCESSDENIED);
}

TEST_F(CalculaNotaFiscal, WithoutANatureEveryTaxIsCharged) {
    filial();
    cliente(cliente_em(municipio_sp));
    srv->regras_icms[SP].poe<uint16_t>(32, 1800);
    srv->documento.poe<uint16_t>(10, 975);
    srv->regra_pis_cofins.cy(0, 16500).poe<uint16_t>(8, 1).cy(20, 76000).poe<uint16_t>(28, 1);
    bytes_resultado r;
    ASSERT_EQ(calcula(r, 0), S_OK);
    EXPECT_EQ(srv->conta("LeNatureza"), 0);
    EXPECT_EQ(r.le<uint8_t>(133), 1);
    EXPECT_EQ(r.le<uint16_t>(96), 1800);
    EXPECT_EQ(r.le<uint16_t>(110), 1800);
    EXPECT_EQ(r.le<uint8_t>(134), 1);
    EXPECT_EQ(r.le<uint16_t>(98), 975);
    EXPECT_EQ(r.le<int64_t>(24), 16500);
    EXPECT_EQ(r.le<int64_t>(32), 76000);
    EXPECT_EQ(r.le<uint16_t>(118), 1);
    // PIS and COFINS both asked for: 4 + 1 + 2.
    EXPECT_EQ(srv->ultimo_pedido_pis_cofins.Mascara, 7);
    EXPECT_EQ(srv->ultimo_pedido_pis_cofins.Chave, 1);
    EXPECT_EQ(srv->ultimo_pedido_pis_cofins.Data, hoje);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(r.b.data() + 128)), "1A ");
}

TEST_F(CalculaNotaFiscal, ANatureWithADayOfZeroIsNotRead) {
    filial();
    cliente(cliente_em(municipio_sp));
    bytes_resultado r;
    ASSERT_EQ(calcula(r, 12, 0), S_OK);
    EXPECT_EQ(srv->conta("LeNatureza"), 0);
    EXPECT_EQ(r.le<uint8_t>(133), 1);
}

struct caso_situacao {
    const char* nome;
    std::string texto;          // "" : no tax-situation code
    bool regime_especial;
    bool marca_530;
    bool diferimento;           // product byte 950
    bool regra_pr;              // customer in PR, same state as the branch, own-state flag
    uint8_t cobra;
};

class SituacaoTributaria : public CalculaNotaFiscal, public testing::WithParamInterface<caso_situacao> {};

TEST_P(SituacaoTributaria, DecidesWhetherICMSIsCharged) {
    const caso_situacao& c = GetParam();
    if (c.regra_pr) {
        // The branch in Paraná too.
        srv->estado_municipio[municipio_sp] = PR;
        srv->aliquotas[{PR, 1}] = 1950;
    }
    filial();
    bytes_cliente cli;
    if (c.regra_pr) cli.texto(3058, "pr").poe<char>(1323, 'S');
    else cli.poe<uint16_t>(2608, municipio_sp);
    if (c.regime_especial) cli.poe<char>(1326, 'S');
    cliente(cli);
    natureza({495, 496, 497, 498});
    if (c.marca_530) srv->natureza.poe<uint8_t>(530, 1);
    if (c.diferimento) srv->produto.poe<uint8_t>(950, 1);
    if (!c.texto.empty()) {
        srv->regras_icms[c.regra_pr ? PR : SP].poe<uint8_t>(50, 9);
        srv->situacoes[9] = c.texto;
    }
    bytes_resultado r;
    ASSERT_EQ(calcula(r, 5), S_OK);
    EXPECT_EQ(r.le<uint8_t>(133), c.cobra);
    EXPECT_EQ(srv->conta("SituacaoTributaria"), c.texto.empty() ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, SituacaoTributaria,
    testing::Values(caso_situacao{"SemCodigo", "", false, false, false, false, 1},
                    caso_situacao{"Csosn102", "0102", false, false, false, false, 0},
                    caso_situacao{"Csosn101", "0101", false, false, false, false, 0},
                    caso_situacao{"Csosn500", "0500", false, false, false, false, 0},
                    caso_situacao{"Csosn201", "0201", false, false, false, false, 1},
                    caso_situacao{"Csosn900", "0900", false, false, false, false, 1},
                    caso_situacao{"Cst000", "000", false, false, false, false, 1},
                    caso_situacao{"Cst020", "020", false, false, false, false, 1},
                    caso_situacao{"Cst040", "040", false, false, false, false, 0},
                    caso_situacao{"Cst040RegimeEspecial", "040", true, false, false, false, 1},
                    caso_situacao{"Cst030", "030", false, false, false, false, 0},
                    caso_situacao{"Cst051Com530E950", "051", false, true, true, false, 1},
                    caso_situacao{"Cst051So530", "051", false, true, false, false, 0},
                    caso_situacao{"Cst051So950", "051", false, false, true, false, 0},
                    caso_situacao{"Cst050Com530E950", "050", false, true, true, false, 0},
                    caso_situacao{"Cst060", "060", false, false, false, false, 0},
                    caso_situacao{"Cst060RegraPR", "060", false, true, false, true, 1},
                    caso_situacao{"Cst060PRSem530", "060", false, false, false, true, 0},
                    caso_situacao{"Cst090", "090", false, false, false, false, 0},
                    caso_situacao{"Cst010", "010", false, false, false, false, 1}),
    [](const auto& i) { return std::string(i.param.nome); });

TEST_F(CalculaNotaFiscal, TheAlternativeTaxSituationNeedsTheAdjustmentAndTheOption) {
    srv->regras_icms[SP].poe<uint8_t>(50, 3).poe<uint8_t>(52, 4);
    srv->situacoes[3] = "040";
    srv->situacoes[4] = "000";
    struct {
        char ajusta;
        uint8_t opcao;
        const char* lido;
    } casos[] = {{'S', 1, "SituacaoTributaria 4"}, {'S', 0, "SituacaoTributaria 3"}, {'N', 1, "SituacaoTributaria 3"}};
    for (const auto& c : casos) {
        srv->chamadas.clear();
        filial(1, 0, c.ajusta, c.opcao);
        cliente(cliente_em(municipio_sp));
        bytes_resultado r;
        ASSERT_EQ(calcula(r), S_OK);
        EXPECT_EQ(srv->conta(c.lido), 1) << c.ajusta << int(c.opcao);
        // The record keeps the rule's main code whichever text was read.
        EXPECT_EQ(r.le<uint8_t>(142), 3);
    }
}

struct caso_aliquota {
    const char* nome;
    bool regra_propria;         // product byte 935
    uint16_t codigo_mestre;
    uint16_t filial;
    bool outro_estado;          // customer in RJ, else in SP
    bool proprio_estado;
    uint16_t aliquota;
    int leituras_regra;         // ICMS rule reads
};

class EscolhaAliquota : public CalculaNotaFiscal, public testing::WithParamInterface<caso_aliquota> {};

TEST_P(EscolhaAliquota, ChoosesTheICMSRate) {
    const caso_aliquota& c = GetParam();
    filial(c.filial, c.codigo_mestre);
    cliente(cliente_em(c.outro_estado ? municipio_rj : municipio_sp, c.proprio_estado));
    if (c.regra_propria) srv->produto.poe<uint8_t>(935, 1);
    srv->regras_icms[SP].cy(0, 777);
    srv->regras_icms[RJ].cy(0, 555);
    bytes_resultado r;
    ASSERT_EQ(calcula(r), S_OK);
    EXPECT_EQ(r.le<uint16_t>(96), c.aliquota);
    EXPECT_EQ(srv->conta("RegraICMS"), c.leituras_regra);
    if (c.leituras_regra == 2) {
        EXPECT_EQ(srv->conta("RegraICMS estado=20"), 1);
        EXPECT_EQ(r.le<int64_t>(8), 777);
    }
}

// Branch state rate 18 %, customer state rate 12 % (RJ from SP), the product's rule 17,5 % in SP
// and 4 % to RJ.
INSTANTIATE_TEST_SUITE_P(
    Tabela, EscolhaAliquota,
    testing::Values(caso_aliquota{"EstadosMesmoEstado", false, 0, 1, false, false, 1800, 1},
                    caso_aliquota{"EstadosOutroEstadoProprio", false, 0, 1, true, true, 1200, 1},
                    caso_aliquota{"EstadosOutroEstadoSemProprio", false, 0, 1, true, false, 1800, 1},
                    caso_aliquota{"RegraMesmoEstado", true, 0, 1, false, false, 1750, 1},
                    caso_aliquota{"RegraOutroEstadoProprio", true, 0, 1, true, true, 400, 1},
                    caso_aliquota{"RegraOutroEstadoSemProprioLeNoEstadoDaFilial", true, 0, 1, true, false, 1750, 2},
                    caso_aliquota{"Codigo1452Filial2PeloEstado", true, 1452, 2, true, true, 1200, 1},
                    caso_aliquota{"Codigo1452Filial2SemProprio", true, 1452, 2, true, false, 1800, 1},
                    caso_aliquota{"Codigo1452Filial3PelaRegra", true, 1452, 3, true, true, 400, 1},
                    caso_aliquota{"Codigo1024MesmoEstado", true, 1024, 1, false, false, 1750, 1},
                    caso_aliquota{"Codigo1024OutroEstadoProprio", true, 1024, 1, true, true, 1200, 1},
                    caso_aliquota{"Codigo1024OutroEstadoSemProprio", true, 1024, 1, true, false, 400, 1}),
    [](const auto& i) { return std::string(i.param.nome); });

TEST_F(CalculaNotaFiscal, ACustomerWithItsOwnSTRateGetsItWhateverTheRule) {
    filial();
    bytes_cliente c = cliente_em(municipio_sp);
    c.poe<uint8_t>(216, 1).cy(64, 150000);
    cliente(c);
    srv->regras_icms[SP].poe<uint16_t>(32, 1800).poe<uint16_t>(34, 8000).cy(8, 99);
    bytes_resultado r;
    ASSERT_EQ(calcula(r), S_OK);
    EXPECT_EQ(r.le<uint16_t>(110), 1500);
    EXPECT_EQ(r.le<uint16_t>(114), 0);
    EXPECT_EQ(r.le<int64_t>(16), 0);
}

TEST_F(CalculaNotaFiscal, STValuesComeFromTheRuleAndTheAlternativeFlagMovesThem) {
    srv->regras_icms[SP].poe<uint16_t>(32, 1800).poe<uint16_t>(34, 8000).poe<uint16_t>(36, 36).poe<uint16_t>(38, 38);
    srv->regras_icms[SP].poe<uint16_t>(40, 40).poe<uint16_t>(42, 42).poe<uint16_t>(30, 30).cy(8, 81).cy(16, 82);
    filial();
    cliente(cliente_em(municipio_sp));
    bytes_resultado r;
    ASSERT_EQ(calcula(r), S_OK);
    EXPECT_EQ(r.le<uint16_t>(110), 1800);
    EXPECT_EQ(r.le<uint16_t>(114), 8000);
    EXPECT_EQ(r.le<uint16_t>(116), 36);
    EXPECT_EQ(r.le<uint16_t>(112), 38);
    EXPECT_EQ(r.le<uint16_t>(106), 42);
    EXPECT_EQ(r.le<uint16_t>(104), 30);
    EXPECT_EQ(r.le<int64_t>(16), 81);
    EXPECT_EQ(r.le<int64_t>(48), 82);

    bytes_cliente alt = cliente_em(municipio_sp);
    alt.poe<char>(3069, 'S');
    cliente(alt);
    ASSERT_EQ(calcula(r), S_OK);
    EXPECT_EQ(r.le<uint16_t>(114), 38);
    EXPECT_EQ(r.le<uint16_t>(104), 42);
    EXPECT_EQ(r.le<uint16_t>(116), 40);
}

TEST_F(CalculaNotaFiscal, ANatureWithoutSTLeavesSTOut) {
    filial();
    cliente(cliente_em(municipio_sp));
    srv->regras_icms[SP].poe<uint16_t>(32, 1800);
    natureza({495, 496, 497, 498});
    bytes_resultado r;
    ASSERT_EQ(calcula(r, 5), S_OK);
    EXPECT_EQ(r.le<uint16_t>(110), 0);
    EXPECT_EQ(r.le<uint16_t>(96), 1800);
}

TEST_F(CalculaNotaFiscal, ANatureChargingNothingEndsWithModelAndTaxSituations) {
    struct {
        char ajusta;
        bool modelo55;
        uint16_t cst_pis, cst_cofins;
        const char* modelo;
    } casos[] = {{'S', true, 99, 99, "55"}, {'N', false, 7, 8, "1A "}};
    for (const auto& c : casos) {
        srv->chamadas.clear();
        filial(1, 0, c.ajusta);
        bytes_cliente cli = cliente_em(municipio_sp);
        if (c.modelo55) cli.poe<uint8_t>(1352, 1);
        cliente(cli);
        natureza({});
        srv->natureza.poe<uint8_t>(624, 7).poe<uint8_t>(637, 8).poe<uint8_t>(499, 1);
        srv->filial_produto.cy(0, 1234).poe<uint8_t>(47, 1);
        bytes_resultado r;
        ASSERT_EQ(calcula(r, 5), S_OK);
        EXPECT_EQ(r.le<uint16_t>(118), c.cst_pis);
        EXPECT_EQ(r.le<uint16_t>(120), c.cst_cofins);
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(r.b.data() + 128)), c.modelo);
        EXPECT_EQ(r.le<int64_t>(40), 1234);
        EXPECT_EQ(r.le<uint8_t>(141), 1);
        EXPECT_EQ(srv->conta("LeProduto"), 0);
        EXPECT_EQ(srv->conta("RegraICMS"), 0);
        EXPECT_EQ(srv->conta("RegraPisCofins"), 0);
        EXPECT_EQ(srv->conta("RegraDocumento estado=20 data=60000"), 1);
    }
}

struct caso_ipi {
    const char* nome;
    uint8_t flag26, flag27, byte29;
    bool modelo55, regime_especial, excecao;
    uint8_t cobra;
    uint16_t aliquota;
    int64_t valor_documento;
    uint8_t regime_ipi;
};

class IPI : public CalculaNotaFiscal, public testing::WithParamInterface<caso_ipi> {};

TEST_P(IPI, FollowsTheDocumentRuleAndTheCustomer) {
    const caso_ipi& c = GetParam();
    filial();
    bytes_cliente cli = cliente_em(municipio_sp);
    if (c.modelo55) cli.poe<uint8_t>(1352, 1);
    if (c.regime_especial) cli.poe<char>(1326, 'S');
    if (c.excecao) cli.poe<uint8_t>(1585, 1);
    cliente(cli);
    srv->documento.cy(0, 5000).poe<uint16_t>(10, c.flag26 || c.flag27 ? 975 : 0).poe<uint16_t>(12, 12);
    srv->documento.poe<uint16_t>(16, 16).poe<uint8_t>(26, c.flag26).poe<uint8_t>(27, c.flag27);
    srv->documento.poe<uint8_t>(29, c.byte29).poe<uint8_t>(30, 1);
    bytes_resultado r;
    ASSERT_EQ(calcula(r), S_OK);
    EXPECT_EQ(r.le<uint8_t>(134), c.cobra);
    EXPECT_EQ(r.le<uint16_t>(98), c.aliquota);
    EXPECT_EQ(r.le<uint16_t>(100), c.cobra ? 12 : 0);
    EXPECT_EQ(r.le<int64_t>(0), c.valor_documento);
    EXPECT_EQ(r.le<uint8_t>(138), c.regime_ipi);
    EXPECT_EQ(r.le<uint16_t>(108), 16);
    EXPECT_EQ(r.le<uint8_t>(139), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, IPI,
    testing::Values(caso_ipi{"SemMarcas", 0, 0, 1, false, false, false, 1, 0, 5000, 0},
                    caso_ipi{"Marca26", 1, 0, 1, false, false, false, 0, 0, 0, 0},
                    caso_ipi{"Modelo55", 0, 0, 1, true, false, false, 0, 0, 0, 0},
                    caso_ipi{"RegimeEspecialByte29Zero", 0, 0, 0, false, true, false, 0, 0, 0, 1},
                    caso_ipi{"RegimeEspecialByte29", 1, 0, 1, false, true, false, 1, 975, 0, 0},
                    caso_ipi{"RegimeEspecialComExcecao", 1, 0, 0, false, true, true, 0, 0, 0, 0}),
    [](const auto& i) { return std::string(i.param.nome); });

TEST_F(CalculaNotaFiscal, AFailingServerCallEndsTheCalculationWithItsAnswer) {
    struct {
        const char* metodo;
        uint16_t natureza;
    } casos[] = {{"LeNatureza", 5},     {"LeProduto", 0},      {"RegraICMS", 0},      {"SituacaoTributaria", 0},
                 {"RegraDocumento", 0}, {"FilialProduto", 0}, {"RegraPisCofins", 0}};
    for (const auto& c : casos) {
        srv->falhas = {{c.metodo, static_cast<HRESULT>(0x80041234)}};
        srv->chamadas.clear();
        filial();
        cliente(cliente_em(municipio_sp));
        natureza({495, 496, 497, 498});
        srv->regras_icms[SP].poe<uint8_t>(50, 1);
        srv->situacoes[1] = "000";
        bytes_resultado r;
        EXPECT_EQ(calcula(r, c.natureza), static_cast<HRESULT>(0x80041234)) << c.metodo;
    }
}

TEST_F(CalculaNotaFiscal, AFailedPisCofinsSuggestionIsTheCalculationsFailure) {
    filial();
    cliente(cliente_em(municipio_sp));
    srv->falhas["RegraPisCofins"] = E_OUTOFMEMORY;
    bytes_resultado r;
    EXPECT_EQ(calcula(r), E_OUTOFMEMORY);
    // What was computed before stays.
    EXPECT_EQ(r.le<uint16_t>(96), 1800);
}

TEST_F(CalculaNotaFiscal, BranchAndCustomerStatesComeFromTheirMunicipalitiesOrTheStateText) {
    filial(1);
    EXPECT_EQ(calc->Filial().Estado, SP);
    EXPECT_EQ(calc->Filial().AliquotaEstado, 1800);
    EXPECT_EQ(calc->Filial().Chave, 11);

    cliente(cliente_em(municipio_rj));
    EXPECT_EQ(calc->Cliente().Estado, RJ);
    EXPECT_EQ(calc->Cliente().AliquotaEstado, 1200);

    bytes_cliente porTexto;
    porTexto.texto(3058, "pr");
    cliente(porTexto);
    EXPECT_EQ(calc->Cliente().Estado, PR);
    EXPECT_EQ(srv->conta("PesquisaEstado pr"), 1);

    cliente(bytes_cliente{});
    EXPECT_EQ(calc->Cliente().Estado, 0);
    EXPECT_EQ(calc->Cliente().AliquotaEstado, 0);
}

TEST_F(CalculaNotaFiscal, ANewBranchDerivesTheCustomersRateAgain) {
    filial(1);
    cliente(cliente_em(municipio_rj));
    srv->aliquotas[{RJ, 3}] = 700;
    filial(3);
    EXPECT_EQ(calc->Cliente().AliquotaEstado, 700);
}

TEST_F(CalculaNotaFiscal, AFailedLookUpKeepsWhatTheBranchRecordSays) {
    srv->estado_municipio.erase(municipio_sp);
    bytes_filial f;
    f.poe<uint16_t>(2780, municipio_sp).poe<uint16_t>(2782, 33);
    calc->SetFilial(1, 0, f.como<inhouse::REG_FILIAL>());
    EXPECT_EQ(calc->Filial().Estado, 33);
    EXPECT_EQ(calc->Filial().AliquotaEstado, 0);
}

TEST_F(CalculaNotaFiscal, ABranchWithoutMunicipalityTakesTheRateOfItsRecordsState) {
    bytes_filial f;
    f.poe<uint16_t>(2782, SP);
    calc->SetFilial(1, 0, f.como<inhouse::REG_FILIAL>());
    EXPECT_EQ(calc->Filial().Estado, SP);
    EXPECT_EQ(calc->Filial().AliquotaEstado, 1800);
    EXPECT_EQ(srv->conta("EstadoMunicipio"), 0);

    calc->SetFilial(1, 0, bytes_filial{}.como<inhouse::REG_FILIAL>());
    EXPECT_EQ(calc->Filial().AliquotaEstado, 0);
    EXPECT_EQ(srv->conta("LeEstado"), 1);
}

TEST_F(CalculaNotaFiscal, ANewCustomerDoesNotKeepThePreviousCustomersState) {
    filial(1);
    cliente(cliente_em(municipio_rj));
    ASSERT_EQ(calc->Cliente().Estado, RJ);
    // A municipality the register does not know.
    cliente(cliente_em(999));
    EXPECT_EQ(calc->Cliente().Estado, 0);
    EXPECT_EQ(calc->Cliente().AliquotaEstado, 0);
}

TEST_F(CalculaNotaFiscal, ANullResultRecordIsRefused) {
    EXPECT_EQ(calc->CalculaProduto(1, 0, 0, nullptr), E_POINTER);
    EXPECT_TRUE(srv->chamadas.empty());
}

}  // namespace

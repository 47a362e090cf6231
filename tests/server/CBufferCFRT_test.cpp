#include "server/holders/CBufferCFRT.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/inhouse/core/inhouse_guids.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "support/stand_in_fixture.h"

namespace {

template <size_t N>
std::string txt(const char (&c)[N]) { return std::string(inhouse::texto_campo(c)); }
template <size_t N>
void put(char (&c)[N], std::string_view t) { inhouse::poe_campo(c, t); }

bool same(const QVCFRT& a, const QVCFRT& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// A record whose every byte is recognisable: what a failed call must leave alone.
QVCFRT sentinel_record() {
    QVCFRT r;
    std::memset(&r, 0x5A, sizeof r);
    r.atualiza = 0;
    return r;
}

class BufferCFRT : public stand_in_fixture {
protected:
    BufferCFRT() { EXPECT_EQ(buffer.Inicializa("DEMO", 1, 11), S_OK); }

    int contas_no_plano() {
        auto q = store().prepare("SELECT COUNT(*) FROM plano_conta WHERE empresa = 'DEMO'");
        q.step();
        return q.column_int(0);
    }
    inhouse::fault_plan& cadastro() { return factory(inhouse::CLSID_CFRTServer).object_faults(); }
    inhouse::fault_plan& plano() { return factory(inhouse::CLSID_PlanoServer).object_faults(); }

    // A new customer, natural person, married, with rates, money values and an address; its
    // fields are written as a read gives them back, so that a round trip compares whole.
    static QVCFRT novo_cliente() {
        QVCFRT r{};
        put(r.classificacao, "1.003");
        put(r.codigo, "C003");
        put(r.codigo_largo, "C003");
        put(r.nome, "José Exemplo");
        put(r.cnpj_cpf, "529.982.247-25");
        put(r.contato, "José");
        put(r.texto_1132, "Fazenda Boa Vista");
        r.tipo = 'C';
        r.situacao = 'A';
        r.pessoa = 'F';
        r.flag_1323 = 'S';
        r.flag_1325 = 'N';
        r.flag_1326 = 'N';
        r.flag_1327 = 'S';
        r.letra_1330 = 'A';
        r.flag_1331 = 'N';
        r.bloqueado_venda = 1;
        r.tipo_conta = 'A';
        r.valor_0 = 6553500;         // 655,35: the largest the register keeps
        r.valor_8 = 1234500;
        r.valor_64 = 100;
        r.usa_taxas_3524 = 'S';
        r.usa_taxas_3525 = 'N';
        r.usa_taxas_1328 = 'N';
        r.taxas[0] = 180000;         // 18,00
        r.taxas[4] = 7600;
        put(r.texto_taxas, "ICMS");
        r.condicao_pagamento = 2;
        r.forma_pagamento = 1;
        r.tabela_preco_produtos = 3;
        r.categoria_regiao = 4;
        r.cliente_desde = 60000;
        put(r.estado_civil, "Casado");
        put(r.cpf_conjuge, "123.456.789-09");
        r.numero = 77;
        put(r.rua, "Rua Nova");
        put(r.bairro, "Centro");
        put(r.municipio, "Santos");
        put(r.uf, "SP");
        put(r.cep, "11010000");
        put(r.ddd, "13");
        put(r.telefone, "3222-1111");
        r.flag_3066 = 'S';
        r.sem_numero = 'N';
        std::memcpy(r.info_extras, "jose@exemplo.com.br", 19);
        r.representante = 7;
        put(r.dias_mes, "10");
        r.proxima_ocorrencia = 'S';
        r.valor_3324 = 2500;
        r.mascara = -1;
        return r;
    }

    CBufferCFRT buffer;
};

struct leitura_case {
    const char* nome;
    std::function<void(QVCFRT&)> chave;
    HRESULT esperado;
    const char* nome_lido;      // when esperado is S_OK
    char tipo, pessoa;
};

}  // namespace

TEST_F(BufferCFRT, ReadsByPositionOwnCodeOrClassification) {
    const leitura_case cases[] = {
        {"posição", [](QVCFRT& r) { r.posicao_plano = 2; }, S_OK, "Cliente Exemplo Ltda", 'C', 'J'},
        {"código", [](QVCFRT& r) { put(r.codigo, "F001"); }, S_OK, "Fornecedor Exemplo S.A.", 'F', 'J'},
        {"classificação", [](QVCFRT& r) { put(r.classificacao, "3.001"); }, S_OK, "Representante Exemplo", 'R', 'F'},
        {"o código vence a classificação",
         [](QVCFRT& r) { put(r.codigo, "C002"); put(r.classificacao, "2.001"); }, S_OK, "Maria da Silva", 'C', 'F'},
        {"conta só do plano", [](QVCFRT& r) { r.posicao_plano = 1; }, S_OK, "CLIENTES", ' ', '\0'},
        {"sem chave", [](QVCFRT&) {}, QVCFRT_SEM_CHAVE, nullptr, 0, 0},
        {"código desconhecido", [](QVCFRT& r) { put(r.codigo, "X999"); }, QVCFRT_NAO_ENCONTRADO, nullptr, 0, 0},
        {"posição sem conta", [](QVCFRT& r) { r.posicao_plano = 99; }, QVCFRT_CONTA_INEXISTENTE, nullptr, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nome);
        QVCFRT r = sentinel_record();
        r.posicao_plano = 0;
        std::memset(r.codigo, 0, sizeof r.codigo);
        std::memset(r.classificacao, 0, sizeof r.classificacao);
        c.chave(r);
        const QVCFRT antes = r;
        EXPECT_EQ(buffer.Le(&r, 0), c.esperado);
        if (c.esperado != S_OK) {
            EXPECT_TRUE(same(r, antes)) << "a failed read must leave the record as it was";
            continue;
        }
        EXPECT_EQ(txt(r.nome), c.nome_lido);
        EXPECT_EQ(r.tipo, c.tipo);
        EXPECT_EQ(r.pessoa, c.pessoa);
        EXPECT_EQ(r.situacao, 'A');
    }

    // The customer's parts, as the register holds them.
    QVCFRT r{};
    r.posicao_plano = 2;
    ASSERT_EQ(buffer.Le(&r, 0), S_OK);
    EXPECT_EQ(r.posicao_cadastro, 1);
    EXPECT_EQ(txt(r.classificacao), "1.001");
    EXPECT_EQ(txt(r.codigo), "C001");
    EXPECT_EQ(txt(r.cnpj_cpf), "11.222.333/0001-81");   // every digit
    EXPECT_EQ(txt(r.inscricao_estadual), "110.042.490.114");
    EXPECT_EQ(txt(r.rua), "Avenida Paulista");
    EXPECT_EQ(r.numero, 1000);
    EXPECT_EQ(txt(r.cep), "01310100");                   // seven digits regain their "0"
    EXPECT_EQ(txt(r.uf), "SP");
    EXPECT_STREQ(reinterpret_cast<const char*>(r.info_extras), "compras@clienteexemplo.com.br");
    EXPECT_EQ(r.representante, 7);
}

TEST_F(BufferCFRT, WriteThenReadBackGivesTheSameRecordAndTexts) {
    const int contas = contas_no_plano();
    CQVCFRTDados novo(novo_cliente());
    novo.m_sTexto1 = "Cliente desde a feira de 2020.";
    ASSERT_EQ(buffer.GravaRegistro(&novo), S_OK);
    const QVCFRT gravado = novo.m_registro;
    EXPECT_NE(gravado.posicao_plano, 0);
    EXPECT_NE(gravado.posicao_cadastro, 0);
    EXPECT_EQ(contas_no_plano(), contas + 1);

    CQVCFRTDados lido;
    lido.m_registro.posicao_plano = gravado.posicao_plano;
    ASSERT_EQ(buffer.LeRegistro(&lido, -1), S_OK);
    // The register keys the extra information of a new CFRT by its position.
    EXPECT_EQ(lido.m_registro.chave_info_extras, gravado.posicao_cadastro);
    lido.m_registro.chave_info_extras = 0;
    EXPECT_TRUE(same(lido.m_registro, gravado));
    for (size_t i = 0; i < sizeof(QVCFRT); ++i)   // names the first byte that differs, if any
        if (reinterpret_cast<const uint8_t*>(&lido.m_registro)[i] != reinterpret_cast<const uint8_t*>(&gravado)[i]) {
            ADD_FAILURE() << "first difference at record offset " << i;
            break;
        }
    EXPECT_EQ(lido.m_sTexto1, "Cliente desde a feira de 2020.");
    EXPECT_EQ(lido.m_sTexto2, "");
    EXPECT_EQ(txt(lido.m_registro.cpf_conjuge), "123.456.789-09");
    EXPECT_EQ(lido.m_registro.valor_0, 6553500);

    // Changing an existing CFRT keeps its free texts and its chart account.
    QVCFRT r = gravado;
    r.chave_info_extras = gravado.posicao_cadastro;
    put(r.nome, "José Exemplo Filho");
    ASSERT_EQ(buffer.Grava(&r), S_OK);
    EXPECT_EQ(r.posicao_plano, gravado.posicao_plano);
    EXPECT_EQ(contas_no_plano(), contas + 1);
    ASSERT_EQ(buffer.LeRegistro(&lido, -1), S_OK);
    EXPECT_EQ(txt(lido.m_registro.nome), "José Exemplo Filho");
    EXPECT_EQ(lido.m_sTexto1, "Cliente desde a feira de 2020.");
}

TEST_F(BufferCFRT, RefusedWritesFollowTheCheckOrderAndLeaveNothingBehind) {
    struct recusa_case {
        const char* nome;
        std::function<void(QVCFRT&)> muda;
        HRESULT esperado;
    };
    const recusa_case cases[] = {
        // The missing classification is checked before anything else, even a bad kind.
        {"sem classificação", [](QVCFRT& r) { put(r.classificacao, ""); r.tipo = 'X'; }, QVCFRT_FALTA_CODIGO},
        {"sem rua", [](QVCFRT& r) { put(r.rua, ""); r.tipo = 'X'; }, QVCFRT_FALTA_ENDERECO},
        {"novo com posição no cadastro", [](QVCFRT& r) { r.posicao_cadastro = 5; r.tipo = 'X'; }, QVCFRT_NOVO_COM_POSICAO},
        {"novo sem nome", [](QVCFRT& r) { put(r.nome, ""); r.tipo = 'X'; }, QVCFRT_SEM_CHAVE},
        {"tipo X", [](QVCFRT& r) { r.tipo = 'X'; r.pessoa = 'E'; }, QVCFRT_TIPO_INVALIDO},
        {"pessoa E", [](QVCFRT& r) { r.pessoa = 'E'; }, QVCFRT_PESSOA_INVALIDA},
        // Money the register cannot keep is refused, never wrapped into another amount.
        {"valor acima de 655,35", [](QVCFRT& r) { r.valor_8 = 6553600; }, QVCFRT_VALOR_FORA_DA_FAIXA},
        {"valor negativo", [](QVCFRT& r) { r.valor_64 = -100; }, QVCFRT_VALOR_FORA_DA_FAIXA},
        {"taxa acima de 655,35", [](QVCFRT& r) { r.taxas[2] = 7000000; }, QVCFRT_VALOR_FORA_DA_FAIXA},
        {"posição sem conta", [](QVCFRT& r) { r.posicao_plano = 99; }, QVCFRT_CONTA_INEXISTENTE},
    };
    const int contas = contas_no_plano();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nome);
        plano().clear();
        cadastro().clear();
        QVCFRT r = novo_cliente();
        c.muda(r);
        const QVCFRT antes = r;
        EXPECT_EQ(buffer.Grava(&r), c.esperado);
        EXPECT_TRUE(same(r, antes));
        EXPECT_EQ(contas_no_plano(), contas);
        EXPECT_EQ(plano().count("RegistraClassificacao") + plano().count("GravaConta"), 0u);
        EXPECT_EQ(cadastro().count("GravaPrincipal"), 0u);
    }

    // Without the chart server nothing can be written.
    buffer.SetUsaServidorPlano(false);
    QVCFRT r = novo_cliente();
    EXPECT_EQ(buffer.Grava(&r), QVCFRT_SEM_SERVIDOR);
}

TEST_F(BufferCFRT, APartialWriteGivesBackTheNewChartPositionAndARetryAddsNoAccount) {
    // Each failure comes after the chart account was registered and before the register keeps
    // anything.
    struct partial_case { const char* falha; const char* classificacao; };
    const partial_case cases[] = {{"GravaTaxas", "1.004"}, {"GravaPrincipal", "1.005"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.falha);
        ASSERT_EQ(buffer.Inicializa("DEMO", 1, 11), S_OK);
        const int contas = contas_no_plano();
        QVCFRT r = novo_cliente();
        put(r.classificacao, c.classificacao);
        cadastro().answer(c.falha, {E_FAIL});
        EXPECT_EQ(buffer.Grava(&r), E_FAIL);
        EXPECT_EQ(contas_no_plano(), contas + 1);
        const int32_t posicao = r.posicao_plano;
        ASSERT_NE(posicao, 0) << "the registered account's position must come back";

        // The failure discarded the servers; the retry updates the account it registered instead
        // of registering a new CFRT (which looks up its parent account first).
        ASSERT_EQ(buffer.Inicializa("DEMO", 1, 11), S_OK);
        plano().clear();
        ASSERT_EQ(buffer.Grava(&r), S_OK);
        EXPECT_EQ(plano().count("BuscaClassificacao"), 0u);
        EXPECT_EQ(plano().calls("GravaConta"), std::vector<std::string>{"posicao=" + std::to_string(posicao) +
                                                                        " classificacao=" + c.classificacao});
        EXPECT_EQ(r.posicao_plano, posicao);
        EXPECT_NE(r.posicao_cadastro, 0);
        EXPECT_EQ(contas_no_plano(), contas + 1);
        QVCFRT lido{};
        lido.posicao_plano = posicao;
        ASSERT_EQ(buffer.Le(&lido, 0), S_OK);
        EXPECT_EQ(txt(lido.nome), "José Exemplo");
        EXPECT_EQ(lido.posicao_cadastro, r.posicao_cadastro);
    }
}

TEST_F(BufferCFRT, OwnCodeRequiredByTheChartSettings) {
    store().prepare("UPDATE plano_configuracao SET codigo_proprio = 'S' WHERE empresa = 'DEMO'").run();
    CBufferCFRT outro;
    ASSERT_EQ(outro.Inicializa("DEMO", 1, 11), S_OK);
    EXPECT_TRUE(outro.GetCodigoObrigatorio());
    QVCFRT r = novo_cliente();
    put(r.codigo, "");
    EXPECT_EQ(outro.Grava(&r), QVCFRT_FALTA_CODIGO);
}

TEST_F(BufferCFRT, ServerFailuresDiscardTheServersAndLeaveTheRecord) {
    cadastro().answer("LeEndereco", {E_FAIL});
    QVCFRT r = sentinel_record();
    r.posicao_plano = 2;
    const QVCFRT antes = r;
    EXPECT_EQ(buffer.Le(&r, 0), E_FAIL);
    EXPECT_TRUE(same(r, antes));
    EXPECT_EQ(buffer.GetServidorCadastro(), nullptr);
    EXPECT_EQ(buffer.GetServidorPlano(), nullptr);
    EXPECT_EQ(buffer.Le(&r, 0), QVCFRT_SEM_SERVIDOR);

    // The next initialisation creates them again.
    ASSERT_EQ(buffer.Inicializa("DEMO", 1, 11), S_OK);
    EXPECT_EQ(buffer.Le(&r, 0), S_OK);

    // A chart that stays unavailable: 400 calls, 400 pauses of 500 ms, both servers dropped.
    CBufferCFRT outro;
    plano().answer("Inicializa", QV_SERVIDOR_INDISPONIVEL, 400);
    EXPECT_EQ(outro.Inicializa("DEMO", 1, 11), QV_SERVIDOR_INDISPONIVEL);
    EXPECT_EQ(clock().calls(), 400u);
    EXPECT_EQ(clock().slept_ms(), 400u * 500u);
    EXPECT_EQ(outro.GetServidorPlano(), nullptr);
    EXPECT_EQ(outro.GetServidorCadastro(), nullptr);
}

TEST_F(BufferCFRT, RecordCacheServesRepeatedReadsUntilRefreshOrAnotherCompany) {
    buffer.SetCache(true, 5000);
    QVCFRT r{};
    r.posicao_plano = 2;
    ASSERT_EQ(buffer.Le(&r, 0), S_OK);
    const size_t leituras = cadastro().count("LePrincipal");
    QVCFRT de_novo{};
    de_novo.posicao_plano = 2;
    ASSERT_EQ(buffer.Le(&de_novo, 0), S_OK);
    EXPECT_EQ(cadastro().count("LePrincipal"), leituras);
    EXPECT_TRUE(same(de_novo, r));

    de_novo.atualiza = 1;
    ASSERT_EQ(buffer.Le(&de_novo, 0), S_OK);
    EXPECT_EQ(cadastro().count("LePrincipal"), leituras + 1);

    // A full cache takes no new entries; the one it holds is still served.
    buffer.SetCache(true, 1);
    QVCFRT outro{};
    outro.posicao_plano = 5;
    ASSERT_EQ(buffer.Le(&outro, 0), S_OK);
    EXPECT_EQ(buffer.TamanhoCache(), 1u);
    ASSERT_EQ(buffer.Le(&outro, 0), S_OK);
    EXPECT_EQ(cadastro().count("LePrincipal"), leituras + 3);
    // A limit below what it holds empties it.
    buffer.SetCache(true, 0);
    EXPECT_EQ(buffer.TamanhoCache(), 0u);
    buffer.SetCache(true, 5000);
    ASSERT_EQ(buffer.Le(&de_novo, 0), S_OK);

    ASSERT_EQ(buffer.Inicializa("DEMO", 2, 12), S_OK);
    EXPECT_EQ(buffer.TamanhoCache(), 1u);                // same company: kept
    ASSERT_EQ(buffer.Inicializa("OUTRA", 2, 12), S_OK);
    EXPECT_EQ(buffer.TamanhoCache(), 0u);
}

TEST(BufferCFRTTexts, CpfCnpjMaskAndPostalCode) {
    struct mask_case { const char* in; int modo; const char* out; };
    const mask_case cases[] = {
        {"52998224725", 1, "529.982.247-25"},
        {"11222333000181", 1, "11.222.333/0001-81"},
        {"112223330001", 1, "112223330001"},            // other lengths are left alone
        {"529.982.247-25", 0, "52998224725"},
        {"11.222.333/0001-81", 0, "11222333000181"},     // a CNPJ keeps its check digits
        {"12a3", 0, "123"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in);
        char t[32] = {};
        std::strcpy(t, c.in);
        CBufferCFRT::MascaraCpfCnpj(t, c.modo);
        EXPECT_STREQ(t, c.out);
    }
    char digitos[16] = "112223330001";
    CBufferCFRT::CalculaDigitosCpfCnpj(digitos);
    EXPECT_STREQ(digitos, "11222333000181");

    CBufferCFRT b;
    EXPECT_EQ(b.FormataCEP("1310100"), "01310100");
    EXPECT_EQ(b.FormataCEP("123456"), "123456");
    b.SetMascara('S');
    EXPECT_EQ(b.FormataCEP("1310100"), "01.310-100");
}

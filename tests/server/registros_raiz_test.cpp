// The records behind the root object's answers, byte by byte: the offsets are numbers written
// here, never taken from the headers the server and the stand-ins share (a wrong offset there is
// written and read back the same way; only a count of raw bytes sees it).
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "inhouse_cache.h"
#include "inhouse_login.h"
#include "inhouse_registros.h"
#include "platform/com/com_ptr.h"
#include "platform/com/text.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "support/stand_in_fixture.h"

namespace {

template <class Block>
std::string texto_em(const Block& bloco, size_t offset) {
    return reinterpret_cast<const char*>(bloco.dados + offset);
}

template <class Block>
uint16_t u16_em(const Block& bloco, size_t offset) {
    uint16_t v = 0;
    std::memcpy(&v, bloco.dados + offset, sizeof v);
    return v;
}

class RegistrosRaiz : public stand_in_fixture {
protected:
    template <class Itf>
    com::com_ptr<Itf> cria(REFCLSID clsid) {
        com::com_ptr<Itf> s;
        EXPECT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, __uuidof(Itf), s.put_void()), S_OK);
        return s;
    }
    com::unique_bstr demo() { return com::to_bstr(std::string("DEMO")); }
};

TEST_F(RegistrosRaiz, CategoryNameAt10AndCodeAt78) {
    auto s = cria<IQVDF_Categorias>(inhouse::CLSID_CategoriasServer);
    ASSERT_EQ(s->Inicializa(inhouse::bloco_sessao<QV_SESSAO_36>("DEMO", 1, 5)), S_OK);
    QV_CATEGORIA_80 c{};
    ASSERT_EQ(s->LeCategoria(3, &c), S_OK);
    EXPECT_EQ(texto_em(c, 10), "Região Sul");
    EXPECT_EQ(u16_em(c, 78), 30);
}

TEST_F(RegistrosRaiz, MasterRecordIndexIAt20TimesIAndTheCurrencyAt434) {
    store().db().exec("INSERT INTO mestre_indice (empresa, numero, nome) VALUES ('DEMO', 14, 'TR')");
    auto s = cria<IQVDF_Mestre>(inhouse::CLSID_MestreServer);
    ASSERT_EQ(s->Inicializa(demo().get(), 1, 5), S_OK);
    QV_MESTRE_1324 m{};
    ASSERT_EQ(s->LeMestre(&m), S_OK);
    EXPECT_EQ(texto_em(m, 434), "Real|");
    EXPECT_EQ(texto_em(m, 20), "Dólar comercial");
    EXPECT_EQ(texto_em(m, 40), "IGP-M");
    EXPECT_EQ(m.dados[60], 0);
    EXPECT_EQ(texto_em(m, 80), "IPCA");
    EXPECT_EQ(texto_em(m, 280), "TR");
    EXPECT_EQ(m.dados[0], 0);
}

TEST_F(RegistrosRaiz, BranchCodeAt4NameAt372AndHomePageAt3592) {
    auto s = cria<IQVCN_Filial>(inhouse::CLSID_FilialServer);
    ASSERT_EQ(s->Inicializa(demo().get(), 1, 5), S_OK);
    QV_FILIAL_4818 f{};
    ASSERT_EQ(s->LeFilial(1, &f), S_OK);
    EXPECT_EQ(u16_em(f, 4), 1);
    EXPECT_EQ(texto_em(f, 372), "Matriz São Paulo");
    EXPECT_EQ(texto_em(f, 3592), "https://www.demonstracao.com.br");
}

TEST_F(RegistrosRaiz, BranchCnpjAt433StateRegistrationAt452AndStateAt686) {
    auto s = cria<IQVCN_Filial>(inhouse::CLSID_FilialServer);
    ASSERT_EQ(s->Inicializa(demo().get(), 1, 5), S_OK);
    QV_FILIAL_4818 f{};
    LONG posicao = 0;
    ASSERT_EQ(s->ExisteFilial(com::to_bstr(std::string("2")).get(), &posicao, &f), S_OK);
    EXPECT_EQ(posicao, 2);
    EXPECT_EQ(u16_em(f, 4), 2);
    EXPECT_EQ(texto_em(f, 372), "Filial Rio de Janeiro");
    EXPECT_EQ(texto_em(f, 433), "45.723.174/0002-00");
    EXPECT_EQ(texto_em(f, 452), "78.007.34-6");
    EXPECT_EQ(texto_em(f, 686), "RJ");
    LONG quantidade = 0;
    ASSERT_EQ(s->QuantidadeFiliais(&quantidade), S_OK);
    EXPECT_EQ(quantidade, 2);
    // The user's block: the flag of position p at byte 2 + p.
    QV_FILIAIS_ATIVAS_1002 bloco{};
    ASSERT_EQ(s->LeFiliaisAtivas(1, &bloco), S_OK);
    EXPECT_EQ(u16_em(bloco, 0), 2);
    EXPECT_EQ(bloco.dados[2], 0);
    EXPECT_EQ(bloco.dados[3], 1);
    EXPECT_EQ(bloco.dados[4], 1);
    EXPECT_EQ(bloco.dados[5], 0);
}

TEST_F(RegistrosRaiz, UserShortNameAt145AndTheRightsKeysModuleAt2) {
    auto s = cria<IQVUsuarios>(inhouse::CLSID_UsuarioServer);
    ASSERT_EQ(s->Inicializa(inhouse::bloco_sessao<QV_SESSAO_38>("DEMO", 1, 5)), S_OK);
    LONG numero = 0;
    QV_USUARIO_256 u{};
    ASSERT_EQ(s->LeUsuarioPosicao(3, &numero, &u), S_OK);
    EXPECT_EQ(numero, 4);
    EXPECT_EQ(texto_em(u, 145), "Regional Sul");

    QV_CHAVE_DIREITO_8 chave{};
    const uint16_t usuario = 4;
    std::memcpy(chave.dados, &usuario, 2);
    std::memcpy(chave.dados + 2, "DF", 3);
    LONG resposta = 0;
    ASSERT_EQ(s->PossuiDireito(chave, 58, &resposta), S_OK);
    EXPECT_NE(resposta, 0);
    ASSERT_EQ(s->PossuiDireito(chave, 60, &resposta), S_OK);
    EXPECT_EQ(resposta, 0);
    QV_USUARIO_GERAL_154 geral{};
    ASSERT_EQ(s->LeRegistroGeral(chave, &geral), S_OK);
    EXPECT_EQ(geral.dados[0], 0);
    const uint16_t admin = 1;
    std::memcpy(chave.dados, &admin, 2);
    ASSERT_EQ(s->LeRegistroGeral(chave, &geral), S_OK);
    EXPECT_NE(geral.dados[0], 0);
}

}  // namespace

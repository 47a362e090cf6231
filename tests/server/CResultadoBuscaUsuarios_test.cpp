// The company's users through the root object's BuscaUsuarios, and the list's elements.
#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "platform/inhouse/core/inhouse_guids.h"
#include "raiz_fixture.h"
#include "server/root/CResultadoBuscaUsuarios.h"

namespace {

using server::CResultadoBuscaUsuarios;

struct usuario_visto {
    USHORT posicao;
    std::string apelido;
    bool operator==(const usuario_visto&) const = default;
};

usuario_visto ve(IUsuario* usuario) {
    usuario_visto v{0xFFFF, "?"};
    com::unique_bstr apelido;
    EXPECT_EQ(usuario->get_Posicao(&v.posicao), S_OK);
    EXPECT_EQ(usuario->get_Apelido(apelido.put()), S_OK);
    v.apelido = com::from_bstr(apelido.get());
    return v;
}

class BuscaUsuariosTest : public raiz_fixture {
protected:
    std::vector<usuario_visto> lista(IResultadoBuscaUsuarios* resultado) {
        USHORT quantidade = 0;
        EXPECT_EQ(resultado->get_Size(&quantidade), S_OK);
        std::vector<usuario_visto> vistos;
        for (USHORT i = 0; i < quantidade; ++i) {
            com::com_ptr<IUsuario> usuario;
            EXPECT_EQ(resultado->GetItem(i, usuario.put()), S_OK);
            if (usuario) vistos.push_back(ve(usuario.get()));
        }
        return vistos;
    }
};

TEST_F(BuscaUsuariosTest, ListsTheCompanysUsersWithTheirShortNames) {
    // The store takes UTF-8; this file's literals are CP1252.
    sql(com::ansi_to_utf8("UPDATE usuario SET apelido = 'Usuário Ótimo' WHERE numero = 2"));
    auto raiz = regional();
    com::com_ptr<IResultadoBuscaUsuarios> resultado;
    ASSERT_EQ(raiz->BuscaUsuarios(resultado.put()), S_OK);
    ASSERT_TRUE(resultado);
    const std::vector<usuario_visto> esperados = {
        {1, "Admin"}, {2, "Usuário Ótimo"}, {3, "Bloqueado"}, {4, "Regional Sul"}};
    EXPECT_EQ(lista(resultado.get()), esperados);

    struct row { USHORT numero; std::optional<usuario_visto> esperado; };
    const row rows[] = {{3, usuario_visto{3, "Bloqueado"}}, {4, usuario_visto{4, "Regional Sul"}}, {99, std::nullopt}, {0, std::nullopt}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.numero);
        IUsuario* usuario = reinterpret_cast<IUsuario*>(0x1234);
        EXPECT_EQ(resultado->GetItemByUsu(r.numero, &usuario), S_OK);
        if (r.esperado) {
            ASSERT_NE(usuario, nullptr);
            EXPECT_EQ(ve(usuario), *r.esperado);
            usuario->Release();
        } else {
            EXPECT_EQ(usuario, nullptr);
        }
    }
}

TEST_F(BuscaUsuariosTest, APositionOutsideTheListIsRefused) {
    auto raiz = admin();
    com::com_ptr<IResultadoBuscaUsuarios> resultado;
    ASSERT_EQ(raiz->BuscaUsuarios(resultado.put()), S_OK);
    for (USHORT i : {USHORT{4}, USHORT{5}, USHORT{0xFFFF}}) {
        SCOPED_TRACE(i);
        SetErrorInfo(0, nullptr);
        IUsuario* usuario = reinterpret_cast<IUsuario*>(0x1234);
        EXPECT_EQ(resultado->GetItem(i, &usuario), E_INVALIDARG);
        EXPECT_EQ(usuario, nullptr);
        EXPECT_EQ(last_error(), "Posição de usuário inválida.");
    }
    EXPECT_EQ(resultado->GetItem(0, nullptr), E_POINTER);
    EXPECT_EQ(resultado->GetItemByUsu(1, nullptr), E_POINTER);
    EXPECT_EQ(resultado->get_Size(nullptr), E_POINTER);
}

TEST_F(BuscaUsuariosTest, AFailedReadIsReportedWithNoList) {
    struct row { const char* nome; const char* metodo; std::initializer_list<HRESULT> respostas; HRESULT hr; };
    const row rows[] = {
        {"count failed", "QuantidadeUsuarios", {E_ACCESSDENIED}, E_ACCESSDENIED},
        {"second user not read", "LeUsuarioPosicao", {S_OK, E_FAIL}, E_FAIL},
        {"server not initialised", "Inicializa", {E_ABORT}, E_ABORT},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.nome);
        auto raiz = admin();
        servidor(inhouse::CLSID_UsuarioServer).answer(r.metodo, r.respostas);
        SetErrorInfo(0, nullptr);
        IResultadoBuscaUsuarios* resultado = reinterpret_cast<IResultadoBuscaUsuarios*>(0x1234);
        EXPECT_EQ(raiz->BuscaUsuarios(&resultado), r.hr);
        EXPECT_EQ(resultado, nullptr);
        EXPECT_EQ(last_error(), "Falha ao carregar usuários.");
    }
}

TEST(CResultadoBuscaUsuarios, TheFirstOfTwoEntriesWithTheSameNumberIsFoundAndTheNumberIsCutTo16Bits) {
    auto resultado = com::make<CResultadoBuscaUsuarios>();
    auto& r = resultado->resultado();
    inhouse::REG_USUARIO a{}, b{}, c{};
    std::strcpy(a.apelido, "Primeiro");
    std::strcpy(b.apelido, "Segundo");
    std::memset(c.apelido, 'x', sizeof c.apelido);   // a short name that fills its field, no NUL
    r.quantidade = 3;
    r.usuarios = {7, 7, 0x10009};
    r.registros = {a, b, c};

    com::com_ptr<IUsuario> usuario;
    ASSERT_EQ(resultado->GetItemByUsu(7, usuario.put()), S_OK);
    EXPECT_EQ(ve(usuario.get()), (usuario_visto{7, "Primeiro"}));
    // The list compares the whole 32-bit number: 0x10009 is not user 9...
    ASSERT_EQ(resultado->GetItemByUsu(9, usuario.put()), S_OK);
    EXPECT_FALSE(usuario);
    // ...and its element carries the low 16 bits.
    ASSERT_EQ(resultado->GetItem(2, usuario.put()), S_OK);
    EXPECT_EQ(ve(usuario.get()), (usuario_visto{9, std::string(21, 'x')}));
}

TEST(CResultadoBuscaUsuarios, AnEmptyListHasNoElements) {
    auto resultado = com::make<CResultadoBuscaUsuarios>();
    USHORT quantidade = 7;
    EXPECT_EQ(resultado->get_Size(&quantidade), S_OK);
    EXPECT_EQ(quantidade, 0);
    com::com_ptr<IUsuario> usuario;
    EXPECT_EQ(resultado->GetItemByUsu(0, usuario.put()), S_OK);
    EXPECT_FALSE(usuario);
    EXPECT_EQ(resultado->GetItem(0, usuario.put()), E_INVALIDARG);
}

}  // namespace

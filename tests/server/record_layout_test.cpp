// What crosses the in-house interfaces, checked byte by byte. The offsets are numbers written
// here, never taken from the headers that the server and the stand-ins share: a wrong offset in
// such a header is written and read back the same way, and only a count of raw bytes sees it.
// Each test pins what the stand-in delivers at the offset and then the server's reading of it.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "inhouse_login.h"
#include "inhouse_registros.h"
#include "platform/com/com_ptr.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "server/holders/CBufferCFRT.h"
#include "support/stand_in_fixture.h"

namespace {

template <class T>
const uint8_t* bytes(const T& record) {
    return reinterpret_cast<const uint8_t*>(&record);
}

int32_t i32_at(const uint8_t* p, size_t offset) {
    int32_t v = 0;
    std::memcpy(&v, p + offset, sizeof v);
    return v;
}

// A fixed record of N bytes built by hand: texts and numbers put at the offsets given.
template <class Block>
struct raw_block {
    Block block{};
    raw_block& text(size_t offset, const std::string& t) {
        std::memcpy(reinterpret_cast<uint8_t*>(&block) + offset, t.c_str(), t.size() + 1);
        return *this;
    }
    template <class T>
    raw_block& number(size_t offset, T v) {
        std::memcpy(reinterpret_cast<uint8_t*>(&block) + offset, &v, sizeof v);
        return *this;
    }
};

class RecordLayout : public stand_in_fixture {
protected:
    void sql(const std::string& text) { store().db().exec(text); }
    inhouse::fault_plan& plano() { return factory(inhouse::CLSID_PlanoServer).object_faults(); }

    // The chart account at `posicao` as the chart server hands it over: 208 raw bytes.
    std::string conta_crua(CBufferCFRT& buffer, LONG posicao) {
        uint8_t conta[208] = {};
        EXPECT_EQ(buffer.GetServidorPlano()->LeConta(posicao, conta), S_OK);
        return std::string(reinterpret_cast<const char*>(conta), sizeof conta);
    }
};

}  // namespace

// The user record of the login check: 256 bytes, the flag byte at 42 refuses the user.
TEST_F(RecordLayout, UserRecordFlagByte42) {
    com::com_ptr<IQVUsuarios> usuarios;
    ASSERT_EQ(CoCreateInstance(inhouse::CLSID_UsuarioServer, nullptr, CLSCTX_ALL, __uuidof(IQVUsuarios),
                               usuarios.put_void()),
              S_OK);
    // Company key at 0 (32 bytes), user at 32, session at 34.
    ASSERT_EQ(usuarios->Inicializa(raw_block<QV_SESSAO_38>{}.text(0, "DEMO").number<uint16_t>(32, 0xFFFF).block), S_OK);
    struct user_case { const char* nome; const char* senha; uint8_t flag; };
    const user_case cases[] = {{"BLOQUEADO", "bloqueado", 1}, {"ADMIN", "admin123", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nome);
        // Name at 0 and password at 18, 18 bytes each.
        const auto credenciais = raw_block<QV_CREDENCIAIS_36>{}.text(0, c.nome).text(18, c.senha).block;
        WORD numero = 0;
        QV_USUARIO_256 registro{};
        ASSERT_EQ(usuarios->VerificaUsuario(credenciais, &numero, &registro, 0), S_OK);
        EXPECT_NE(numero, 0);
        EXPECT_EQ(bytes(registro)[42] != 0, c.flag != 0);
        EXPECT_EQ(bytes(registro)[41], 0);
        EXPECT_EQ(bytes(registro)[43], 0);
    }
}

// The CFRT chart settings: 1,364 bytes; byte 291 asks for the own code ('S' or 's'), byte 721
// says that chart and register positions are one number ('S').
TEST_F(RecordLayout, ChartSettingsBytes291And721) {
    struct settings_case { const char* codigo; const char* regra; bool codigo_obrigatorio; bool le_plano; };
    const settings_case cases[] = {
        {"S", "N", true, true}, {"s", "N", true, true}, {"N", "N", false, true}, {"N", "S", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.codigo) + c.regra);
        sql(std::string("UPDATE plano_configuracao SET codigo_proprio = '") + c.codigo + "', regra_posicao = '" +
            c.regra + "' WHERE empresa = 'DEMO'");
        plano().clear();
        CBufferCFRT buffer;
        ASSERT_EQ(buffer.Inicializa("DEMO", 1, 11), S_OK);
        const auto& configuracao = buffer.GetConfiguracao();
        ASSERT_EQ(configuracao.size(), 1364u);
        EXPECT_EQ(configuracao[291], static_cast<uint8_t>(c.codigo[0]));
        EXPECT_EQ(configuracao[721], static_cast<uint8_t>(c.regra[0]));
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(&configuracao[626]), 5), "1.003");  // next customer
        EXPECT_EQ(buffer.GetCodigoObrigatorio(), c.codigo_obrigatorio);
        // With one number for both positions the chart is not asked for the account.
        QVCFRT r{};
        r.posicao_plano = 2;
        buffer.Le(&r, 0);
        EXPECT_EQ(plano().count("LeConta") > 0, c.le_plano);
    }
}

// The kind marks of a chart account: eleven characters from byte 164; a customer marks 166, a
// supplier 167, a carrier 168, a representative 169.
TEST_F(RecordLayout, ChartAccountKindMarksFromByte164) {
    CBufferCFRT buffer;
    ASSERT_EQ(buffer.Inicializa("DEMO", 1, 11), S_OK);
    struct mark_case { const char* marcas; size_t offset; char tipo; };
    const mark_case cases[] = {
        {"NNSNNNNNNNN", 166, 'C'}, {"NNNSNNNNNNN", 167, 'F'}, {"NNNNSNNNNNN", 168, 'T'}, {"NNNNNSNNNNN", 169, 'R'},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.marcas);
        // Account 11 exists only in the chart: its kind comes from its marks alone.
        sql(std::string("UPDATE plano_conta SET marcas = '") + c.marcas + "' WHERE empresa = 'DEMO' AND posicao = 11");
        const std::string conta = conta_crua(buffer, 11);
        EXPECT_EQ(conta.substr(164, 11), c.marcas);
        EXPECT_EQ(conta[c.offset], 'S');
        QVCFRT r{};
        r.posicao_plano = 11;
        ASSERT_EQ(buffer.Le(&r, 0), S_OK);
        EXPECT_EQ(bytes(r)[1320], c.tipo);
    }

    // A new representative marks 169 and its companion 171.
    QVCFRT novo{};
    inhouse::poe_campo(novo.classificacao, "3.002");
    inhouse::poe_campo(novo.codigo, "R002");
    inhouse::poe_campo(novo.nome, "Representante Novo");
    inhouse::poe_campo(novo.rua, "Rua Um");
    novo.tipo = 'R';
    novo.situacao = 'A';
    novo.pessoa = 'F';
    ASSERT_EQ(buffer.Grava(&novo), S_OK);
    const std::string conta = conta_crua(buffer, i32_at(bytes(novo), 96));
    EXPECT_EQ(conta.substr(164, 11), "NNNNNSNSNNN");
}

// The customer record handed to callers: register position at 92, chart position at 96, kind at
// 1320 and person type at 1322, the customer's representative (a 32-bit position) at 3344.
TEST_F(RecordLayout, CustomerRecordFields) {
    CBufferCFRT buffer;
    ASSERT_EQ(buffer.Inicializa("DEMO", 1, 11), S_OK);
    QVCFRT r{};
    r.posicao_plano = 2;
    ASSERT_EQ(buffer.Le(&r, 0), S_OK);
    const uint8_t* p = bytes(r);
    EXPECT_EQ(i32_at(p, 92), 1);
    EXPECT_EQ(i32_at(p, 96), 2);
    EXPECT_EQ(p[1320], 'C');
    EXPECT_EQ(p[1321], 'A');
    EXPECT_EQ(p[1322], 'J');
    EXPECT_EQ(i32_at(p, 3344), 7);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(p + 984)), "Cliente Exemplo Ltda");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(p + 1036)), "1.001");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(p + 1300)), "C001");
}

// The texts of a web form's customer: the CPF/CNPJ check and mask, and the telephone split.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "sales/cadastro_web.h"

using namespace sales;

TEST(CadastroWeb, CpfCnpjCheckAndMask) {
    struct caso {
        const char* texto;
        char tipo;
        std::optional<std::string> esperado;   // nullopt: refused, text unchanged
    };
    const caso casos[] = {
        {"390.533.447-05", 'F', "390.533.447-05"},
        {"39053344705", 'F', "390.533.447-05"},              // bare digits take the same mask
        {"390533447051", 'F', "390.533.447-051"},            // 12 characters: three after the dash
        {"000.000.000-00", 'F', "000.000.000-00"},           // zeros pass (no check digit)
        {"11.222.333/0001-81", 'J', "11.222.333/0001-81"},
        {"11222333000181", 'J', "11.222.333/0001-81"},
        {"112223330001815", 'J', "11.222.333/0001-815"},
        {"AB.222.333/0001-81", 'J', "AB.222.333/0001-81"},   // letters count like digits
        {"1122233300018", 'J', std::nullopt},                // 13 characters: neither kind
        {"1122233300018", 'F', std::nullopt},
        {"390.533.447-05", 'J', std::nullopt},               // a CPF for a legal entity
        {"11.222.333/0001-81", 'F', std::nullopt},
        {"39053344705", 'j', std::nullopt},                  // only the capital letters are kinds
        {"", 'F', std::nullopt},
    };
    for (const caso& c : casos) {
        SCOPED_TRACE(std::string(c.texto) + " " + c.tipo);
        std::string texto = c.texto;
        const bool ok = QVFormataCpfCnpj2(texto, c.tipo);
        EXPECT_EQ(ok, c.esperado.has_value());
        EXPECT_EQ(texto, c.esperado.value_or(c.texto));
    }
    EXPECT_EQ(QVRetiraMascara(" 11.222-333/0001 81 "), "11222333000181");
}

TEST(CadastroWeb, TelephoneSplitsIntoAreaCodeAndNumber) {
    struct caso {
        const char* telefone;
        const char* ddd;
        const char* numero;
    };
    const caso casos[] = {
        {"(11) 3333-4444", "11", "3333-4444"},
        {"(21) 99999-8888", "21", "99999-888"},   // nine characters from the sixth on
        {"(11) 333", "11", "333"},
        {"(11)", "11", ""},
        {"(1", "1", ""},
        {"", "", ""},
    };
    for (const caso& c : casos) {
        SCOPED_TRACE(c.telefone);
        const telefone_web t = SeparaTelefone(c.telefone);
        EXPECT_EQ(t.ddd, c.ddd);
        EXPECT_EQ(t.numero, c.numero);
    }
}

#include <gtest/gtest.h>

#include <iterator>

#include "base/QVModulos.h"

namespace {

TEST(QVModulos, LookupsByNumberAnswerEmptyOrZeroOutsideTheTable) {
    struct row { int modulo; const char* sigla; const char* nome; int32_t id; int32_t ano; };
    const row rows[] = {
        {1, "DF", "Tavon Empresarial", 3, 1999},
        {2, "CN", "Tavon Contábil", 4, 1999},
        {5, "FT", "Tavon Comercial", 13, 1999},
        {17, "LL", "Tavon IRPJ Lalur", 0, 1999},
        {23, "NF", "Tavon Dorn NF-e", 27, 2012},
        {27, "CE", "Tavon NFC-e", 31, 2013},
        {0, "", "", 0, 0},
        {28, "", "", 0, 0},
        {-1, "", "", 0, 0},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.modulo);
        EXPECT_EQ(QVGetSiglaModulo(r.modulo), r.sigla);
        EXPECT_EQ(QVGetNomeModulo(r.modulo), r.nome);
        EXPECT_EQ(QVGetIdModulo(r.modulo), r.id);
        EXPECT_EQ(QVGetAnoModulo(r.modulo), r.ano);
    }
    EXPECT_EQ(std::distance(QVInicioTabelaModulos(), QVFimTabelaModulos()), 27);
}

TEST(QVModulos, SearchesFindTheFirstMatchWithoutRegardToCase) {
    struct text_case { const char* texto; int sigla; int nome; };
    const text_case texts[] = {
        {"ft", 5, -1},
        {"FT", 5, -1},
        {"", -1, -1},
        {"XX", -1, -1},
        {" FT", -1, -1},                    // no trimming
        {"tavon comercial", -1, 5},
        {"TAVON CONTÁBIL", -1, 2},         // accented letters fold too
        {"Tavon Empresarial RH", -1, 26},
    };
    for (const auto& t : texts) {
        SCOPED_TRACE(t.texto);
        EXPECT_EQ(QVBuscaModuloPorSigla(t.texto), t.sigla);
        EXPECT_EQ(QVBuscaModuloPorNome(t.texto), t.nome);
    }
    const std::pair<int32_t, int> ids[] = {{0, 17}, {3, 1}, {27, 23}, {31, 27}, {2, -1}, {-5, -1}};
    for (const auto& [id, modulo] : ids) {
        SCOPED_TRACE(id);
        EXPECT_EQ(QVBuscaModuloPorId(id), modulo);
    }
}

}  // namespace

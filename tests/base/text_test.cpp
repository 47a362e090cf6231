#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <set>
#include <string>

#include "base/QVTexto.h"

namespace {

TEST(TextHelpers, CheckDigits) {
    struct digit_case { bool cnpj; int which; const char* digits; int expected; };
    constexpr digit_case cases[] = {
        {false, 1, "111444777", 3},   {false, 2, "1114447773", 5},
        {true, 1, "112223330001", 8}, {true, 2, "1122233300018", 1},
        {false, 1, "529982247", 2},   {false, 2, "5299822472", 5},   // 529.982.247-25
        {true, 1, "114447770001", 6}, {true, 2, "1144477700016", 1}, // 11.444.777/0001-61
        {false, 1, "00000000", -1},   // too short
        {true, 2, "112223330001", -1},
        {false, 1, "11144477x", -1},  // a letter where a digit is weighted
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.digits);
        EXPECT_EQ(c.cnpj ? QVCalculaDigitoCNPJ(c.which, c.digits) : QVCalculaDigitoCPF(c.which, c.digits),
                  c.expected);
    }
    EXPECT_EQ(QVCalculaDigitoCPF(1, nullptr), -1);
}

TEST(TextHelpers, BcdFiltersAndFields) {
    unsigned char packed[3];
    QVCompactaBCD("12-3", packed, 3);
    EXPECT_EQ(packed[0], 0x12);
    EXPECT_EQ(packed[1], 0xD3);
    EXPECT_EQ(packed[2], 0xAA);
    char text[7];
    QVExpandeBCD(text, packed, 3);
    EXPECT_STREQ(text, "12-3");
    unsigned char date[5];
    QVCompactaBCD("01/02.9 5", date, 5);
    char back[11];
    QVExpandeBCD(back, date, 5);
    EXPECT_STREQ(back, "01/02.9");  // a blank ends the text

    char digits[] = "12.345.678/0001-90";
    QVSomenteDigitos(digits);
    EXPECT_STREQ(digits, "12345678000190");
    char target[5];
    EXPECT_EQ(QVSomenteDigitos("a1b2c3d4e5", target, sizeof target), 4);
    EXPECT_STREQ(target, "1234");
    EXPECT_EQ(QVSomenteDigitosTexto("R$ 1,50"), "150");
    char quoted[] = "\"a\"b\"";
    QVSemAspas(quoted);
    EXPECT_STREQ(quoted, "ab");
    EXPECT_EQ(QVSemBrancosFinais("x  "), "x");

    char field[8];
    memset(field, 'z', sizeof field);
    memcpy(field, "ab", 3);
    QVPreencheNulos(field, 8);
    for (int i = 2; i < 8; ++i) EXPECT_EQ(field[i], '\0') << i;
    EXPECT_FALSE(QVTestaQuartoCaractere(field));
    EXPECT_TRUE(QVTestaQuartoCaractere("abcd"));
}

TEST(TextHelpers, HistoryTemplates) {
    struct history_case { const char* modelo; const char* complemento; const char* debito; const char* expected; };
    constexpr history_case cases[] = {
        {"Pagto *d ref. *n", "NF 123", "1.1.01", "Pagto 1.1.01 ref. NF 123"},
        {"", "linha 1\nlinha 2", "1.1.01", "linha 1\nlinha 2"},
        {"*N/*DMA", "a\nb", nullptr, "a/b"},
        {"Ref *", "x", nullptr, "Ref x"},                 // a final '*' is followed by a blank
        {"Ref *, *ma", "a\nb", nullptr, "Ref a, b"},      // "* " and "*," consume only the '*'
        {"*d e *c", "", nullptr, "*d e *c"},              // missing texts leave the markers
        {"*x*", "a", nullptr, "*xa"},
        {"*n *n *n", "a\r\nb", nullptr, "a *n b"},        // a cursor on the LF gives an empty line
        {"*n *n *n", "a", nullptr, "a *n *n"},            // the cursor never passes the end
        {"*gd/*gc", "", nullptr, "3.1/3.2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.modelo);
        EXPECT_EQ(QVMontaHistorico(c.modelo, c.complemento, c.debito, nullptr, "3.1", "3.2"), c.expected);
    }
    char small[8];
    QVMontaHistorico("Pagto *d ref. *n", "NF 123", small, sizeof small, "1.1.01", nullptr, nullptr, nullptr);
    EXPECT_STREQ(small, "Pagto 1");  // cut to the buffer, terminated
}

TEST(TextHelpers, TemporaryNamesDiffer) {
    std::set<std::string> names;
    for (int i = 0; i < 200; ++i) {
        const CQVString name = QVGeraNomeTemporario("INV");
        ASSERT_TRUE(name.ComecaCom("INV")) << name;
        ASSERT_TRUE(name.TerminaCom(".tmp")) << name;
        for (int k = 3; k < 6; ++k) {
            const char c = name[static_cast<size_t>(k)];
            ASSERT_TRUE((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z')) << name;
        }
        // The number carries this process's id, so other processes cannot make the same name.
        ASSERT_NE(name.find(std::to_string(GetCurrentProcessId())), std::string::npos) << name;
        names.insert(name);
    }
    EXPECT_EQ(names.size(), 200u);
}

}  // namespace

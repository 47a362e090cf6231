#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/CQVArray.h"
#include "base/CQVString.h"

namespace {

std::vector<std::string> pieces_of(const char* text, bool ignore) {
    CQVArray<CQVString, const CQVString&> pieces;
    CQVString(text).Divide(';', ignore, pieces);
    return {pieces.begin(), pieces.end()};
}

TEST(Strings, SplittingSearchingAndCutting) {
    using v = std::vector<std::string>;
    EXPECT_EQ(pieces_of("a;;b", false), (v{"a", "", "b"}));
    EXPECT_EQ(pieces_of("a;;b", true), (v{"a", "b"}));
    EXPECT_EQ(pieces_of("a;", false), (v{"a", ""}));
    EXPECT_EQ(pieces_of("a;", true), (v{"a"}));
    EXPECT_EQ(pieces_of("", false), (v{""}));
    EXPECT_EQ(pieces_of("", true), (v{}));

    struct cut_case { const char* text; int n; const char* expected; };
    constexpr cut_case cuts[] = {
        {"abcdefgh", 5, "ab..."}, {"abcde", 5, "abcde"}, {"abc", 5, "abc"},
        {"abcdefgh", 2, ".."},    {"abcdefgh", 0, ""},    {"abcdefgh", -1, ""},
    };
    for (const auto& c : cuts) {
        SCOPED_TRACE(testing::Message() << c.text << " " << c.n);
        CQVString s(c.text);
        s.Corta(c.n);
        EXPECT_EQ(s, c.expected);
    }

    CQVString joined;
    joined.Junta(", ", "x");
    EXPECT_EQ(joined, "x");
    CQVString always;
    always.Junta(", ", "x", true);
    EXPECT_EQ(always, ", x");
    joined.Junta(", ", "");
    EXPECT_EQ(joined, "x");
    joined.Junta(", ", "y");
    EXPECT_EQ(joined, "x, y");

    const CQVString a4("aaaa");
    EXPECT_EQ(a4.ContaOcorrencias("aa"), 3);
    EXPECT_EQ(a4.ContaOcorrencias(""), 0);
    EXPECT_EQ(a4.UltimaPosicao("aa"), 2);
    EXPECT_EQ(a4.UltimaPosicao("b"), -1);
    CQVArray<int, int> positions;
    CQVString("a-b-c").Posicoes('-', positions);
    ASSERT_EQ(positions.GetSize(), 2);
    EXPECT_EQ(positions[1], 3);

    const CQVString text("Pedido 123");
    EXPECT_TRUE(text.ComecaCom("Ped"));
    EXPECT_FALSE(text.ComecaCom("Pedido 1234"));
    EXPECT_TRUE(text.TerminaCom("123"));
    EXPECT_FALSE(text.TerminaCom("xPedido 123"));
    EXPECT_EQ(text.Trecho(0, 6), "Pedido");
    EXPECT_EQ(Trecho(text, 7, 99), "123");
    EXPECT_EQ(text.Trecho(8, 2), "");
    EXPECT_EQ(CQVString("a\"b\" c  ").SemAspas(), "ab c  ");
    EXPECT_EQ(CQVString("a b  ").SemBrancosFinais(), "a b");
    EXPECT_EQ(CQVString("12.345-6").SomenteDigitos(), "123456");
    EXPECT_EQ(CQVString("").ParaInteiro(), 0);
    EXPECT_EQ(CQVString("42x").ParaInteiro(), 42);

    CQVString padded("7");
    padded.PreencheEsquerda(3, '0');
    EXPECT_EQ(padded, "007");
    padded.PreencheDireita(5);
    EXPECT_EQ(padded, "007  ");
    padded.PreencheEsquerda(2);
    EXPECT_EQ(padded, "007  ");
    CQVString formatted;
    formatted.Format("%d - %s", 7, "Sábado");
    EXPECT_EQ(formatted, "7 - Sábado");
    EXPECT_EQ(CQVString(L"Sábado"), "Sábado");  // wide texts become CP1252
    EXPECT_EQ(CQVString("abcdef").Mid(2, 2), "cd");
    EXPECT_EQ(CQVString("abcdef").Left(10), "abcdef");
    CQVString upper("ação");
    EXPECT_EQ(upper.MakeUpper(), "AÇÃO");
}

TEST(Strings, ArrayIndicesAreChecked) {
    CQVArray<int, int> checked(true);
    checked.Add(1);
    checked.Add(2);
    EXPECT_THROW(checked.GetAt(2), CQVArrayException);
    EXPECT_THROW(checked.GetAt(-1), CQVArrayException);
    try {
        checked.SetAt(5, 0);
        ADD_FAILURE() << "index 5 was accepted";
    } catch (const CQVArrayException& e) {
        EXPECT_EQ(e.m_zero, 0);
        EXPECT_EQ(e.m_indice, 5);
        EXPECT_EQ(e.m_quantidade, 2);
    }
    // Without the check an index outside is still refused, with the framework's argument error:
    // nothing reads past the end.
    CQVArray<int, int> unchecked(false);
    EXPECT_THROW(unchecked.GetAt(0), CInvalidArgException);
    EXPECT_THROW(unchecked.GetAt(-1), CInvalidArgException);
    EXPECT_THROW(unchecked.SetAtGrow(-1, 9), CInvalidArgException);
    unchecked.SetAtGrow(3, 9);
    EXPECT_EQ(unchecked.GetSize(), 4);
    EXPECT_EQ(unchecked[3], 9);
    EXPECT_EQ(unchecked[0], 0);
    CQVArray<int, int> copy;
    copy.Copy(unchecked);
    copy.RemoveAt(0, 2);
    EXPECT_EQ(copy.GetSize(), 2);
    EXPECT_THROW(copy.RemoveAt(1, 2), CInvalidArgException);
    copy.InsertAt(0, 5);
    EXPECT_EQ(copy[0], 5);
}

}  // namespace

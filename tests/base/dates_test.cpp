#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>

#include "base/CQVData.h"
#include "base/CQVMesAno.h"
#include "base/QVDataCurta.h"
#include "base/QVDataTexto.h"
#include "platform/com/failure.h"

namespace {

// Tests that read two-digit years with the real clock hold from 2026 to 2097.
bool clock_in_range() { return qv_current_year() >= 2026 && qv_current_year() <= 2097; }

TEST(Dates, AnchorsOfTheNumbering) {
    struct anchor { int d, m, y; uint32_t n; };
    constexpr anchor anchors[] = {
        {1, 1, 1848, 2},        {31, 12, 4717, 1048247}, {30, 12, 1899, 18993}, {1, 1, 2000, 55519},
        {1, 1, 1927, 28856},    {31, 12, 2026, 65380},   {1, 1, 2027, 65381},   {4, 6, 2027, 65535},
        {3, 1, 2003, 56617},    {1, 1, 1850, 733},       {28, 2, 1900, 19053},  {1, 3, 1900, 19054},
    };
    for (const auto& a : anchors) {
        SCOPED_TRACE(testing::Message() << a.d << "/" << a.m << "/" << a.y);
        CQVData data(a.d, a.m, a.y);
        EXPECT_EQ(data.GetValor(), a.n);
        int d, m, y;
        EXPECT_TRUE(data.GetData(d, m, y));
        EXPECT_EQ(d, a.d);
        EXPECT_EQ(m, a.m);
        EXPECT_EQ(y, a.y);
    }
    EXPECT_EQ(CQVData(1, 1, 1848).DiaDaSemana(), 7);  // a Saturday
    EXPECT_EQ(CQVData(10, 12, 2026).DiaDaSemana(), 5);  // a Thursday
    EXPECT_EQ(CQVData(1, 1, 4718).GetValor(), 0u);
    EXPECT_EQ(CQVData(31, 12, 1847).GetValor(), 0u);
    EXPECT_EQ(CQVData(0, 1, 2000).GetValor(), 0u);
    EXPECT_EQ(CQVData(1, 13, 2000).GetValor(), 0u);
    EXPECT_EQ(CQVData::Minima().GetValor(), 2u);
    EXPECT_EQ(CQVData::Maxima().GetValor(), 1048247u);
}

TEST(Dates, EveryDayRoundTripsThroughItsParts) {
    int previous_weekday = CQVData(CQVData::minimo).DiaDaSemana() - 1;
    for (uint32_t n = CQVData::minimo; n <= CQVData::maximo; ++n) {
        CQVData data(n);
        int d, m, y;
        ASSERT_TRUE(data.GetData(d, m, y)) << n;
        ASSERT_EQ(CQVData(d, m, y).GetValor(), n) << d << "/" << m << "/" << y;
        const int weekday = data.DiaDaSemana();
        ASSERT_EQ(weekday, previous_weekday % 7 + 1) << n;
        previous_weekday = weekday;
        DATE ole = 0;
        ASSERT_TRUE(data.GetOleDateTime(ole));
        ASSERT_EQ(ole, static_cast<double>(n) - 18993.0);
    }
    int d, m, y;
    EXPECT_FALSE(CQVData().GetData(d, m, y));
    EXPECT_EQ(d + m + y, 0);
}

TEST(Dates, TwoDigitYearsFollowTheCalendar) {
    struct pivot_case { int yy, current, expected; };
    constexpr pivot_case cases[] = {
        {26, 2026, 2026}, {27, 2026, 2027}, {28, 2026, 1928}, {99, 2026, 1999}, {0, 2026, 2000},
        {28, 2027, 2028}, {29, 2027, 1929}, {99, 2098, 2099}, {0, 2099, 2000},
        {2030, 2026, 2030}, {1920, 2026, 1920},  // four digits are taken as written
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.yy << " in " << c.current);
        EXPECT_EQ(qv_ano_completo(c.yy, c.current), c.expected);
    }
    if (!clock_in_range()) GTEST_SKIP() << "the texts below assume a clock between 2026 and 2097";

    // Texts and short numbers around the end of 2026.
    struct text_case { const char* text; uint16_t shortform; int d, m, y; };
    constexpr text_case texts[] = {
        {"31/12/26", 65380, 31, 12, 2026}, {"01/01/27", 65381, 1, 1, 2027}, {"05/01/27", 65385, 5, 1, 2027},
        {"31/12/2026", 65380, 31, 12, 2026}, {"05/01/2027", 65385, 5, 1, 2027},
        {"01/01/1927", 28856, 1, 1, 1927}, {"15/08/1920", 26000, 15, 8, 1920},  // see below
        // Blanks in front do not count toward the 14 characters (it was read as 28/12/200).
        {"     28/12/2004", 57342, 28, 12, 2004},
    };
    for (const auto& c : texts) {
        SCOPED_TRACE(c.text);
        const CQVData expected(c.d, c.m, c.y);
        if (c.y != 1920) {
            EXPECT_EQ(expected.GetValor(), c.shortform);
        }
        EXPECT_EQ(QVConverteTextoData(c.text), expected.GetValor());
        CQVData parsed;
        EXPECT_TRUE(parsed.SetTexto(c.text));
        EXPECT_EQ(parsed, expected);
        CQVData from_short;
        from_short.SetDataCurta(static_cast<uint16_t>(expected.GetValor()));
        EXPECT_EQ(from_short, c.y < 1927 ? CQVData() : expected);   // the 16-bit form starts in 1927
        EXPECT_EQ(QVFormataData(static_cast<uint16_t>(expected.GetValor()), true), expected.Formata(1, '/'));
    }
    EXPECT_EQ(QVFormataData(65385, false), "05/01/27");
    EXPECT_EQ(QVFormataData(65385, true), "05/01/2027");
    EXPECT_EQ(QVFormataData(28856, true), "01/01/1927");
    EXPECT_EQ(QVMontaData(5, 1, 27), 65385);
    EXPECT_EQ(QVConverteTextoMesAno("01/27"), CQVMesAno(1, 2027).GetValor());
    EXPECT_EQ(QVConverteTextoMesAno("05/2024"), CQVMesAno(5, 2024).GetValor());
    EXPECT_EQ(QVConverteTextoMesAno("00/00"), 0);
    EXPECT_EQ(QVMontaMesAno(12, 26), CQVMesAno(12, 2026).GetValor());
    EXPECT_EQ(QVMontaMesAno(1, 28), CQVMesAno(1, 1928).GetValor());
    int m = 0, y = 0;
    QVSeparaMesAno(QVMontaMesAno(1, 27), m, y);
    EXPECT_EQ(y, 2027);
}

TEST(Dates, ShortFormsRefuseWhatDoesNotFit) {
    // The 16-bit day number ends on 04/06/2027: later dates fail instead of wrapping to 1848.
    EXPECT_EQ(QVMontaData(4, 6, 2027), 65535);
    EXPECT_THROW(QVMontaData(5, 6, 2027), com::failure);
    EXPECT_THROW(QVConverteTextoData("01/01/2030"), com::failure);
    EXPECT_THROW(CQVData(5, 6, 2027).GetDataCurta(), com::failure);
    EXPECT_EQ(CQVData(4, 6, 2027).GetDataCurta(), 65535);
    EXPECT_THROW(QVMontaDataMesAno(10, CQVMesAno(7, 2027).GetValor()), com::failure);
    // Invalid texts are no date, as before.
    EXPECT_EQ(QVConverteTextoData("00/00/00"), 0);
    EXPECT_EQ(QVConverteTextoData("31/13/24"), 0);
    EXPECT_EQ(QVConverteTextoData(""), 0);
    EXPECT_EQ(QVConverteTextoData(nullptr), 0);
    // Unpadded fields are read between the slashes, not by digit positions (1/1/2024 is not 10/12/20).
    EXPECT_EQ(QVConverteTextoData("1/1/2024"), CQVData(1, 1, 2024).GetValor());
    EXPECT_EQ(QVConverteTextoData("1/01/2024"), CQVData(1, 1, 2024).GetValor());
    EXPECT_EQ(QVConverteTextoData("010124"), CQVData(1, 1, 2024).GetValor());
    EXPECT_EQ(QVConverteTextoData("01012024"), CQVData(1, 1, 2024).GetValor());
    EXPECT_EQ(QVConverteTextoData("01.01.2024"), CQVData(1, 1, 2024).GetValor());
    EXPECT_EQ(QVConverteTextoMesAno("5/2024"), CQVMesAno(5, 2024).GetValor());
    EXPECT_TRUE(QVValidaTextoData("1/1/2024"));
    EXPECT_FALSE(QVValidaTextoData("29/2/1900"));
    int dd = -1, mo = -1, ye = -1;
    QVLeTextoData("00/00/00", dd, mo, ye);
    EXPECT_EQ(dd + mo + ye, 0);
    // The day is cut to the month.
    EXPECT_EQ(QVConverteTextoData("31/04/2024"), CQVData(30, 4, 2024).GetValor());
    EXPECT_EQ(QVMontaDataMesAno(31, CQVMesAno(2, 2023).GetValor()), CQVData(28, 2, 2023).GetValor());
    EXPECT_EQ(QVMontaDataMesAno(0, 0), 0);
    // The 16-bit form starts with the oldest day a two-digit year names; only its end moved.
    struct short_case { uint16_t curta; CQVData expected; };
    const short_case shorts[] = {
        {1, CQVData()}, {19053, CQVData()}, {28855, CQVData()},
        {28856, CQVData(1, 1, 1927)}, {65380, CQVData(31, 12, 2026)}, {65535, CQVData(4, 6, 2027)},
    };
    for (const auto& c : shorts) {
        SCOPED_TRACE(c.curta);
        CQVData s(CQVData(1, 1, 2024));
        s.SetDataCurta(c.curta);
        EXPECT_EQ(s, c.expected);
    }
    EXPECT_EQ(QVConverteDataMesAno(65380), CQVMesAno(12, 2026).GetValor());
    int d, m, y;
    QVSeparaData(65381, d, m, y);
    EXPECT_EQ(y, 2027);
}

TEST(Dates, ClampingAndArithmetic) {
    struct clamp_case { int d, m, y, ed, em, ey; };
    constexpr clamp_case clamps[] = {
        {29, 2, 1900, 28, 2, 1900}, {29, 2, 2000, 29, 2, 2000}, {31, 4, 2024, 30, 4, 2024},
        {45, 1, 2024, 31, 1, 2024},
    };
    for (const auto& c : clamps) {
        SCOPED_TRACE(testing::Message() << c.d << "/" << c.m << "/" << c.y);
        EXPECT_EQ(CQVData(c.d, c.m, c.y), CQVData(c.ed, c.em, c.ey));
    }
    struct add_case { CQVData start; const char* op; long long n; CQVData expected; };
    const add_case adds[] = {
        {CQVData(31, 1, 2024), "meses", 1, CQVData(29, 2, 2024)},
        {CQVData(31, 1, 2023), "meses", 1, CQVData(28, 2, 2023)},
        {CQVData(31, 3, 2024), "meses", -13, CQVData(28, 2, 2023)},
        {CQVData(29, 2, 2024), "anos", 1, CQVData(28, 2, 2025)},
        {CQVData(31, 12, 4717), "dias", 1, CQVData()},
        {CQVData(1, 1, 1848), "dias", -1, CQVData()},
        {CQVData(), "dias", 2, CQVData(1, 1, 1848)},  // an empty date starts from 0
        {CQVData(1, 1, 2024), "anos-cy", 15000, CQVData(1, 7, 2025)},  // 1.5 years
        {CQVData(1, 1, 2024), "horas", 49, CQVData(3, 1, 2024)},
        {CQVData(1, 1, 2024), "un2", 15000, CQVData(16, 2, 2024)},  // 1.5 months: 1 month + 15 days
        {CQVData(1, 1, 2024), "un3", 20000, CQVData(15, 1, 2024)},  // 2 weeks
        {CQVData(1, 1, 2024), "un4", 100000, CQVData(11, 1, 2024)},
        {CQVData(1, 1, 2024), "un5", 480000, CQVData(3, 1, 2024)},  // 48 hours
        {CQVData(1, 1, 2024), "un9", 480000, CQVData(1, 1, 2024)},
        {CQVData(1, 1, 2024), "un4", 9000000000000000000, CQVData()},  // beyond the range, no overflow
    };
    for (const auto& c : adds) {
        SCOPED_TRACE(testing::Message() << c.start.Formata() << " " << c.op << " " << c.n);
        CQVData d = c.start;
        const std::string op = c.op;
        CURRENCY x;
        x.int64 = c.n;
        if (op == "meses") d.AdicionaMeses(static_cast<int>(c.n));
        else if (op == "anos") d.AdicionaAnos(static_cast<int>(c.n));
        else if (op == "dias") d.AdicionaDias(static_cast<int32_t>(c.n));
        else if (op == "anos-cy") d.AdicionaAnos(x);
        else if (op == "horas") d.AdicionaHoras(static_cast<long>(c.n));
        else d.Adiciona(x, op[2] - '0');
        EXPECT_EQ(d, c.expected);
    }
    CQVData d(15, 2, 2024);
    EXPECT_EQ(CQVData::UltimoDia(d), CQVData(29, 2, 2024));
    EXPECT_EQ(CQVData::PrimeiroDia(d), CQVData(1, 2, 2024));
    EXPECT_EQ(d.GetMesAno(), CQVMesAno(2, 2024));
    d.SetMes(4);
    d.SetDia(31);
    EXPECT_EQ(d, CQVData(30, 4, 2024));
    EXPECT_EQ(d.GetAno(false), 24);
    EXPECT_EQ(CQVData().GetStatus(), 2);
    EXPECT_EQ(d.GetStatus(), 0);
    EXPECT_EQ(CQVData(2, 1, 1848).NomeDiaDaSemana(), "Domingo");
    EXPECT_EQ(CQVData(1, 1, 1848).NomeDiaDaSemana(), "Sábado");
    EXPECT_EQ(CQVData(1, 1, 1848).NomeDiaDaSemana(true), "Sáb");
    char tiny[4];
    CQVData(4, 1, 1848).NomeDiaDaSemana(tiny, sizeof tiny, true);  // too small to abbreviate
    EXPECT_STREQ(tiny, "Ter");
    EXPECT_EQ(CQVData().NomeDiaDaSemana(), "");
}

TEST(Dates, ParserStates) {
    struct parse_case { const char* text; bool day; bool mes13; std::optional<std::tuple<int, int, int>> expected; };
    const parse_case cases[] = {
        {" 5/ 2024 ", false, false, std::tuple{0, 5, 2024}},
        {"1 2/2024", false, false, std::nullopt},
        {"13/2024", false, false, std::nullopt},
        {"13/2024", false, true, std::tuple{0, 13, 2024}},
        {"29/02/2023", true, false, std::nullopt},
        {"29/02/2024", true, false, std::tuple{29, 2, 2024}},
        {"30/02/2024", true, false, std::nullopt},
        {"31/04/2024", true, false, std::nullopt},
        {"5/6/2024", true, false, std::tuple{5, 6, 2024}},
        {"05/2024", true, false, std::nullopt},           // a day was asked for
        {"01/05/2024", false, false, std::tuple{1, 5, 2024}},  // a third field brings its day
        {"05/20245", false, false, std::nullopt},         // five digits in a field
        {"1/1/99999", true, false, std::nullopt},
        {"01/01/1847", true, false, std::nullopt},
        {"01/01/4718", true, false, std::nullopt},
        {"01/01/999", true, false, std::nullopt},
        {"0/2024", false, false, std::nullopt},
        {"05-2024", false, false, std::nullopt},          // other characters fail at once
        {"", false, false, std::nullopt},
        {"/05/2024", false, false, std::nullopt},
        {"05/2024/", false, false, std::nullopt},
        {"\t1\t/\t1\t/\t2024\t", true, false, std::tuple{1, 1, 2024}},
        {"001/2024", false, false, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        int d = -1, m = -1, y = -1;
        const bool ok = qv_analisa_data(c.text, &d, &m, &y, c.day, c.mes13);
        EXPECT_EQ(ok, c.expected.has_value());
        if (c.expected) {
            EXPECT_EQ(std::tuple(d, m, y), *c.expected);
        } else {
            EXPECT_EQ(std::tuple(d, m, y), std::tuple(0, 0, 0));
        }
    }
    EXPECT_FALSE(qv_analisa_data(nullptr, nullptr, nullptr, nullptr, false));
    CQVMesAno mes;
    EXPECT_TRUE(mes.SetTexto("0524", false));
    EXPECT_EQ(mes, CQVMesAno(5, 2024));
    EXPECT_TRUE(mes.SetTexto("2024 - 05", 9, '-'));
    EXPECT_EQ(mes, CQVMesAno(5, 2024));
    EXPECT_FALSE(mes.SetTexto("05-2024-1", 7, '-'));
    EXPECT_FALSE(mes.SetTexto("05-20x4", 7, '-'));
    EXPECT_FALSE(mes.SetTexto("13-2024", 7, '-'));
    EXPECT_FALSE(mes.SetTexto("05-2024", 5, '-'));
    EXPECT_TRUE(mes.SetTexto("", 7, '-'));
    EXPECT_TRUE(mes.EhVazio());
}

TEST(Dates, FormatCodes) {
    struct format_case { CQVData date; int code; char sep; bool alarga; size_t size; const char* expected; };
    const format_case cases[] = {
        {CQVData(15, 8, 2024), 0, '/', false, 12, "15/08/24"},
        {CQVData(15, 8, 2024), 1, '/', false, 12, "15/08/2024"},
        {CQVData(15, 8, 2024), 2, '-', false, 12, "08-15-24"},
        {CQVData(15, 8, 2024), 3, '.', false, 12, "08.15.2024"},
        {CQVData(15, 8, 2024), 4, '/', false, 12, "24/08/15"},
        {CQVData(15, 8, 2024), 5, '\0', false, 12, "20240815"},
        {CQVData(15, 8, 2024), 6, '/', false, 12, "08/24"},
        {CQVData(15, 8, 2024), 7, '/', false, 12, "08/2024"},
        {CQVData(15, 8, 2024), 8, '/', false, 12, "24/08"},
        {CQVData(15, 8, 2024), 9, '/', false, 12, "2024/08"},
        {CQVData(15, 8, 1926), 0, '/', true, 12, "15/08/1926"},  // 26 would read back as 2026
        {CQVData(15, 8, 1926), 0, '/', false, 12, "15/08/26"},
        {CQVData(15, 8, 1950), 0, '/', true, 12, "15/08/50"},
        {CQVData(15, 8, 2024), 1, '/', false, 10, ""},           // below the minimum buffer
        {CQVData(15, 8, 2024), 0, '/', false, 9, "15/08/24"},
        {CQVData(), 1, '/', false, 12, "00/00/0000"},
        {CQVData(15, 8, 2024), 10, '/', false, 12, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.date.GetValor() << " code " << c.code);
        char buffer[16];
        memset(buffer, 'x', sizeof buffer);
        c.date.Formata(buffer, c.size, c.code, c.sep, c.alarga);
        EXPECT_STREQ(buffer, c.expected);
    }
    EXPECT_EQ(CQVMesAno(5, 2024).Formata(1, '/'), "05/2024");  // a date code asks for the month text
    EXPECT_EQ(CQVMesAno(5, 2024).Formata(4, '/'), "24/05");
    EXPECT_EQ(CQVMesAno().Formata(7, '/'), "00/0000");
}

TEST(Dates, MonthIndexAndOldNumbering) {
    EXPECT_EQ(CQVMesAno(1, 1848).GetValor(), 1);
    EXPECT_EQ(CQVMesAno(12, 4717).GetValor(), 34440);
    EXPECT_EQ(CQVMesAno(13, 2024).GetValor(), 0);
    int m, y;
    EXPECT_TRUE(CQVMesAno(12, 2024).GetMesAno(m, y));
    EXPECT_EQ(m, 12);
    EXPECT_EQ(y, 2024);
    CQVMesAno mes(12, 2024);
    mes.AdicionaMeses(1);
    EXPECT_EQ(mes, CQVMesAno(1, 2025));
    mes.AdicionaMeses(40000);
    EXPECT_TRUE(mes.EhVazio());
    CQVMesAno fev(2, 2024);
    EXPECT_EQ(fev.GetDataFinal(), CQVData(29, 2, 2024));
    EXPECT_EQ(fev.GetDataInicial(), CQVData(1, 2, 2024));
    CQVMesAno curto;
    curto.SetMesAnoCurto(949);
    EXPECT_EQ(curto, CQVMesAno(1, 1927));
    curto.SetMesAnoCurto(948);
    EXPECT_TRUE(curto.EhVazio());
    CQVMesAno antigo;
    antigo.SetMesAnoAntigo(1);
    EXPECT_EQ(antigo, CQVMesAno(1, 1850));
    antigo.SetMesAnoAntigo(2155);
    EXPECT_TRUE(antigo.EhVazio());
    EXPECT_FALSE(CQVMesAno().SetValor(34441));

    struct old_case { uint16_t old; const char* text; };
    constexpr old_case olds[] = {
        {1, "01/01/1850"}, {18321, "28/02/1900"}, {18322, "29/02/1900"}, {18323, "01/03/1900"},
        {731, "01/01/1852"}, {1096, "31/12/1852"}, {65535, "04/06/2029"},
    };
    for (const auto& c : olds) {
        SCOPED_TRACE(c.old);
        EXPECT_EQ(QVFormataDataAntiga(c.old), c.text);
        EXPECT_EQ(QVConverteTextoDataAntiga(c.text), c.old);
    }
    CQVData data;
    data.SetDataAntiga(18321);
    EXPECT_EQ(data, CQVData(28, 2, 1900));
    data.SetDataAntiga(18322);
    EXPECT_EQ(data, CQVData(28, 2, 1900));
    data.SetDataAntiga(18323);
    EXPECT_EQ(data, CQVData(1, 3, 1900));
    data.SetDataAntiga(1);
    EXPECT_EQ(data, CQVData(1, 1, 1850));
    for (uint32_t old = 1; old <= 65535; ++old) {  // every old number reads back through its text
        ASSERT_EQ(QVConverteTextoDataAntiga(QVFormataDataAntiga(static_cast<uint16_t>(old)).c_str()), old);
    }
    EXPECT_THROW(QVConverteTextoDataAntiga("05/06/2029"), com::failure);
    EXPECT_EQ(QVConverteTextoDataAntiga("       31/12/1852"), 1096);   // blanks in front do not count
    EXPECT_EQ(QVConverteTextoMesAnoAntigo("05/1850"), 5);
    EXPECT_EQ(QVConverteTextoMesAnoAntigo("00/0000"), 0);
    EXPECT_EQ(QVDiaDaSemana(18322, true), 65535);
    EXPECT_EQ(QVDiaDaSemana(1, true), CQVData(1, 1, 1850).DiaDaSemana());
    EXPECT_EQ(QVDiaDaSemana(65380, false), CQVData(31, 12, 2026).DiaDaSemana());
    EXPECT_EQ(QVDiaDaSemana(0, false), 0);
}

TEST(Dates, ValidationOfDigitTexts) {
    struct valid_case { const char* text; bool so_mes; bool mes13; bool expected; };
    constexpr valid_case cases[] = {
        {"29/02/2024", false, false, true}, {"29/02/1900", false, false, false},  // 1900 had no 29/02
        {"29/02/2000", false, false, true}, {"29/02/00", false, false, true},
        {"31/04/2024", false, false, false}, {"00/01/2024", false, false, false},
        {"01/13/2024", false, false, false}, {"01/01/24", false, false, true},
        {"05/24", false, false, true},      // too short for a date: a month
        {"05/24", true, false, false},      // the flag puts the day first: day 5 of month 24
        {"05/12", true, false, true},
        {"13/24", false, true, true},       {"13/24", false, false, false},
        {"     28/12/2004", false, false, true},  // blanks in front do not count toward 14 characters
        {"     29/02/2023", false, false, false},
        {"01/01/1847", false, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(QVValidaData(c.text, c.so_mes, c.mes13), c.expected);
    }
    EXPECT_FALSE(QVValidaTextoData(nullptr));
    char buffer[4];
    QVTextoData(1, 2, 2024, buffer, sizeof buffer, true);  // cut to the buffer
    EXPECT_STREQ(buffer, "01/");
    char full[16];
    QVTextoData(0, 0, 0, full, sizeof full, true);
    EXPECT_STREQ(full, "00/00/0000");
    QVTextoMesAno(5, 1920, full, sizeof full, true);  // a four-digit year keeps its century
    EXPECT_STREQ(full, "05/1920");
}

}  // namespace

#include <gtest/gtest.h>

#include <string>

#include "base/CQVData.h"
#include "platform/com/failure.h"
#include "platform/com/unique.h"
#include "server/root/QVConversoes.h"

namespace {

TEST(QVConversoes, DatesAndMoneyThroughRealBstrs) {
    const unsigned short dia = static_cast<unsigned short>(CQVData(31, 12, 2008).GetValor());
    BSTR text = nullptr;
    ASSERT_EQ(QVFormataDataBstr(dia, &text, 0), S_OK);
    EXPECT_EQ(std::wstring(text, SysStringLen(text)), L"31/12/08");
    SysFreeString(text);
    ASSERT_EQ(QVFormataDataBstr(dia, &text, 1), S_OK);
    EXPECT_EQ(std::wstring(text, SysStringLen(text)), L"31/12/2008");
    SysFreeString(text);

    CURRENCY valor;
    valor.int64 = 12345675000;
    ASSERT_EQ(QVFormataCYBstr(&valor, &text), S_OK);
    EXPECT_EQ(std::wstring(text, SysStringLen(text)), L"1.234.567,50");
    SysFreeString(text);

    struct read_case { const wchar_t* text; int64_t cy; };
    constexpr read_case reads[] = {{L"1.234.567,50", 12345675000}, {L"-0,5", -5000}, {L"", 0}, {nullptr, 0}};
    for (const auto& c : reads) {
        SCOPED_TRACE(c.text ? c.text : L"(null)");
        BSTR in = c.text ? SysAllocString(c.text) : nullptr;
        CURRENCY out;
        out.int64 = 99;
        EXPECT_EQ(QVConverteBstrCY(&out, in), S_OK);
        EXPECT_EQ(out.int64, c.cy);
        SysFreeString(in);
    }

    BSTR date = SysAllocString(L"05/01/2027");
    unsigned short numero = 0;
    EXPECT_EQ(QVConverteBstrData(&numero, date), S_OK);
    EXPECT_EQ(numero, CQVData(5, 1, 2027).GetValor());
    SysFreeString(date);
    BSTR invalid = SysAllocString(L"32/13/2024");
    EXPECT_EQ(QVConverteBstrData(&numero, invalid), S_OK);
    EXPECT_EQ(numero, 0);
    SysFreeString(invalid);
    // A date past the 16-bit day number is refused, not wrapped to the 1840s.
    BSTR late = SysAllocString(L"01/07/2027");
    EXPECT_THROW(QVConverteBstrData(&numero, late), com::failure);
    SysFreeString(late);
    EXPECT_EQ(QVConverteBstrData(nullptr, nullptr), E_POINTER);
    EXPECT_EQ(QVFormataCYBstr(&valor, nullptr), E_POINTER);
}

}  // namespace

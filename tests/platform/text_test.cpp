// Texts between the server's CP1252 and COM's UTF-16.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/com/text.h"

namespace {

TEST(ComText, NoCharacterIsFoldedIntoALookAlike) {
    struct row {
        const wchar_t* wide;
        std::optional<std::string> exact;   // nullopt: CP1252 has no exact form
        std::string lenient;                // what to_ansi gives
    };
    const row rows[] = {
        {L"admin123", "admin123", "admin123"},
        {L"A\x00E7\x00E3o \x20AC", "A\xE7\xE3o \x80", "A\xE7\xE3o \x80"},
        {L"\xFF41\xFF44\xFF4D\xFF49\xFF4E", std::nullopt, "?????"},   // fullwidth, best fit "admin"
        {L"\x0100\x0107", std::nullopt, "??"},                         // best fit "Ac"
        {L"x\xD83D\xDE00", std::nullopt, "x??"},                       // outside the BMP: two halves
        {L"?", "?", "?"},                                              // a real question mark is exact
        {L"", "", ""},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.lenient);
        EXPECT_EQ(com::to_ansi_exact(r.wide), r.exact);
        EXPECT_EQ(com::to_ansi(r.wide), r.lenient);
    }
}

}  // namespace

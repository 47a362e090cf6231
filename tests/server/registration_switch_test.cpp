#include <gtest/gtest.h>

#include "server/process/registration_switch.h"

namespace {

using server::find_registration_switch;
using server::registration_switch;

struct switch_case {
    const char* command_line;
    registration_switch expected;
};

constexpr switch_case switch_cases[] = {
    {"\"C:\\ZidizUvi\\ZidizUvi.exe\" /RegServer", registration_switch::register_server},
    {"ZidizUvi.exe -regserver", registration_switch::register_server},
    {"ZidizUvi.exe /UNREGSERVER", registration_switch::unregister_server},
    // The rest of the line is compared, so a switch counts only at the end of the line.
    {"ZidizUvi.exe /RegServer /x", registration_switch::none},
    {"ZidizUvi.exe /RegServer ", registration_switch::none},
    // "UnregServer -RegServer" does not match; the scan goes on and finds "RegServer".
    {"ZidizUvi.exe -UnregServer -RegServer", registration_switch::register_server},
    {"ZidizUvi.exe -RegServer -UnregServer", registration_switch::unregister_server},
    {"C:\\ZidizUvi\\ZidizUvi.exe -Embedding", registration_switch::none},
    {"ZidizUvi.exe", registration_switch::none},
    {"", registration_switch::none},
    {"ZidizUvi.exe /", registration_switch::none},
    {"ZidizUvi.exe //RegServer", registration_switch::register_server},
    {"C:\\a-b\\ZidizUvi.exe RegServer", registration_switch::none},
};

TEST(RegistrationSwitch, TheSwitchIsTheRestOfTheLine) {
    for (const auto& c : switch_cases) {
        SCOPED_TRACE(c.command_line);
        EXPECT_EQ(find_registration_switch(c.command_line), c.expected);
    }
}

}  // namespace

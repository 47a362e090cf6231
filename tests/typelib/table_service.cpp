#include "member_table.h"

namespace typelib_table {
namespace {
using enum kind;

constexpr itf interfaces[] = {
    {nullptr, nullptr, false},
};

constexpr member members[] = {
    {nullptr, 0, nullptr, method, nullptr},
};

constexpr coclass coclasses[] = {
    {nullptr, nullptr, false},
};
}  // namespace

subsystem_table service_table() {
    return {L"service", std::span(interfaces).first(0), std::span(members).first(0), std::span(coclasses).first(0)};
}

}  // namespace typelib_table

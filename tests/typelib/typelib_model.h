#pragma once
// The type library reduced to what the documentation fixes, in one form for the built library
// and for the hand-written tables, so that the two can be compared member by member.
#include <oaidl.h>

#include <map>
#include <string>
#include <vector>

#include "tests/typelib/member_table.h"

namespace typelib_model {

struct member {
    int slot = 0;
    std::wstring name;
    typelib_table::kind k = typelib_table::kind::method;
    std::wstring params;    // canonical: "in BSTR, out retval long*"
    int dispid = 0;         // 0: not compared
    bool operator==(const member&) const = default;
};

struct interface_desc {
    std::wstring base;
    bool dual = false;
    int subsystem = -1;     // the subsystem digit of its GUID, or of its table
    std::vector<member> members;    // in slot order
};

struct coclass_desc {
    std::wstring default_itf;
    bool creatable = false;
    int subsystem = -1;     // -1 for creatable classes, whose GUID carries their script number
};

struct library {
    std::map<std::wstring, interface_desc> interfaces;
    std::map<std::wstring, coclass_desc> coclasses;
    std::vector<std::wstring> problems;     // what could not be read or breaks the GUID plan
};

// The subsystems in the order of the GUID plan's digit.
std::vector<typelib_table::subsystem_table> all_tables();

library from_tables(const std::vector<typelib_table::subsystem_table>& tables);
library from_type_library(ITypeLib* lib);

// Canonical form of a parameter list written as in the tables.
std::wstring canonical_params(std::wstring_view text);

// Every difference between the documented library and the built one, one line each.
std::vector<std::wstring> differences(const library& documented, const library& built);

}  // namespace typelib_model

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "platform/com/com_ptr.h"
#include "platform/com/text.h"
#include "tests/typelib/typelib_model.h"

namespace {

using typelib_model::library;

// The library that this test program carries as resource 1, as the server does.
com::com_ptr<ITypeLib> carried_library() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    com::com_ptr<ITypeLib> lib;
    EXPECT_EQ(LoadTypeLibEx(path, REGKIND_NONE, lib.put()), S_OK);
    return lib;
}

std::string utf8(std::wstring_view wide) {
    return com::ansi_to_utf8(com::to_ansi(wide));
}

std::string lines(const std::vector<std::wstring>& texts) {
    std::string out;
    for (const auto& t : texts) out += utf8(t) + "\n";
    return out;
}

library documented() { return typelib_model::from_tables(typelib_model::all_tables()); }

TEST(TypeLibrary, EveryInterfaceAndClassIsAsDocumented) {
    const auto lib = carried_library();
    ASSERT_TRUE(lib);
    const auto diffs = typelib_model::differences(documented(), typelib_model::from_type_library(lib.get()));
    EXPECT_TRUE(diffs.empty()) << diffs.size() << " differences:\n" << lines(diffs);
}

TEST(TypeLibrary, MemberIdsNameOneMemberEachAndIdsAreUnique) {
    const auto lib = carried_library();
    ASSERT_TRUE(lib);
    std::set<std::wstring> guids;
    for (UINT i = 0; i < lib->GetTypeInfoCount(); ++i) {
        TYPEATTR* attr = nullptr;
        com::com_ptr<ITypeInfo> info;
        ASSERT_EQ(lib->GetTypeInfo(i, info.put()), S_OK);
        ASSERT_EQ(info->GetTypeAttr(&attr), S_OK);
        wchar_t text[40] = {};
        StringFromGUID2(attr->guid, text, 40);
        EXPECT_TRUE(guids.insert(text).second) << "id used twice: " << utf8(text);
        info->ReleaseTypeAttr(attr);
    }
    for (const auto& [name, itf] : typelib_model::from_type_library(lib.get()).interfaces) {
        std::map<int, std::wstring> by_id;
        for (const auto& m : itf.members) {
            auto [it, fresh] = by_id.emplace(m.dispid, m.name);
            EXPECT_TRUE(fresh || it->second == m.name)
                << utf8(name) << ": id " << m.dispid << " names " << utf8(it->second) << " and "
                << utf8(m.name);
        }
    }
}

// The comparison must see a member out of place in any interface: exchange the slots of two
// neighbouring members of each documented interface in turn and expect a difference.
TEST(TypeLibrary, TwoMembersExchangedInAnyInterfaceAreSeen) {
    const auto lib = carried_library();
    ASSERT_TRUE(lib);
    const auto built = typelib_model::from_type_library(lib.get());
    const auto doc = documented();
    int exchanged = 0;
    for (const auto& [name, itf] : doc.interfaces) {
        for (size_t i = 0; i + 1 < itf.members.size(); ++i) {
            if (itf.members[i].name == itf.members[i + 1].name) continue;     // a get/put pair
            auto changed = doc;
            auto& members = changed.interfaces[name].members;
            std::swap(members[i].name, members[i + 1].name);
            std::swap(members[i].params, members[i + 1].params);
            std::swap(members[i].k, members[i + 1].k);
            EXPECT_FALSE(typelib_model::differences(changed, built).empty())
                << utf8(name) << ": members " << i << " and " << i + 1 << " exchanged unseen";
            ++exchanged;
            break;
        }
    }
    EXPECT_GT(exchanged, 0);
}

TEST(TypeLibrary, TableSpellingsReachOneCanonicalForm) {
    struct spelling { const wchar_t* table; const wchar_t* canonical; };
    const spelling cases[] = {
        {L"in BSTR, out INT *", L"in BSTR, out int*"},
        {L"in  LONG", L"in long"},
        {L"retval out VARIANT_BOOL*", L"out retval VARIANT_BOOL*"},
        {L"in BYTE, in USHORT, in ULONG", L"in unsigned char, in unsigned short, in unsigned long"},
        {L"out retval IFoo **", L"out retval IFoo**"},
        {L"", L""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(typelib_model::canonical_params(c.table), c.canonical) << utf8(c.table);
}

}  // namespace

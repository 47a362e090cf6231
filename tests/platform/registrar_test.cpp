#include <gtest/gtest.h>

#include <algorithm>

#include "platform/com/registrar.h"
#include "server/process/class_table.h"

namespace {

const GUID libid = {0xD7A30001, 0x4C1E, 0x4F5A, {0x8B, 0x2D, 0x5A, 0x0C, 0x3E, 0x9F, 0x10, 0x00}};

bool has_key(const com::reg_script& s, const std::wstring& key) {
    return std::any_of(s.values.begin(), s.values.end(), [&](const auto& v) { return v.key == key; });
}

TEST(Registrar, ClassScriptWritesTheKeysOfAClass) {
    const GUID clsid = server::clsid_for_script(152);
    const com::class_info pedidos{&clsid, L"Pedidos", 152, false};
    const com::class_info hash{&clsid, L"QVHashTable", 165, true};
    const auto without = com::class_script(L"ZidizUvi", pedidos, L"C:\\Z\\ZidizUvi.exe", server::appid, libid);
    const auto with = com::class_script(L"ZidizUvi", hash, L"C:\\Z\\ZidizUvi.exe", server::appid, libid);

    const std::wstring ck = L"CLSID\\{D7A3C152-4C1E-4F5A-8B2D-5A0C3E9F1000}";
    EXPECT_TRUE(has_key(without, L"ZidizUvi.Pedidos.1\\CLSID"));
    EXPECT_TRUE(has_key(without, ck + L"\\LocalServer32"));
    for (const wchar_t* extra : {L"\\Programmable", L"\\TypeLib"}) EXPECT_FALSE(has_key(without, ck + extra));
    EXPECT_FALSE(has_key(without, L"ZidizUvi.Pedidos\\CurVer"));
    EXPECT_TRUE(has_key(with, L"ZidizUvi.QVHashTable\\CurVer"));
    EXPECT_TRUE(has_key(with, ck + L"\\Programmable"));
    EXPECT_EQ(without.values.front().data, L"Pedidos Class");
    EXPECT_EQ(without.removed, (std::vector<std::wstring>{L"ZidizUvi.Pedidos.1", L"ZidizUvi.Pedidos", ck}));
}

TEST(Registrar, AServerPathWithBlanksIsQuoted) {
    const GUID clsid = server::clsid_for_script(101);
    const com::class_info root{&clsid, L"QV_Inicializa", 101, true};
    const auto s = com::class_script(L"ZidizUvi", root, L"C:\\Program Files\\ZidizUvi.exe", server::appid, libid);
    const auto local = std::find_if(s.values.begin(), s.values.end(),
                                    [](const auto& v) { return v.key.ends_with(L"LocalServer32"); });
    ASSERT_NE(local, s.values.end());
    EXPECT_EQ(local->data, L"\"C:\\Program Files\\ZidizUvi.exe\"");
}

TEST(Registrar, ClassIdsFollowTheScriptNumbers) {
    EXPECT_EQ(com::guid_text(server::clsid_for_script(101)), L"{D7A3C101-4C1E-4F5A-8B2D-5A0C3E9F1000}");
    EXPECT_EQ(com::guid_text(server::clsid_for_script(204)), L"{D7A3C204-4C1E-4F5A-8B2D-5A0C3E9F1000}");
    int without_typelib = 0;
    for (const auto& c : server::creatable_classes) without_typelib += c.typelib_entries ? 0 : 1;
    EXPECT_EQ(without_typelib, 6);
}

}  // namespace

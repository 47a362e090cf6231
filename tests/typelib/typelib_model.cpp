#include "tests/typelib/typelib_model.h"

#include <algorithm>
#include <array>
#include <cwctype>
#include <sstream>

#include "platform/com/com_ptr.h"
#include "platform/com/unique.h"

namespace typelib_model {

using typelib_table::kind;

namespace {

// Joins texts and numbers (GCC 12 has no std::format).
template <class... Args>
std::wstring cat(const Args&... args) {
    std::wostringstream out;
    (out << ... << args);
    return out.str();
}

// Type spellings of the tables that mean the same VARTYPE.
constexpr std::array<std::pair<std::wstring_view, std::wstring_view>, 17> synonyms{{
    {L"INT", L"int"}, {L"LONG", L"long"}, {L"SHORT", L"short"}, {L"BYTE", L"unsigned char"},
    {L"byte", L"unsigned char"}, {L"UCHAR", L"unsigned char"}, {L"USHORT", L"unsigned short"},
    {L"WORD", L"unsigned short"}, {L"ULONG", L"unsigned long"}, {L"DWORD", L"unsigned long"},
    {L"UINT", L"unsigned int"}, {L"BOOL", L"long"}, {L"CY", L"CURRENCY"}, {L"CHAR", L"char"},
    {L"FLOAT", L"float"}, {L"DOUBLE", L"double"}, {L"boolean", L"unsigned char"},
}};

constexpr std::array<std::wstring_view, 4> direction_words{L"in", L"out", L"retval", L"optional"};

std::wstring trim(std::wstring_view s) {
    const auto first = s.find_first_not_of(L" \t");
    if (first == std::wstring_view::npos) return {};
    const auto last = s.find_last_not_of(L" \t");
    return std::wstring(s.substr(first, last - first + 1));
}

// One parameter "<directions> <type>" in canonical form.
std::wstring canonical_param(std::wstring_view text) {
    std::wstring spaced;
    for (wchar_t c : text) {
        if (c == L'*') spaced += L" * ";
        else spaced += c;
    }
    std::wistringstream words(spaced);
    std::array<bool, direction_words.size()> directions{};
    std::wstring type;
    int stars = 0;
    for (std::wstring w; words >> w;) {
        if (w == L"*") { ++stars; continue; }
        const auto d = std::find(direction_words.begin(), direction_words.end(), w);
        if (d != direction_words.end() && type.empty()) {
            directions[d - direction_words.begin()] = true;
            continue;
        }
        for (const auto& [from, to] : synonyms)
            if (w == from) w = to;
        if (!type.empty()) type += L' ';
        type += w;
    }
    std::wstring out;
    for (size_t i = 0; i < direction_words.size(); ++i)
        if (directions[i]) out += std::wstring(direction_words[i]) + L' ';
    return out + type + std::wstring(stars, L'*');
}

std::wstring name_of(ITypeInfo* info, MEMBERID id = MEMBERID_NIL) {
    com::unique_bstr name;
    if (FAILED(info->GetDocumentation(id, name.put(), nullptr, nullptr, nullptr)) || !name) return L"?";
    return name.get();
}

struct type_attr {
    ITypeInfo* info;
    TYPEATTR* attr = nullptr;
    explicit type_attr(ITypeInfo* i) : info(i) { i->GetTypeAttr(&attr); }
    ~type_attr() { if (attr) info->ReleaseTypeAttr(attr); }
    type_attr(const type_attr&) = delete;
    type_attr& operator=(const type_attr&) = delete;
};

struct func_desc {
    ITypeInfo* info;
    FUNCDESC* desc = nullptr;
    func_desc(ITypeInfo* i, UINT index) : info(i) { i->GetFuncDesc(index, &desc); }
    ~func_desc() { if (desc) info->ReleaseFuncDesc(desc); }
    func_desc(const func_desc&) = delete;
    func_desc& operator=(const func_desc&) = delete;
};

std::wstring render_type(ITypeInfo* info, const TYPEDESC& t) {
    switch (t.vt) {
    case VT_I1: return L"char";
    case VT_I2: return L"short";
    case VT_I4: return L"long";
    case VT_I8: return L"hyper";
    case VT_UI1: return L"unsigned char";
    case VT_UI2: return L"unsigned short";
    case VT_UI4: return L"unsigned long";
    case VT_UI8: return L"unsigned hyper";
    case VT_INT: return L"int";
    case VT_UINT: return L"unsigned int";
    case VT_R4: return L"float";
    case VT_R8: return L"double";
    case VT_CY: return L"CURRENCY";
    case VT_DATE: return L"DATE";
    case VT_BSTR: return L"BSTR";
    case VT_BOOL: return L"VARIANT_BOOL";
    case VT_VARIANT: return L"VARIANT";
    case VT_DECIMAL: return L"DECIMAL";
    case VT_ERROR: return L"SCODE";
    case VT_HRESULT: return L"HRESULT";
    case VT_VOID: return L"void";
    case VT_DISPATCH: return L"IDispatch*";
    case VT_UNKNOWN: return L"IUnknown*";
    case VT_PTR: return render_type(info, *t.lptdesc) + L"*";
    case VT_SAFEARRAY: return L"SAFEARRAY(" + render_type(info, *t.lptdesc) + L")";
    case VT_USERDEFINED: {
        com::com_ptr<ITypeInfo> ref;
        if (FAILED(info->GetRefTypeInfo(t.hreftype, ref.put()))) return L"?";
        type_attr attr(ref.get());
        if (attr.attr && attr.attr->typekind == TKIND_ALIAS) return render_type(ref.get(), attr.attr->tdescAlias);
        return name_of(ref.get());
    }
    default: return cat(L"VT", static_cast<int>(t.vt));
    }
}

std::wstring render_param(ITypeInfo* info, const ELEMDESC& e) {
    const USHORT f = e.paramdesc.wParamFlags;
    std::wstring out;
    if (f & PARAMFLAG_FIN) out += L"in ";
    if (f & PARAMFLAG_FOUT) out += L"out ";
    if (f & PARAMFLAG_FRETVAL) out += L"retval ";
    if (f & PARAMFLAG_FOPT) out += L"optional ";
    return out + render_type(info, e.tdesc);
}

kind kind_of(INVOKEKIND k) {
    switch (k) {
    case INVOKE_PROPERTYGET: return kind::get;
    case INVOKE_PROPERTYPUT: return kind::put;
    case INVOKE_PROPERTYPUTREF: return kind::putref;
    default: return kind::method;
    }
}

const wchar_t* kind_text(kind k) {
    switch (k) {
    case kind::get: return L"propget";
    case kind::put: return L"propput";
    case kind::putref: return L"propputref";
    default: return L"method";
    }
}

// The subsystem digit of a GUID of the plan {D7A3Xsnn-4C1E-4F5A-8B2D-5A0C3E9F1000}.
bool in_plan(const GUID& g) {
    static constexpr BYTE tail[8] = {0x8B, 0x2D, 0x5A, 0x0C, 0x3E, 0x9F, 0x10, 0x00};
    return (g.Data1 >> 16) == 0xD7A3 && g.Data2 == 0x4C1E && g.Data3 == 0x4F5A &&
           std::equal(std::begin(tail), std::end(tail), g.Data4);
}
int plan_letter(const GUID& g) { return static_cast<int>((g.Data1 >> 12) & 0xF); }
int plan_subsystem(const GUID& g) { return static_cast<int>((g.Data1 >> 8) & 0xF); }

std::wstring guid_text(const GUID& g) {
    wchar_t text[40] = {};
    StringFromGUID2(g, text, 40);
    return text;
}

void read_interface(ITypeInfo* info, const TYPEATTR& attr, bool dual, library& lib) {
    const std::wstring name = name_of(info);
    interface_desc d;
    d.dual = dual;
    if (!in_plan(attr.guid) || plan_letter(attr.guid) != 0xA)
        lib.problems.push_back(name + L": interface id outside the plan " + guid_text(attr.guid));
    d.subsystem = plan_subsystem(attr.guid);
    if (attr.cImplTypes > 0) {
        HREFTYPE base_ref = 0;
        com::com_ptr<ITypeInfo> base;
        if (SUCCEEDED(info->GetRefTypeOfImplType(0, &base_ref)) &&
            SUCCEEDED(info->GetRefTypeInfo(base_ref, base.put())))
            d.base = name_of(base.get());
    }
    const bool vtable = attr.typekind == TKIND_INTERFACE;
    for (UINT i = 0; i < attr.cFuncs; ++i) {
        func_desc f(info, i);
        if (!f.desc) {
            lib.problems.push_back(name + L": unreadable member");
            continue;
        }
        member m;
        m.slot = vtable ? f.desc->oVft / static_cast<int>(sizeof(void*)) : 7 + static_cast<int>(i);
        m.name = name_of(info, f.desc->memid);
        m.k = kind_of(f.desc->invkind);
        m.dispid = f.desc->memid;
        for (SHORT p = 0; p < f.desc->cParams; ++p) {
            if (p) m.params += L", ";
            m.params += render_param(info, f.desc->lprgelemdescParam[p]);
        }
        if (vtable && f.desc->elemdescFunc.tdesc.vt != VT_HRESULT)
            lib.problems.push_back(name + L"." + m.name + L": does not return HRESULT");
        d.members.push_back(std::move(m));
    }
    std::sort(d.members.begin(), d.members.end(), [](const member& a, const member& b) { return a.slot < b.slot; });
    lib.interfaces[name] = std::move(d);
}

void read_coclass(ITypeInfo* info, const TYPEATTR& attr, library& lib) {
    coclass_desc c;
    c.creatable = (attr.wTypeFlags & TYPEFLAG_FCANCREATE) != 0;
    const std::wstring name = name_of(info);
    const int letter = in_plan(attr.guid) ? plan_letter(attr.guid) : -1;
    if (letter != (c.creatable ? 0xC : 0xD))
        lib.problems.push_back(name + L": class id outside the plan " + guid_text(attr.guid));
    c.subsystem = c.creatable ? -1 : plan_subsystem(attr.guid);
    for (UINT i = 0; i < attr.cImplTypes; ++i) {
        INT flags = 0;
        info->GetImplTypeFlags(i, &flags);
        if (!(flags & IMPLTYPEFLAG_FDEFAULT) || (flags & IMPLTYPEFLAG_FSOURCE)) continue;
        HREFTYPE ref = 0;
        com::com_ptr<ITypeInfo> itf;
        if (SUCCEEDED(info->GetRefTypeOfImplType(i, &ref)) && SUCCEEDED(info->GetRefTypeInfo(ref, itf.put())))
            c.default_itf = name_of(itf.get());
    }
    lib.coclasses[name] = std::move(c);
}

}  // namespace

std::wstring canonical_params(std::wstring_view text) {
    std::wstring out;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t comma = text.find(L',', start);
        const auto piece = trim(text.substr(start, comma == std::wstring_view::npos ? std::wstring_view::npos : comma - start));
        if (!piece.empty()) {
            if (!out.empty()) out += L", ";
            out += canonical_param(piece);
        }
        if (comma == std::wstring_view::npos) break;
        start = comma + 1;
    }
    return out;
}

std::vector<typelib_table::subsystem_table> all_tables() {
    using namespace typelib_table;
    return {server_table(), masterdata_table(), sales_table(), accounting_table(), finance_table(), service_table()};
}

library from_tables(const std::vector<typelib_table::subsystem_table>& tables) {
    library lib;
    for (size_t s = 0; s < tables.size(); ++s) {
        const auto& t = tables[s];
        for (const auto& i : t.interfaces) {
            if (lib.interfaces.contains(i.name)) lib.problems.push_back(std::wstring(i.name) + L": listed twice");
            lib.interfaces[i.name] = {i.base, i.dual, static_cast<int>(s), {}};
        }
        for (const auto& m : t.members) {
            auto found = lib.interfaces.find(m.itf);
            if (found == lib.interfaces.end()) {
                lib.problems.push_back(std::wstring(m.itf) + L"." + m.name + L": member of an unlisted interface");
                continue;
            }
            found->second.members.push_back({m.slot, m.name, m.k, canonical_params(m.params), m.dispid});
        }
        for (const auto& c : t.coclasses) {
            if (lib.coclasses.contains(c.name)) lib.problems.push_back(std::wstring(c.name) + L": listed twice");
            lib.coclasses[c.name] = {c.default_itf, c.creatable, c.creatable ? -1 : static_cast<int>(s)};
        }
    }
    for (auto& [name, d] : lib.interfaces)
        std::stable_sort(d.members.begin(), d.members.end(), [](const member& a, const member& b) { return a.slot < b.slot; });
    return lib;
}

library from_type_library(ITypeLib* tlb) {
    library lib;
    const UINT count = tlb->GetTypeInfoCount();
    for (UINT i = 0; i < count; ++i) {
        com::com_ptr<ITypeInfo> info;
        if (FAILED(tlb->GetTypeInfo(i, info.put()))) {
            lib.problems.push_back(cat(L"type ", i, L" unreadable"));
            continue;
        }
        type_attr attr(info.get());
        if (!attr.attr) continue;
        switch (attr.attr->typekind) {
        case TKIND_DISPATCH:
            if (attr.attr->wTypeFlags & TYPEFLAG_FDUAL) {
                HREFTYPE ref = 0;
                com::com_ptr<ITypeInfo> vtable;
                if (FAILED(info->GetRefTypeOfImplType(static_cast<UINT>(-1), &ref)) ||
                    FAILED(info->GetRefTypeInfo(ref, vtable.put()))) {
                    lib.problems.push_back(name_of(info.get()) + L": no vtable side");
                    break;
                }
                type_attr vattr(vtable.get());
                if (vattr.attr) read_interface(vtable.get(), *vattr.attr, true, lib);
            } else {
                read_interface(info.get(), *attr.attr, false, lib);
            }
            break;
        case TKIND_INTERFACE:
            if (!lib.interfaces.contains(name_of(info.get()))) read_interface(info.get(), *attr.attr, false, lib);
            break;
        case TKIND_COCLASS:
            read_coclass(info.get(), *attr.attr, lib);
            break;
        default:
            break;
        }
    }
    return lib;
}

std::vector<std::wstring> differences(const library& documented, const library& built) {
    std::vector<std::wstring> out = documented.problems;
    out.insert(out.end(), built.problems.begin(), built.problems.end());
    for (const auto& [name, doc] : documented.interfaces) {
        const auto found = built.interfaces.find(name);
        if (found == built.interfaces.end()) {
            out.push_back(name + L": missing from the type library");
            continue;
        }
        const auto& lib = found->second;
        if (doc.base != lib.base) out.push_back(name + L": base " + lib.base + L", documented " + doc.base);
        if (doc.dual != lib.dual) out.push_back(name + (lib.dual ? L": dual, documented not dual" : L": not dual"));
        if (doc.subsystem != lib.subsystem)
            out.push_back(cat(name, L": interface id of subsystem ", lib.subsystem, L", documented in ", doc.subsystem));
        const size_t n = std::max(doc.members.size(), lib.members.size());
        for (size_t i = 0; i < n; ++i) {
            if (i >= lib.members.size()) {
                out.push_back(cat(name, L": slot ", doc.members[i].slot, L" ", doc.members[i].name, L" missing"));
                continue;
            }
            if (i >= doc.members.size()) {
                out.push_back(cat(name, L": slot ", lib.members[i].slot, L" ", lib.members[i].name, L" not documented"));
                continue;
            }
            const auto& d = doc.members[i];
            const auto& b = lib.members[i];
            if (d.slot != b.slot || d.name != b.name || d.k != b.k || d.params != b.params ||
                (d.dispid != 0 && d.dispid != b.dispid))
                out.push_back(cat(name, L": slot ", b.slot, L" is ", kind_text(b.k), L" ", b.name, L" (", b.params,
                                  L") id ", b.dispid, L", documented slot ", d.slot, L" ", kind_text(d.k), L" ",
                                  d.name, L" (", d.params, L") id ", d.dispid));
        }
    }
    for (const auto& [name, lib] : built.interfaces)
        if (!documented.interfaces.contains(name)) out.push_back(name + L": in the type library but not documented");
    for (const auto& [name, doc] : documented.coclasses) {
        const auto found = built.coclasses.find(name);
        if (found == built.coclasses.end()) {
            out.push_back(name + L": coclass missing from the type library");
            continue;
        }
        const auto& lib = found->second;
        if (doc.default_itf != lib.default_itf)
            out.push_back(name + L": default interface " + lib.default_itf + L", documented " + doc.default_itf);
        if (doc.creatable != lib.creatable) out.push_back(name + (lib.creatable ? L": creatable" : L": not creatable"));
        if (doc.subsystem != lib.subsystem)
            out.push_back(cat(name, L": class id of subsystem ", lib.subsystem, L", documented in ", doc.subsystem));
    }
    for (const auto& [name, lib] : built.coclasses)
        if (!documented.coclasses.contains(name)) out.push_back(name + L": coclass in the type library but not documented");
    return out;
}

}  // namespace typelib_model

// IDispatchEx for objects with a fixed set of members: the type library's. Script engines ask an
// object for IDispatchEx before every member they touch until it answers; once it does, a
// member costs GetDispID and InvokeEx and nothing else.
#include "platform/com/dispatch.h"

#include <oleauto.h>

#include <algorithm>
#include <vector>

#include "platform/com/error_info.h"
#include "platform/com/type_info_blocks.h"
#include "platform/com/unique.h"

namespace com {

namespace {

// The members a client may see, in type-library order, each id once (a property's get and put
// share theirs); restricted ones (none in a dual interface's own part) are left out.
std::vector<DISPID> visible_members(ITypeInfo* info) {
    std::vector<DISPID> ids;
    const auto attr = type_attr_of(info);
    for (UINT i = 0, count = attr ? attr->cFuncs : 0; i < count; ++i) {
        const auto desc = func_desc_of(info, i);
        if (!desc || (desc->wFuncFlags & FUNCFLAG_FRESTRICTED)) continue;
        if (std::find(ids.begin(), ids.end(), desc->memid) == ids.end()) ids.push_back(desc->memid);
    }
    return ids;
}

// What the invocation kinds of one member allow: the union over its functions.
DWORD member_properties(ITypeInfo* info, DISPID id) {
    bool found = false, get = false, put = false, put_ref = false, call = false;
    const auto attr = type_attr_of(info);
    for (UINT i = 0, count = attr ? attr->cFuncs : 0; i < count; ++i) {
        const auto desc = func_desc_of(info, i);
        if (!desc || desc->memid != id) continue;
        found = true;
        get |= desc->invkind == INVOKE_PROPERTYGET;
        put |= desc->invkind == INVOKE_PROPERTYPUT;
        put_ref |= desc->invkind == INVOKE_PROPERTYPUTREF;
        call |= desc->invkind == INVOKE_FUNC;
    }
    if (!found) return 0;
    return (get ? fdexPropCanGet : fdexPropCannotGet) | (put ? fdexPropCanPut : fdexPropCannotPut) |
           (put_ref ? fdexPropCanPutRef : fdexPropCannotPutRef) | (call ? fdexPropCanCall : fdexPropCannotCall) |
           fdexPropCannotConstruct | fdexPropCannotSourceEvents;
}

unique_bstr member_name(ITypeInfo* info, DISPID id) {
    unique_bstr name;
    if (FAILED(info->GetDocumentation(id, name.put(), nullptr, nullptr, nullptr))) name.reset();
    return name;
}

}  // namespace

HRESULT dispex_get_dispid(ITypeInfo* info, BSTR name, DWORD flags, DISPID* id) noexcept try {
    if (!id) return E_POINTER;
    *id = DISPID_UNKNOWN;
    if (!info) return E_UNEXPECTED;
    if (!name) return DISP_E_UNKNOWNNAME;
    DISPID found = DISPID_UNKNOWN;
    LPOLESTR names[] = {name};
    // Also under fdexNameEnsure: a member that is not in the type library is never created.
    if (FAILED(info->GetIDsOfNames(names, 1, &found))) return DISP_E_UNKNOWNNAME;
    if (flags & fdexNameCaseSensitive) {
        const unique_bstr declared = member_name(info, found);
        if (!declared || wcscmp(declared.get(), name) != 0) return DISP_E_UNKNOWNNAME;
    }
    *id = found;
    return S_OK;
} catch (...) {
    return current_exception_hresult();
}

HRESULT dispex_invoke(ITypeInfo* info, void* itf, DISPID id, WORD flags, DISPPARAMS* params,
                      VARIANT* result, EXCEPINFO* excep) noexcept try {
    if (flags & DISPATCH_CONSTRUCT) return DISP_E_MEMBERNOTFOUND;
    DISPPARAMS none{};
    if (!params) params = &none;
    // JScript names its `this` as an extra argument; the type library knows no such parameter.
    std::vector<VARIANT> args(params->rgvarg, params->rgvarg + params->cArgs);
    std::vector<DISPID> named(params->rgdispidNamedArgs, params->rgdispidNamedArgs + params->cNamedArgs);
    for (size_t k = named.size(); k-- > 0;) {
        if (named[k] != DISPID_THIS) continue;
        named.erase(named.begin() + static_cast<ptrdiff_t>(k));
        args.erase(args.begin() + static_cast<ptrdiff_t>(k));
    }
    DISPPARAMS plain{args.data(), named.data(), static_cast<UINT>(args.size()), static_cast<UINT>(named.size())};
    UINT arg_err = 0;
    return invoke_dispatch(info, itf, id, flags, &plain, result, excep, &arg_err);
} catch (...) {
    return current_exception_hresult();
}

HRESULT dispex_member_properties(ITypeInfo* info, DISPID id, DWORD fetch, DWORD* props) noexcept try {
    if (!props) return E_POINTER;
    *props = 0;
    if (!info) return E_UNEXPECTED;
    const DWORD all = member_properties(info, id);
    if (!all) return DISP_E_UNKNOWNNAME;
    *props = all & fetch;
    return S_OK;
} catch (...) {
    return current_exception_hresult();
}

HRESULT dispex_member_name(ITypeInfo* info, DISPID id, BSTR* name) noexcept try {
    if (!name) return E_POINTER;
    *name = nullptr;
    if (!info) return E_UNEXPECTED;
    const auto ids = visible_members(info);
    if (std::find(ids.begin(), ids.end(), id) == ids.end()) return DISP_E_UNKNOWNNAME;
    unique_bstr found = member_name(info, id);
    if (!found) return DISP_E_UNKNOWNNAME;
    *name = found.release();
    return S_OK;
} catch (...) {
    return current_exception_hresult();
}

HRESULT dispex_next_dispid(ITypeInfo* info, DISPID id, DISPID* next) noexcept try {
    if (!next) return E_POINTER;
    *next = DISPID_UNKNOWN;
    if (!info) return E_UNEXPECTED;
    const auto ids = visible_members(info);
    auto at = ids.begin();
    if (id != DISPID_STARTENUM) {
        at = std::find(ids.begin(), ids.end(), id);
        if (at == ids.end()) return E_INVALIDARG;
        ++at;
    }
    if (at == ids.end()) return S_FALSE;
    *next = *at;
    return S_OK;
} catch (...) {
    return current_exception_hresult();
}

}  // namespace com

#include "platform/com/dispatch.h"

#include <oleauto.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "platform/com/com_ptr.h"
#include "platform/com/error_info.h"
#include "platform/com/type_info_blocks.h"
#include "platform/com/unique.h"

namespace com {

namespace {

// The VARTYPE a by-reference parameter points at, when a VARIANT can stand in for it.
std::optional<VARTYPE> pointee_type(ITypeInfo* info, const TYPEDESC& desc) {
    if (desc.vt != VT_PTR || !desc.lptdesc) return std::nullopt;
    const TYPEDESC* target = desc.lptdesc;
    if (target->vt == VT_VARIANT) return std::nullopt;   // already what scripts pass
    if (target->vt == VT_USERDEFINED) {
        com_ptr<ITypeInfo> ref;
        if (FAILED(info->GetRefTypeInfo(target->hreftype, ref.put()))) return std::nullopt;
        const auto attr = type_attr_of(ref.get());
        if (!attr) return std::nullopt;
        if (attr->typekind == TKIND_ENUM) return VT_I4;
        if (attr->typekind == TKIND_ALIAS && attr->tdescAlias.vt < VT_PTR) return attr->tdescAlias.vt;
        return std::nullopt;
    }
    if (target->vt == VT_PTR || target->vt == VT_SAFEARRAY || target->vt == VT_CARRAY) return std::nullopt;
    // Same size, and the form Wine's ITypeInfo::Invoke takes for an INT* or UINT* parameter.
    if (target->vt == VT_INT) return VT_I4;
    if (target->vt == VT_UINT) return VT_UI4;
    return target->vt;
}

// Script engines understand only the classic automation types.
VARTYPE script_type(VARTYPE vt) {
    switch (vt) {
    case VT_INT: case VT_UINT: case VT_I1: case VT_UI2: case VT_UI4: return VT_I4;
    case VT_I8: case VT_UI8: return VT_R8;
    default: return vt;
    }
}

struct converted_arg {
    size_t slot;             // index in rgvarg
    VARIANT* target;         // the caller's VARIANT behind VT_BYREF|VT_VARIANT
    VARIANT local;           // holds the typed value the method reads and writes
};

UINT function_count(ITypeInfo* info) {
    const auto attr = type_attr_of(info);
    return attr ? attr->cFuncs : 0;
}

// The first function with this member id and one of these invocation kinds (any kind when 0).
unique_func_desc find_function(ITypeInfo* info, DISPID id, WORD flags) {
    for (UINT i = 0, count = function_count(info); i < count; ++i) {
        auto desc = func_desc_of(info, i);
        if (desc && desc->memid == id && (!flags || (desc->invkind & flags))) return desc;
    }
    return {};
}

// A variable that can never hold a typed result: the method is not called for it, so that
// nothing is written into it (it stays what it was).
bool cannot_take(const VARIANT& v, VARTYPE declared) {
    const VARTYPE vt = V_VT(&v);
    if (vt == VT_NULL || (vt & VT_ARRAY)) return true;
    const bool object = (vt & VT_TYPEMASK) == VT_DISPATCH || (vt & VT_TYPEMASK) == VT_UNKNOWN;
    return object && declared != VT_DISPATCH && declared != VT_UNKNOWN;
}

}  // namespace

HRESULT invoke_dispatch(ITypeInfo* info, void* itf, DISPID id, WORD flags, DISPPARAMS* params,
                        VARIANT* result, EXCEPINFO* excep, UINT* arg_err) noexcept try {
    if (!info) return E_UNEXPECTED;
    // Only a call with a by-reference VARIANT needs the method's description; every other call
    // goes straight to the type library.
    const bool has_variant_ref =
        params && std::any_of(params->rgvarg, params->rgvarg + params->cArgs,
                              [](const VARIANT& v) { return V_VT(&v) == (VT_BYREF | VT_VARIANT); });
    const auto func = has_variant_ref ? find_function(info, id, flags) : unique_func_desc{};
    if (!func) return info->Invoke(itf, id, flags, params, result, excep, arg_err);

    std::vector<VARIANT> args(params->rgvarg, params->rgvarg + params->cArgs);
    std::vector<converted_arg> converted;
    converted.reserve(args.size());
    auto undo = [&] { for (auto& c : converted) VariantClear(&c.local); };

    for (size_t slot = 0; slot < args.size(); ++slot) {
        // Positional arguments come last-first; named ones carry their parameter index.
        const size_t named = params->cNamedArgs;
        const long param = slot < named ? params->rgdispidNamedArgs[slot]
                                        : static_cast<long>(args.size() - 1 - slot);
        if (param < 0 || param >= func->cParams) continue;
        if (V_VT(&args[slot]) != (VT_BYREF | VT_VARIANT) || !V_VARIANTREF(&args[slot])) continue;
        const ELEMDESC& elem = func->lprgelemdescParam[param];
        const auto vt = pointee_type(info, elem.tdesc);
        if (!vt) continue;

        converted_arg c{slot, V_VARIANTREF(&args[slot]), {}};
        VariantInit(&c.local);
        const USHORT pflags = elem.paramdesc.wParamFlags;
        const bool reads_input = (pflags & PARAMFLAG_FIN) || !(pflags & PARAMFLAG_FOUT);
        VARIANT* source = c.target;
        while (V_VT(source) == (VT_BYREF | VT_VARIANT) && V_VARIANTREF(source)) source = V_VARIANTREF(source);
        const bool refused = cannot_take(*source, *vt) ||
                             (reads_input && V_VT(source) != VT_EMPTY &&
                              FAILED(VariantChangeType(&c.local, source, 0, *vt)));
        if (refused) {
            VariantClear(&c.local);
            undo();
            if (arg_err) *arg_err = static_cast<UINT>(slot);
            return DISP_E_TYPEMISMATCH;
        }
        if (!reads_input || V_VT(source) == VT_EMPTY) {
            V_VT(&c.local) = *vt;   // zero value of the declared type
        }
        c.target = source;
        converted.push_back(c);
    }
    for (auto& c : converted) {
        V_VT(&args[c.slot]) = static_cast<VARTYPE>(VT_BYREF | V_VT(&c.local));
        V_BYREF(&args[c.slot]) = &c.local.lVal;   // every member of the union starts here
    }

    DISPPARAMS copy = *params;
    copy.rgvarg = args.data();
    const HRESULT hr = info->Invoke(itf, id, flags, &copy, result, excep, arg_err);
    // Written back on failure too: a method's result code (the login's, say) tells the client
    // why it failed, and a failed method leaves its out parameters defined.
    for (auto& c : converted) {
        {
            VARIANT shown;
            VariantInit(&shown);
            const VARTYPE wanted = script_type(V_VT(&c.local));
            if (wanted != V_VT(&c.local) && SUCCEEDED(VariantChangeType(&shown, &c.local, 0, wanted))) {
                VariantClear(&c.local);
                c.local = shown;
            }
            VariantClear(c.target);
            *c.target = c.local;   // ownership moves to the caller's VARIANT
            VariantInit(&c.local);
        }
    }
    return hr;
} catch (...) {
    return current_exception_hresult();
}

}  // namespace com

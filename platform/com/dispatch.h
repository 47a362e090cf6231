#pragma once
// IDispatch and IDispatchEx over the type library, shared by every dual object.
#include <windows.h>
#include <ole2.h>
#include <dispex.h>

namespace com {

// ITypeInfo::Invoke, except that a by-reference VARIANT argument given for a parameter declared as
// a typed pointer (INT*, BSTR*, ...) is converted to that type and the result written back.
// VBScript passes by-reference arguments only as VARIANTs; compiled clients keep the typed vtable.
HRESULT invoke_dispatch(ITypeInfo* info, void* itf, DISPID id, WORD flags, DISPPARAMS* params,
                        VARIANT* result, EXCEPINFO* excep, UINT* arg_err) noexcept;

// IDispatchEx for an object whose members are exactly those of its type library: no member is
// ever added or deleted.
HRESULT dispex_get_dispid(ITypeInfo* info, BSTR name, DWORD flags, DISPID* id) noexcept;
HRESULT dispex_invoke(ITypeInfo* info, void* itf, DISPID id, WORD flags, DISPPARAMS* params,
                      VARIANT* result, EXCEPINFO* excep) noexcept;
HRESULT dispex_member_properties(ITypeInfo* info, DISPID id, DWORD fetch, DWORD* props) noexcept;
HRESULT dispex_member_name(ITypeInfo* info, DISPID id, BSTR* name) noexcept;
HRESULT dispex_next_dispid(ITypeInfo* info, DISPID id, DISPID* next) noexcept;

}  // namespace com

#pragma once
// IDispatch over the type library, shared by every dual object.
#include <oaidl.h>

namespace com {

// ITypeInfo::Invoke, except that a by-reference VARIANT argument given for a parameter declared as
// a typed pointer (INT*, BSTR*, ...) is converted to that type and the result written back.
// VBScript passes by-reference arguments only as VARIANTs; compiled clients keep the typed vtable.
HRESULT invoke_dispatch(ITypeInfo* info, void* itf, DISPID id, WORD flags, DISPPARAMS* params,
                        VARIANT* result, EXCEPINFO* excep, UINT* arg_err) noexcept;

}  // namespace com

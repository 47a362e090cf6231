#pragma once
// The accessor bodies that the CFRT person and address objects share: a text kept in ANSI and
// handed out as a new BSTR, a number copied both ways, a 16-bit day number answered as "dd/mm/yy".
#include <string>

#include <oleauto.h>

#include "base/QVDataCurta.h"
#include "platform/com/error_info.h"
#include "platform/com/out_param.h"
#include "platform/com/text.h"

namespace masterdata::cfrt {

inline HRESULT get(BSTR* out, const std::string& membro) noexcept { return com::put_text(out, membro); }

inline HRESULT put(std::string& membro, BSTR valor) noexcept try {
    membro = com::from_bstr(valor);
    return S_OK;
} catch (...) {
    return com::current_exception_hresult();
}

template <class T>
HRESULT get(T* out, T membro) noexcept { return com::put_number(out, membro); }

inline HRESULT get_data(BSTR* out, uint16_t dia) noexcept try {
    if (!out) return E_POINTER;
    *out = nullptr;
    return com::put_text(out, std::string(QVFormataData(dia, false)));
} catch (...) {
    return com::current_exception_hresult();
}

}  // namespace masterdata::cfrt

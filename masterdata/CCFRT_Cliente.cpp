#include "masterdata/CCFRT_Cliente.h"

namespace masterdata {

// Only the three freight letters the register knows are answered; anything else is no letter.
HRESULT CCFRT_Cliente::get_FretePorConta(BSTR* pVal) noexcept {
    const char letra = static_cast<char>(m_cFretePorConta);
    const bool conhecida = letra == 'D' || letra == 'E' || letra == 'T';
    return com::put_text(pVal, conhecida ? std::string(1, letra) : std::string());
}

}  // namespace masterdata

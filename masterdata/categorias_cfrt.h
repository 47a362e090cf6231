#pragma once
// The customer categories that name a CFRT's size, type and region, through one customer-category
// server per holder: created and initialised on the first read, kept for the later ones.
#include <vector>

#include "base/CQVString.h"
#include "inhouse_cache.h"
#include "platform/com/com_ptr.h"
#include "platform/inhouse/cache/registros_cache.h"

namespace masterdata {

// Every category that `servidor` holds, in register order (its two answer blocks freed). Throws
// com::failure with `texto` and the server's HRESULT.
std::vector<_REG_CATEGORIAS_PS> le_categorias(IQVDF_Categorias& servidor, const char* texto);

class categorias_cfrt {
public:
    // Every category of the company, in register order. Throws com::failure with `texto` and the
    // server's HRESULT (a server that failed its initialisation is not kept).
    std::vector<_REG_CATEGORIAS_PS> Todas(const CQVString& empresa, WORD usuario, long sessao, const char* texto);

private:
    com::com_ptr<IQVDF_Categorias> m_servidor;
};

}  // namespace masterdata

#pragma once
#include "masterdata/conta_plano_com.h"

namespace masterdata {

class CTW_DF_ContaContabil final : public conta_com<CTW_DF_ContaContabil, ITW_DF_ContaContabil, plano_contabil> {
private:
    ~CTW_DF_ContaContabil() override = default;   // objects come only from com::make
};

}  // namespace masterdata

#pragma once
#include "masterdata/conta_plano_com.h"

namespace masterdata {

class CTW_DF_PlanoContabil final : public plano_com<CTW_DF_PlanoContabil, ITW_DF_PlanoContabil, plano_contabil> {
private:
    ~CTW_DF_PlanoContabil() override = default;   // objects come only from com::make
};

}  // namespace masterdata

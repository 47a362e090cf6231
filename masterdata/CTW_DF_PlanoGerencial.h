#pragma once
#include "masterdata/conta_plano_com.h"

namespace masterdata {

class CTW_DF_PlanoGerencial final : public plano_com<CTW_DF_PlanoGerencial, ITW_DF_PlanoGerencial, plano_gerencial> {
private:
    ~CTW_DF_PlanoGerencial() override = default;   // objects come only from com::make
};

}  // namespace masterdata

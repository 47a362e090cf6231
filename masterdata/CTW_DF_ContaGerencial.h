#pragma once
#include "masterdata/conta_plano_com.h"

namespace masterdata {

class CTW_DF_ContaGerencial final : public conta_com<CTW_DF_ContaGerencial, ITW_DF_ContaGerencial, plano_gerencial> {
private:
    ~CTW_DF_ContaGerencial() override = default;   // objects come only from com::make
};

}  // namespace masterdata

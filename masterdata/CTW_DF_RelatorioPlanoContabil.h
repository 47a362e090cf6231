#pragma once
#include "masterdata/relatorio_plano_com.h"

namespace masterdata {

class CTW_DF_RelatorioPlanoContabil final
    : public relatorio_plano_com<CTW_DF_RelatorioPlanoContabil, ITW_DF_RelatorioPlanoContabil, plano_contabil> {
private:
    ~CTW_DF_RelatorioPlanoContabil() override = default;   // objects come only from com::make
};

}  // namespace masterdata

#pragma once
#include "masterdata/relatorio_plano_com.h"

namespace masterdata {

// The managerial chart's report reads the managerial chart (its own connection), never the
// company chart.
class CTW_DF_RelatorioPlanoGerencial final
    : public relatorio_plano_com<CTW_DF_RelatorioPlanoGerencial, ITW_DF_RelatorioPlanoGerencial, plano_gerencial> {
private:
    ~CTW_DF_RelatorioPlanoGerencial() override = default;   // objects come only from com::make
};

}  // namespace masterdata

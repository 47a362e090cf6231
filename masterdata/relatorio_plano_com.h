#pragma once
// The COM shape of the two chart reports: the report interface and SetConta over
// CTW_DF_RelatorioPlano, on the chart connection that `Chart` names (plano_contabil or
// plano_gerencial): each report prints its own chart.
#include "VAVEDERAZur.h"
#include "masterdata/CTW_DF_RelatorioPlano.h"
#include "masterdata/conta_plano_com.h"
#include "server/root/relatorio_com.h"

namespace masterdata {

template <class Self, class Itf, class Chart>
class relatorio_plano_com : public server::relatorio_com<Self, Itf, CTW_DF_RelatorioPlano> {
public:
    HRESULT STDMETHODCALLTYPE SetConta(BSTR bsConta) noexcept override try {
        CTW_DF_RelatorioPlano::SetConta(bsConta);
        return S_OK;
    } catch (...) {
        return this->report();
    }

    server::arquivo_temporario GravaRelatorio() override { return this->GravaRelatorioPlano(Chart::conexao()); }
};

}  // namespace masterdata

#pragma once
// The sales reports: sales of a period (invoices server), the order list (orders server) and the
// commissions to pay (the commissions report server of the cache), each through the report base.
#include <string>

#include "VAVEDERAZur.h"
#include "sales/relatorio_vendas_base.h"
#include "server/root/relatorio_com.h"

namespace sales {

class CTW_FT_RelatorioVendas final
    : public server::relatorio_com<CTW_FT_RelatorioVendas, ITW_FT_RelatorioVendas, relatorio_vendas_base> {
public:
    HRESULT STDMETHODCALLTYPE SetDataInicial(BSTR bsData) noexcept override;
    HRESULT STDMETHODCALLTYPE SetDataFinal(BSTR bsData) noexcept override;
    HRESULT STDMETHODCALLTYPE SetCliente(BSTR bsCliente) noexcept override;
    HRESULT STDMETHODCALLTYPE SetFilial(BSTR bsFilial) noexcept override;

    server::arquivo_temporario GravaRelatorio() override;

private:
    ~CTW_FT_RelatorioVendas() override = default;   // objects come only from com::make

    long m_lCliente = 0;
};

class CTW_FT_RelatorioRelacaoPedidos final
    : public server::relatorio_com<CTW_FT_RelatorioRelacaoPedidos, ITW_FT_RelatorioRelacaoPedidos,
                                   relatorio_vendas_base> {
public:
    HRESULT STDMETHODCALLTYPE SetDataInicial(BSTR bsData) noexcept override;
    HRESULT STDMETHODCALLTYPE SetDataFinal(BSTR bsData) noexcept override;
    HRESULT STDMETHODCALLTYPE SetCodigoCliente(BSTR bsCliente) noexcept override;
    HRESULT STDMETHODCALLTYPE SetPosicaoRepresentante(ULONG ulPosRepresentante) noexcept override;

    server::arquivo_temporario GravaRelatorio() override;

private:
    ~CTW_FT_RelatorioRelacaoPedidos() override = default;   // objects come only from com::make

    std::string m_sCliente;
    ULONG m_ulRepresentante = 0;
};

class CTW_FT_RelatorioComissoesPagar final
    : public server::relatorio_com<CTW_FT_RelatorioComissoesPagar, ITW_FT_RelatorioComissoesPagar,
                                   relatorio_vendas_base> {
public:
    HRESULT STDMETHODCALLTYPE SetDataInicial(BSTR bsData) noexcept override;
    HRESULT STDMETHODCALLTYPE SetDataFinal(BSTR bsData) noexcept override;
    HRESULT STDMETHODCALLTYPE SetPosicaoRepresentante(ULONG ulPosRepresentante) noexcept override;

    server::arquivo_temporario GravaRelatorio() override;

private:
    ~CTW_FT_RelatorioComissoesPagar() override = default;   // objects come only from com::make

    ULONG m_ulRepresentante = 0;
};

}  // namespace sales

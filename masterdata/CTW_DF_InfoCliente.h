#pragma once
// What an order screen needs of one customer (root factory TW_DF_InfoCliente): SetDados finds the
// customer by its code and loads its record; the getters answer from it, as texts.
#include "VAVEDERAZur.h"
#include "platform/com/object.h"
#include "platform/inhouse/cfrt/QVCFRT.h"

namespace masterdata {

class CTW_DF_InfoCliente final : public com::object<CTW_DF_InfoCliente, ITW_DF_InfoCliente> {
public:
    HRESULT STDMETHODCALLTYPE SetDados(BSTR bsCodigo, VARIANT_BOOL* pvbSucesso) noexcept override;
    HRESULT STDMETHODCALLTYPE GetNome(BSTR* pbsValor) noexcept override;
    HRESULT STDMETHODCALLTYPE GetEndereco(BSTR* pbsValor) noexcept override;
    HRESULT STDMETHODCALLTYPE GetCEP(BSTR* pbsValor) noexcept override;
    HRESULT STDMETHODCALLTYPE GetUf(BSTR* pbsValor) noexcept override;
    HRESULT STDMETHODCALLTYPE GetCodigoTransportadora(BSTR* pbsValor) noexcept override;
    HRESULT STDMETHODCALLTYPE GetPosicaoTabPrecos(BSTR* pbsValor) noexcept override;
    HRESULT STDMETHODCALLTYPE GetPosicaoTipoCobranca(BSTR* pbsValor) noexcept override;
    HRESULT STDMETHODCALLTYPE GetPosicaoFormaPagamento(BSTR* pbsValor) noexcept override;
    HRESULT STDMETHODCALLTYPE GetPosicaoCondicaoPagamento(BSTR* pbsValor) noexcept override;
    HRESULT STDMETHODCALLTYPE GetMunicipio(BSTR* pbsValor) noexcept override;

private:
    ~CTW_DF_InfoCliente() override = default;   // objects come only from com::make

    QVCFRT m_registro{};
};

}  // namespace masterdata

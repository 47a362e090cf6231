#pragma once
// The choice lists of a web order page (root factory TW_FT_Documentos): the company's payment
// forms and billing types (read once, sorted by name) and its valid payment conditions of the
// sales module (read again on every count, sorted by name), with the look-ups of a code by
// position and of the cash condition. Names that compare equal keep the server's order.
#include <vector>

#include "VAVEDERAZur.h"
#include "platform/com/object.h"
#include "platform/inhouse/condicoes/registros_condicao.h"
#include "platform/inhouse/condicoes/registros_documento_pagto.h"

class CConexaoDFSTDC;

namespace sales {

class CTW_FT_Documentos final : public com::object<CTW_FT_Documentos, ITW_FT_Documentos> {
public:
    HRESULT STDMETHODCALLTYPE GetQtdFormaPagamento(USHORT* puQtd) noexcept override;
    HRESULT STDMETHODCALLTYPE GetNomeFormaPagamento(USHORT usPosicao, BSTR* pbsNome) noexcept override;
    HRESULT STDMETHODCALLTYPE GetCodFormaPagamento(USHORT usPosicao, BSTR* pbsCodigo) noexcept override;
    HRESULT STDMETHODCALLTYPE GetQtdCondicaoPagamento(USHORT* puQtd) noexcept override;
    HRESULT STDMETHODCALLTYPE GetNomeCondicaoPagamento(USHORT usPosicao, BSTR* pbsNome) noexcept override;
    HRESULT STDMETHODCALLTYPE GetCodCondicaoPagamento(USHORT usPosicao, BSTR* pbsCodigo) noexcept override;
    HRESULT STDMETHODCALLTYPE GetQtdTipoCobranca(USHORT* puQtd) noexcept override;
    HRESULT STDMETHODCALLTYPE GetNomeTipoCobranca(USHORT usPosicao, BSTR* pbsNome) noexcept override;
    HRESULT STDMETHODCALLTYPE GetCodTipoCobranca(USHORT usPosicao, BSTR* pbsCodigo) noexcept override;
    HRESULT STDMETHODCALLTYPE BuscaFormaPagamento(USHORT usPosicao, BSTR* pbsCodigo) noexcept override;
    HRESULT STDMETHODCALLTYPE BuscaCondicaoPagamento(USHORT usPosicao, BSTR* pbsCodigo) noexcept override;
    HRESULT STDMETHODCALLTYPE BuscaCondicaoAVista(BSTR* pbsCodigo) noexcept override;
    HRESULT STDMETHODCALLTYPE BuscaTipoCobranca(USHORT usPosicao, BSTR* pbsCodigo) noexcept override;

private:
    ~CTW_FT_Documentos() override = default;   // objects come only from com::make

    // Reads the documents of a kind through a connection when the list is empty; their number.
    static USHORT carrega(std::vector<_REG_DOCUMENTOPS>& lista, CConexaoDFSTDC& conexao, const char* tipo,
                          const char* texto_falha);

    std::vector<_REG_DOCUMENTOPS> m_formas;
    std::vector<_REG_DOCUMENTOPS> m_cobrancas;
    std::vector<_REG_COND_PAGTOPS> m_condicoes;
};

}  // namespace sales

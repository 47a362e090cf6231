#pragma once
// The company's payment conditions for web pages (ProgID ZidizUvi.CondicoesPagamento): a list
// read through the payment-condition connection, handed out one condition at a time as
// CCondicaoPagamentoWeb, and the builder of a condition with its instalments for the older web
// order (sales/cria_condicao_pagamento.h). The client initialises it with the root object or
// with company, user and session; every list method needs that first.
#include <memory>
#include <string>
#include <vector>

#include "VAVEDERAZur.h"
#include "ft/ftlibrary/CCondicaoPagamento.h"
#include "platform/com/com_ptr.h"
#include "platform/com/object.h"
#include "platform/inhouse/acesso/CConexaoCondicaoPagamento.h"
#include "server/process/class_table.h"

namespace sales {

class CCondicaoPagamentoWeb;

class CCondicoesPagamento final : public com::object<CCondicoesPagamento, ICondicoesPagamento> {
public:
    static constexpr com::class_info info = server::class_info_of(L"CondicoesPagamento", &CLSID_CondicoesPagamento);

    CCondicoesPagamento();

    HRESULT STDMETHODCALLTYPE Inicializa(IQV_Inicializa* pInicializa) noexcept override;
    HRESULT STDMETHODCALLTYPE BuscaPonteiros(LONG* lQuantidade) noexcept override;
    HRESULT STDMETHODCALLTYPE BuscaPosicaoPelaData(BSTR bsDataValidade, LONG lPosicao,
                                                   ICondicaoPagamentoWeb** ppCondicaoPagamentoWeb) noexcept override;
    HRESULT STDMETHODCALLTYPE Le(LONG lPosicao, ICondicaoPagamentoWeb** ppCondicaoPagamento) noexcept override;
    HRESULT STDMETHODCALLTYPE BuscaPonteiros2(BSTR bsModulo, LONG* lQuantidade) noexcept override;
    HRESULT STDMETHODCALLTYPE Inicializa2(BSTR bsEmpresa, LONG lUsuario, LONG lNumeroSessao) noexcept override;
    HRESULT STDMETHODCALLTYPE BuscaPosicao(LONG lPosicao, ICondicaoPagamentoWeb** ppCondicaoPagamentoWeb) noexcept override;

    // The condition at register position `posicao` with its instalments over `total` from
    // `dataBase` (0: today), in the list's session; throws com::failure.
    std::unique_ptr<CCondicaoPagamento> CriaCondicaoPagamento(WORD posicao, CURRENCY total, WORD dataBase);

    // The list object behind an interface that one of these objects handed out (by identity);
    // null for any other object.
    static CCondicoesPagamento* de_interface(ICondicoesPagamento* lista) noexcept;

private:
    ~CCondicoesPagamento() override;   // objects come only from com::make

    static HRESULT relata() noexcept;
    void exige_inicializacao() const;
    void inicializa_conexao(const CQVString& empresa, WORD usuario, long sessao);
    // A new condition object holding `registro`.
    com::com_ptr<ICondicaoPagamentoWeb> nova_condicao(const _REG_COND_PAGTOPS& registro);
    // The listed condition at lPosicao, or null past the list; E_INVALIDARG for a negative one.
    const _REG_COND_PAGTOPS* listada(LONG lPosicao) const;

    com::com_ptr<IQV_Inicializa> m_raiz;   // kept from Inicializa (one reference)
    bool m_bInicializado = false;
    // The session of Inicializa2 (Inicializa's comes from the kept root object).
    CQVString m_sEmpresa;
    WORD m_iUsuario = 0;
    long m_lNumeroSessao = 0;
    CConexaoCondicaoPagamento m_conexao;
    std::vector<_REG_COND_PAGTOPS> m_condicoes;
};

}  // namespace sales

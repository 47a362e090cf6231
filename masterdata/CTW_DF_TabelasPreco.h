#pragma once
// The sales price tables open today, for web pages: product tables or service tables (SetTipo).
// Every BuscaPonteiros reads the tables of the current kind again, so a table blocked or expired
// meanwhile is no longer listed; LePosicao and the getters read one, GetTabelaPreco checks one by
// code. A table is offered while it is not blocked and its validity (0: none) is after today.
#include <vector>

#include "VAVEDERAZur.h"
#include "platform/com/object.h"

namespace masterdata {

// One listed table.
struct _TW_DF_TabelasPreco {
    char codigo[12];
    char nome[52];
    uint16_t validade;
};

class CTW_DF_TabelasPreco final : public com::object<CTW_DF_TabelasPreco, ITW_DF_TabelasPreco> {
public:
    HRESULT STDMETHODCALLTYPE BuscaPonteiros(ULONG* pulQuantidade) noexcept override;
    HRESULT STDMETHODCALLTYPE LePosicao(ULONG ulPosArray) noexcept override;
    HRESULT STDMETHODCALLTYPE GetCodigo(BSTR* pbsCodigo) noexcept override;
    HRESULT STDMETHODCALLTYPE GetNome(BSTR* pbsNome) noexcept override;
    HRESULT STDMETHODCALLTYPE SetTipo(VARIANT_BOOL vbServico) noexcept override;
    HRESULT STDMETHODCALLTYPE GetValidade(BSTR* pbsValidade) noexcept override;
    HRESULT STDMETHODCALLTYPE GetTabelaPreco(BSTR bsCodigo, VARIANT_BOOL* pvbExiste) noexcept override;

private:
    ~CTW_DF_TabelasPreco() override = default;   // objects come only from com::make

    std::vector<_TW_DF_TabelasPreco>& lista() noexcept { return m_bServico ? m_servicos : m_produtos; }

    _TW_DF_TabelasPreco m_atual{};
    bool m_bServico = false;
    char m_cTipo = 'V';
    std::vector<_TW_DF_TabelasPreco> m_produtos;
    std::vector<_TW_DF_TabelasPreco> m_servicos;
};

}  // namespace masterdata

#pragma once
// A whole chart loaded into memory, a cursor on one of its accounts and the list's sort order:
// the base of the company and managerial chart classes, which supply the load from their
// chart's connection.
#include <windows.h>
#include <oaidl.h>

#include "base/CQVArray.h"
#include "platform/inhouse/acesso/QVAcesso.h"

namespace masterdata {

// The texts a chart reports while it loads.
struct textos_plano {
    const char* tamanho;
    const char* indices;
};

class CTW_DF_Plano {
public:
    CTW_DF_Plano() = default;
    CTW_DF_Plano(const CTW_DF_Plano&) = delete;
    CTW_DF_Plano& operator=(const CTW_DF_Plano&) = delete;
    virtual ~CTW_DF_Plano() = default;

    virtual HRESULT STDMETHODCALLTYPE BuscaPonteiros(LONG* pulQuantidade) noexcept = 0;
    virtual HRESULT STDMETHODCALLTYPE LePosicao(ULONG ulPosArray) noexcept;
    virtual HRESULT STDMETHODCALLTYPE GetCodigo(BSTR* pbsCodigo) noexcept;
    virtual HRESULT STDMETHODCALLTYPE GetNome(BSTR* pbsNome) noexcept;
    virtual HRESULT STDMETHODCALLTYPE GetClassificacao(BSTR* pbsClassificacao) noexcept;
    virtual HRESULT STDMETHODCALLTYPE GetTipo(BSTR* pbsTipo) noexcept;
    virtual HRESULT STDMETHODCALLTYPE SetOrdenacao(USHORT usOrdem) noexcept;

protected:
    // Loads the chart once from the connection and gives its size; throws com::failure. A chart
    // loaded before is not read again (nor sorted again); a failed load leaves it empty.
    LONG Carrega(CConexaoPlano& conexao, const textos_plano& textos);

    _RegContaPS m_RegConta{};
    CQVArray<_RegContaPS> m_Plano{false};
};

}  // namespace masterdata

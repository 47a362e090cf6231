#pragma once
// The COM shape shared by the company and managerial chart classes: each is its base class
// (CTW_DF_Conta or CTW_DF_Plano) behind its own dual interface, on one connection of the
// process-wide pool; `Chart` says which connection and which texts.
#include "VAVEDERAZur.h"
#include "masterdata/CTW_DF_Conta.h"
#include "masterdata/CTW_DF_Plano.h"
#include "platform/com/object.h"

namespace masterdata {

template <class Self, class Itf, class Chart>
class conta_com : public com::object<Self, Itf>, public CTW_DF_Conta {
public:
    HRESULT STDMETHODCALLTYPE SetCodigo(BSTR bsCodigo, VARIANT_BOOL* pvbExiste) noexcept override try {
        if (!pvbExiste) return E_POINTER;
        *pvbExiste = VARIANT_FALSE;
        *pvbExiste = Procura(Chart::conexao(), bsCodigo) ? VARIANT_TRUE : VARIANT_FALSE;
        return S_OK;
    } catch (...) {
        return this->report();
    }
    HRESULT STDMETHODCALLTYPE GetNome(BSTR* p) noexcept override { return CTW_DF_Conta::GetNome(p); }
    HRESULT STDMETHODCALLTYPE GetClassificacao(BSTR* p) noexcept override { return CTW_DF_Conta::GetClassificacao(p); }
    HRESULT STDMETHODCALLTYPE GetTipo(BSTR* p) noexcept override { return CTW_DF_Conta::GetTipo(p); }
};

template <class Self, class Itf, class Chart>
class plano_com : public com::object<Self, Itf>, public CTW_DF_Plano {
public:
    HRESULT STDMETHODCALLTYPE BuscaPonteiros(LONG* pulQuantidade) noexcept override try {
        if (!pulQuantidade) return E_POINTER;
        *pulQuantidade = 0;
        *pulQuantidade = Carrega(Chart::conexao(), Chart::textos);
        return S_OK;
    } catch (...) {
        return this->report();
    }
    HRESULT STDMETHODCALLTYPE LePosicao(ULONG p) noexcept override { return CTW_DF_Plano::LePosicao(p); }
    HRESULT STDMETHODCALLTYPE GetCodigo(BSTR* p) noexcept override { return CTW_DF_Plano::GetCodigo(p); }
    HRESULT STDMETHODCALLTYPE GetNome(BSTR* p) noexcept override { return CTW_DF_Plano::GetNome(p); }
    HRESULT STDMETHODCALLTYPE GetClassificacao(BSTR* p) noexcept override { return CTW_DF_Plano::GetClassificacao(p); }
    HRESULT STDMETHODCALLTYPE GetTipo(BSTR* p) noexcept override { return CTW_DF_Plano::GetTipo(p); }
    HRESULT STDMETHODCALLTYPE SetOrdenacao(USHORT o) noexcept override { return CTW_DF_Plano::SetOrdenacao(o); }
};

// The two charts: pool slot 4, the company chart, and pool slot 5, the managerial chart.
struct plano_contabil {
    static CConexaoPlano& conexao();
    static const textos_plano textos;
};
struct plano_gerencial {
    static CConexaoPlano& conexao();
    static const textos_plano textos;
};

}  // namespace masterdata

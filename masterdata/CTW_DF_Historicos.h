#pragma once
// The company's standard histories for web pages: the first BuscaPonteiros loads the whole
// register from the history server of the process-wide pool, sorted by classification; a
// cursor (LePosicao) then reads any entry, and SetOrdenacao sorts the list again.
#include <vector>

#include "VAVEDERAZur.h"
#include "inhouse_historico.h"
#include "platform/com/object.h"

namespace masterdata {

using REG_HISTORICO = __MIDL___MIDL_itf_CNSHIS_0000_0000_0002;

class CTW_DF_Historicos final : public com::object<CTW_DF_Historicos, ITW_DF_Historicos> {
public:
    HRESULT STDMETHODCALLTYPE BuscaPonteiros(ULONG* pulQuantidade) noexcept override;
    HRESULT STDMETHODCALLTYPE LePosicao(ULONG ulPosArray) noexcept override;
    HRESULT STDMETHODCALLTYPE GetCodigo(BSTR* pbsCodigo) noexcept override;
    HRESULT STDMETHODCALLTYPE GetNome(BSTR* pbsNome) noexcept override;
    HRESULT STDMETHODCALLTYPE GetClassificacao(BSTR* pbsClassificacao) noexcept override;
    HRESULT STDMETHODCALLTYPE SetOrdenacao(USHORT usOrdem) noexcept override;

    // Makes the first loaded history whose code reads as `codigo` the current one; *encontrado 1
    // then, 0 when there is none.
    virtual HRESULT LocalizaCodigo(ULONG codigo, USHORT* encontrado) noexcept;

private:
    ~CTW_DF_Historicos() override = default;   // objects come only from com::make

    std::vector<REG_HISTORICO> m_historicos;   // empty until a load succeeds
    REG_HISTORICO m_atual{};
};

}  // namespace masterdata

#pragma once
// The company's branches for web pages, with the session user's active ones: the first
// BuscaPonteiros loads every branch of the register through the process-wide pool; a cursor
// (LePosicao) then reads any entry, SetOrdenacao sorts the list, and SetAtiva writes the user's
// flag of the current branch. Each entry keeps its register position, so that after a sort the
// flag written and the branch found by code are still the entry's own.
#include <cstdint>
#include <string>
#include <vector>

#include "VAVEDERAZur.h"
#include "platform/com/object.h"
#include "platform/inhouse/login/registros_login.h"

namespace masterdata {

struct _TW_DF_Filial {
    std::string nome;
    uint16_t codigo = 0;
    uint8_t ativa = 0;     // 0 or 1
    long posicao = 0;      // register position, 1 to 999
};

class CTW_DF_ListaFiliais final : public com::object<CTW_DF_ListaFiliais, ITW_DF_ListaFiliais> {
public:
    HRESULT STDMETHODCALLTYPE BuscaPonteiros(ULONG* pulQuantidade) noexcept override;
    HRESULT STDMETHODCALLTYPE LePosicao(ULONG ulPosArray) noexcept override;
    HRESULT STDMETHODCALLTYPE GetCodigo(USHORT* pusCodigo) noexcept override;
    HRESULT STDMETHODCALLTYPE GetNome(BSTR* pbsNome) noexcept override;
    HRESULT STDMETHODCALLTYPE GetAtiva(VARIANT_BOOL* pvbAtiva) noexcept override;
    HRESULT STDMETHODCALLTYPE SetAtiva(VARIANT_BOOL vbAtiva) noexcept override;
    HRESULT STDMETHODCALLTYPE GetQtdFiliaisAtivas(ULONG* pulQuantidade) noexcept override;
    HRESULT STDMETHODCALLTYPE GetQtdFiliaisInativas(ULONG* pulQuantidade) noexcept override;
    HRESULT STDMETHODCALLTYPE GetFilial(BSTR bsCodigo, VARIANT_BOOL* pvbExiste) noexcept override;
    HRESULT STDMETHODCALLTYPE SetOrdenacao(USHORT usOrdem) noexcept override;

private:
    ~CTW_DF_ListaFiliais() override = default;   // objects come only from com::make

    // Loads the register once; throws on a failure, leaving the list empty.
    ULONG carrega();
    const _TW_DF_Filial* atual() const noexcept { return m_atual < m_filiais.size() ? &m_filiais[m_atual] : nullptr; }

    size_t m_atual = SIZE_MAX;   // the current entry's index; none before the first LePosicao
    inhouse::FILIAIS_ATIVAS m_bloco{};
    std::vector<_TW_DF_Filial> m_filiais;   // empty until a load succeeds
};

}  // namespace masterdata

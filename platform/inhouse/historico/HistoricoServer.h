#pragma once
// The standard-history server (IQVCN_Historico) over the store's `historico` table: one row per
// history, at a register position (1..65535) that is also its main id.
#include "inhouse_historico.h"
#include "platform/inhouse/core/servidor_sessao.h"

namespace inhouse {

// The answer of Le for a position that holds no history.
inline constexpr HRESULT QV_E_HISTORICO_DESCONHECIDO = static_cast<HRESULT>(0x80040240u);

class HistoricoServer final : public servidor_partes_sessao<HistoricoServer, IQVCN_Historico> {
public:
    using servidor_partes_sessao::servidor_partes_sessao;

    ZU_RESERVADO(04) ZU_RESERVADO(05) ZU_RESERVADO(06) ZU_RESERVADO(07) ZU_RESERVADO(08) ZU_RESERVADO(09)
    ZU_RESERVADO(10) ZU_RESERVADO(11) ZU_RESERVADO(12) ZU_RESERVADO(13)
    HRESULT STDMETHODCALLTYPE Posicoes(LONG reservado1, LONG reservado2, LONG reservado3, WORD* quantidade,
                                       __MIDL___MIDL_itf_CNSHIS_0000_0000_0001* posicoes) noexcept override;
    ZU_RESERVADO(15) ZU_RESERVADO(16)
    HRESULT STDMETHODCALLTYPE Quantidade(WORD* quantidade) noexcept override;
    ZU_RESERVADO(18) ZU_RESERVADO(19) ZU_RESERVADO(20) ZU_RESERVADO(21)
    HRESULT STDMETHODCALLTYPE Le(LONG posicao, __MIDL___MIDL_itf_CNSHIS_0000_0000_0002* historico) noexcept override;

private:
    ~HistoricoServer() override = default;   // objects come only from com::make
};

}  // namespace inhouse

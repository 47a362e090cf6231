#pragma once
// The visits of the logged-in representative in a date range (root factory
// TW_FT_AgendamentosVisitas): searched on the visit server of the server cache, read one by one
// into visit objects, and their results saved back.
#include <cstdint>
#include <vector>

#include "VAVEDERAZur.h"
#include "platform/com/object.h"

namespace sales {

class CTW_FT_AgendamentosVisitas final : public com::object<CTW_FT_AgendamentosVisitas, ITW_FT_AgendamentosVisitas> {
public:
    HRESULT STDMETHODCALLTYPE BuscaQuantidadeAgendamentosVisitas(BSTR bsData, LONG* plQuantidade) noexcept override;
    HRESULT STDMETHODCALLTYPE LeAgendamentoVisita(LONG lPosicao,
                                                  ITW_FT_AgendamentoVisita** ppIAgendamentoVisita) noexcept override;
    HRESULT STDMETHODCALLTYPE SetIntervalo(BSTR bsDataInicial, BSTR bsDataFinal) noexcept override;
    HRESULT STDMETHODCALLTYPE GravarDadosVisita(LONG lPosicao, ITW_FT_AgendamentoVisita* pIAgendamentoVisita) noexcept override;

private:
    ~CTW_FT_AgendamentosVisitas() override = default;   // objects come only from com::make

    // The position of the visit at an index of the last answer; outside it, com::failure.
    uint32_t posicao(LONG indice) const;

    uint16_t m_inicio = 0;
    uint16_t m_fim = 0;
    std::vector<uint32_t> m_posicoes;   // the last answer
};

}  // namespace sales

#pragma once
// The earlier visit schedule (the root's FT_AgendamentoVisitas): a representative's visits of a
// day, every question about a visit by its position, and a visit's results recorded from a filled
// hash table. It keeps its own visit server and the last visit it read.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "VAVEDERAZur.h"
#include "inhouse_cache.h"
#include "platform/com/com_ptr.h"
#include "platform/com/object.h"
#include "platform/inhouse/cache/registros_visita.h"

namespace sales {

class CAgendamentoVisitas final : public com::object<CAgendamentoVisitas, IAgendamentoVisitas> {
public:
    // Creates and starts the visit server; a failure throws com::failure.
    void Inicializa(const char* empresa, WORD usuario, long sessao);

    HRESULT STDMETHODCALLTYPE SetIntervalo(BSTR bsDataInicial, BSTR bsDataFinal) noexcept override;
    HRESULT STDMETHODCALLTYPE SetRepresentante(LONG lPos) noexcept override;
    HRESULT STDMETHODCALLTYPE GetQtdeAgendamentos(BSTR bsData, LONG* plQuantidade) noexcept override;
    HRESULT STDMETHODCALLTYPE GetQtdeAgendamentosNaoEfetuados(LONG* plQuantidade) noexcept override;
    HRESULT STDMETHODCALLTYPE GetNrAgendamento(LONG lPonteiro, BSTR* pbsNrAgendamento) noexcept override;
    HRESULT STDMETHODCALLTYPE GetData(LONG lPonteiro, BSTR* pbsData) noexcept override;
    HRESULT STDMETHODCALLTYPE GetCliente(LONG lPonteiro, LONG* plCliente) noexcept override;
    HRESULT STDMETHODCALLTYPE GetSituacaoVisita(LONG lPonteiro, LONG* plSituacao) noexcept override;
    HRESULT STDMETHODCALLTYPE GetVendaEfetuada(LONG lPonteiro, SHORT* psVendaEfetuada) noexcept override;
    HRESULT STDMETHODCALLTYPE GetValorVenda(LONG lPonteiro, BSTR* pbsValorVenda) noexcept override;
    HRESULT STDMETHODCALLTYPE GetPonteiro(LONG lPos, LONG* plPonteiro) noexcept override;
    HRESULT STDMETHODCALLTYPE GetObservacoesAgendamento(LONG lPonteiro, BSTR* pbsObservacoes) noexcept override;
    HRESULT STDMETHODCALLTYPE GetObservacoesVisita(LONG lPonteiro, BSTR* pbsObservacoes) noexcept override;
    HRESULT STDMETHODCALLTYPE GetTipoPeriodo(LONG lPonteiro, SHORT* psTipoPeriodo) noexcept override;
    HRESULT STDMETHODCALLTYPE GetConsiderarDiaUtil(LONG lPonteiro, SHORT* psConsiderarDiaUtil) noexcept override;
    HRESULT STDMETHODCALLTYPE GetAtendidoPor(LONG lPonteiro, BSTR* pbsAtendidoPor) noexcept override;
    HRESULT STDMETHODCALLTYPE GetReagendadaPara(LONG lPonteiro, BSTR* pbsData) noexcept override;
    HRESULT STDMETHODCALLTYPE GetRecalcularProximosReagendamentos(LONG lPonteiro, SHORT* psRecalcular) noexcept override;
    HRESULT STDMETHODCALLTYPE AlteraAgendamento(LONG lPonteiro, IQVHashTable* pHash, LONG* plResultado) noexcept override;

private:
    ~CAgendamentoVisitas() override = default;   // objects come only from com::make

    // The visit at a position, read from the server unless it is the one held.
    const inhouse::REG_AGENDAMENTO_VISITA& visita(LONG ponteiro);
    IQVFT_Agendamentos* servidor() const;

    std::string m_empresa;
    WORD m_usuario = 0;
    long m_sessao = 0;
    std::optional<uint32_t> m_posicao_lida;
    inhouse::REG_AGENDAMENTO_VISITA m_registro{};
    uint16_t m_inicio = 0;
    uint16_t m_fim = 0;
    std::vector<uint32_t> m_posicoes;
    uint32_t m_representante = 0;
    com::com_ptr<IQVFT_Agendamentos> m_servidor;
};

}  // namespace sales

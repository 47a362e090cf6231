#pragma once
// One scheduled visit and its results (root factory TW_FT_AgendamentoVisita, and handed out by the
// visit list): getters and setters over the visit record it owns.
#include "VAVEDERAZur.h"
#include "platform/com/object.h"
#include "platform/inhouse/cache/registros_visita.h"

namespace sales {

class CTW_FT_AgendamentoVisita final : public com::object<CTW_FT_AgendamentoVisita, ITW_FT_AgendamentoVisita> {
public:
    HRESULT STDMETHODCALLTYPE GetNrAgendamento(BSTR* pbsNrAgendamento) noexcept override;
    HRESULT STDMETHODCALLTYPE GetData(BSTR* pbsData) noexcept override;
    HRESULT STDMETHODCALLTYPE GetCliente(LONG* plCliente) noexcept override;
    HRESULT STDMETHODCALLTYPE GetSituacaoVisita(LONG* plSituacao) noexcept override;
    HRESULT STDMETHODCALLTYPE SetSituacaoVisita(LONG lSituacao) noexcept override;
    HRESULT STDMETHODCALLTYPE GetVendaEfetuada(VARIANT_BOOL* pvbVendaEfetuada) noexcept override;
    HRESULT STDMETHODCALLTYPE SetVendaEfetuada(VARIANT_BOOL vbVendaEfetuada) noexcept override;
    HRESULT STDMETHODCALLTYPE GetValorVenda(BSTR* pbsValorVenda) noexcept override;
    HRESULT STDMETHODCALLTYPE SetValorVenda(BSTR bsValorVenda) noexcept override;
    HRESULT STDMETHODCALLTYPE GetObservacoesAgendamento(BSTR* pbsObservacoes) noexcept override;
    HRESULT STDMETHODCALLTYPE GetObservacoesVisita(BSTR* pbsObservacoes) noexcept override;
    HRESULT STDMETHODCALLTYPE SetObsVisita(BSTR bsObservacoes) noexcept override;
    HRESULT STDMETHODCALLTYPE GetTipoPeriodo(SHORT* psTipoPeriodo) noexcept override;
    HRESULT STDMETHODCALLTYPE GetConsiderarDiaUtil(SHORT* psConsiderarDiaUtil) noexcept override;
    HRESULT STDMETHODCALLTYPE GetAtendidoPor(BSTR* pbsAtendidoPor) noexcept override;
    HRESULT STDMETHODCALLTYPE SetAtendidoPor(BSTR bsAtendidoPor) noexcept override;
    HRESULT STDMETHODCALLTYPE GetReagendadaPara(BSTR* pbsData) noexcept override;
    HRESULT STDMETHODCALLTYPE SetReagendadoPara(BSTR bsData) noexcept override;
    HRESULT STDMETHODCALLTYPE GetRecalcularProximosReagendamentos(VARIANT_BOOL* pvbRecalcular) noexcept override;
    HRESULT STDMETHODCALLTYPE SetRecalcularAgendamento(VARIANT_BOOL vbRecalcular) noexcept override;

    // The visit this object shows (the list hands it over after reading it).
    void SetRegistro(const inhouse::REG_AGENDAMENTO_VISITA& registro) noexcept { m_registro = registro; }
    const inhouse::REG_AGENDAMENTO_VISITA& GetRegistro() const noexcept { return m_registro; }

private:
    ~CTW_FT_AgendamentoVisita() override = default;   // objects come only from com::make

    inhouse::REG_AGENDAMENTO_VISITA m_registro{};
};

}  // namespace sales

// Members of the root object whose behaviour is not built yet: each answers E_NOTIMPL with a text
// the client can read, its out values emptied. Building one replaces its line here.
#include "server/root/CQV_Inicializa.h"
#include "server/messages.h"
#include "platform/com/failure.h"

namespace server {

template <class... Saida>
HRESULT CQV_Inicializa::pendente(Saida*... saidas) noexcept try {
    ((saidas ? void(*saidas = {}) : void()), ...);
    com::fail(msg::nao_disponivel, E_NOTIMPL);
} catch (...) {
    return report();
}

HRESULT CQV_Inicializa::get_ConexaoAtTec(IWebGE_ConexaoAtTec** pVal) noexcept {
    return pendente(pVal);
}

HRESULT CQV_Inicializa::GED_FazBuscaRapida(BSTR, IWebGD_ResultadoBuscaRapida** ppResultado) noexcept {
    return pendente(ppResultado);
}

HRESULT CQV_Inicializa::GED_BuscaDistribuicao(ULONG, IWebGD_ResultadoBuscaRapida** ppResultado) noexcept {
    return pendente(ppResultado);
}

HRESULT CQV_Inicializa::FN_PosicaoFinanceira(ULONG, BSTR, BSTR, IWebFN_HistoricoTitulos** ppResultado) noexcept {
    return pendente(ppResultado);
}

HRESULT CQV_Inicializa::FN_SaldoContas(BSTR, BSTR, LONG, IWebFN_ResultadoSaldos** ppResultado) noexcept {
    return pendente(ppResultado);
}

HRESULT CQV_Inicializa::FN_FluxoCaixa(IQVHashTable*, IWebFN_ResultadoFluxoCaixa** ppResultado) noexcept {
    return pendente(ppResultado);
}

HRESULT CQV_Inicializa::FN_FluxoCaixaRel(IQVHashTable*, BSTR* pbsRelatorio) noexcept {
    return pendente(pbsRelatorio);
}

}  // namespace server

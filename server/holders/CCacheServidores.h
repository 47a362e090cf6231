#pragma once
// The process-wide cache of the data servers' interfaces. Each slot is created on first use
// through the retrying creation (QVCriaInstancia: context 23, log and retry while the server is
// unavailable), initialised once with the session of the process-wide holder (CSessaoGlobal),
// and kept until the session reset. Two slots hold in-process helpers instead: the customer and
// supplier accessor (CBufferCFRT, slot 10) and the receivables/payables reader (CRecPagTes,
// slot 15).
//
// Callers ask the cache each time and keep what they get only for the call at hand:
//
//     com::com_ptr<IQVFT_Pedidos> pedidos = server::CCacheServidores::GetInstancia()->GetServidorPedidos();
//     if (!pedidos) com::fail("Erro ao gravar Pedido.");     // the server could not be created
//
// An interface getter hands the caller its own reference (empty when the creation failed; the
// next call tries again). Without a logged-in session a getter throws com::failure and creates
// nothing. The object getters keep ownership: never delete what they return.
#include <array>
#include <memory>

#include "inhouse_cache.h"
#include "inhouse_login.h"
#include "platform/com/com_ptr.h"
#include "server/holders/process_wide.h"

class CBufferCFRT;
class CRecPagTes;

namespace server {

// GetInstancia (all slots empty at first), Destroi (part of the session reset) and Existe come
// from process_wide.
class CCacheServidores : public process_wide<CCacheServidores> {
public:
    static constexpr int quantidade_slots = 22;

    CCacheServidores(const CCacheServidores&) = delete;
    CCacheServidores& operator=(const CCacheServidores&) = delete;
    // Deletes the accessor (10) and the reader (15), then releases slots 21 down to 0.
    ~CCacheServidores();

    com::com_ptr<IQVCN_SaldosContabeis> GetServidorSaldosContabeis();          // 0
    com::com_ptr<IQVCN_MestreContabil> GetServidorMestreContabil();            // 1
    com::com_ptr<IQVFN_Portadores> GetServidorPortadores();                    // 3
    com::com_ptr<IQVFT_NotasFiscais> GetServidorNotasFiscais();                // 4
    com::com_ptr<IQVFT_CondicoesPagamento> GetServidorCondicoesPagamento();    // 6
    com::com_ptr<IQVDF_Categorias> GetServidorCategorias();                    // 7
    com::com_ptr<IQVFT_TabelasPreco> GetServidorTabelasPreco();                // 8
    com::com_ptr<IQVFT_Agendamentos> GetServidorAgendamentos();                // 9
    CBufferCFRT* GetBufferCFRT();                                              // 10
    com::com_ptr<IQVES_Estoque> GetServidorEstoque();                          // 11
    com::com_ptr<IQVDF_Mestre> GetServidorMestre();                            // 12
    com::com_ptr<IQVFN_RelatoriosMovimentos> GetServidorRelatoriosMovimentos(); // 13
    com::com_ptr<IQVFN_SaldosBancarios> GetServidorSaldosBancarios();          // 14
    CRecPagTes* GetRecPagTes();                                                // 15
    com::com_ptr<IQVFT_MestreComercial> GetServidorMestreComercial();          // 16
    com::com_ptr<IQVFT_Pedidos> GetServidorPedidos();                          // 17
    com::com_ptr<IQVCP_OrdensCompra> GetServidorOrdensCompra();                // 18
    com::com_ptr<IQVCP_Cotacoes> GetServidorCotacoes();                        // 19
    com::com_ptr<IQVCP_Compras> GetServidorCompras();                          // 20
    com::com_ptr<IQVGE_Leiautes> GetServidorLeiautes();                        // 21

    // What a slot holds now, without creating anything (tests): the interface pointer (no
    // reference added), null when empty. Slots 10 and 15 answer null.
    IUnknown* GetSlot(int slot) const noexcept;

private:
    friend class process_wide<CCacheServidores>;
    CCacheServidores();

    template <class Itf, class Init>
    com::com_ptr<Itf> servidor(int slot, const CLSID& clsid, Init&& inicializa);

    std::array<com::com_ptr<IUnknown>, quantidade_slots> m_slots{};
    std::unique_ptr<CBufferCFRT> m_buffer_cfrt;     // slot 10
    std::unique_ptr<CRecPagTes> m_rec_pag_tes;      // slot 15
};

}  // namespace server

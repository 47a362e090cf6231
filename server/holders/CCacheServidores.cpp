#include "server/holders/CCacheServidores.h"

#include <utility>

#include "base/QVDCOM.h"
#include "platform/com/text.h"
#include "platform/com/unique.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "platform/inhouse/pedidos/registros_pedidos.h"
#include "server/holders/CBufferCFRT.h"
#include "server/holders/CRecPagTes.h"
#include "server/holders/sessao_atual.h"

namespace server {

namespace {
// The initialisations' answers are not looked at: a server whose initialisation failed stays
// cached, as it always has; its later calls answer their own failures to their callers.
struct sem_inicializacao {
    template <class Itf>
    void operator()(Itf*, const sessao_atual&) const noexcept {}
};

// company BSTR, user, session (and, for some, a trailing 32-bit constant)
template <class Itf>
void inicializa_bstr(Itf* p, const sessao_atual& s) {
    com::unique_bstr empresa = com::to_bstr(s.empresa);
    p->Inicializa(empresa.get(), s.usuario, s.sessao);
}
template <LONG valor, class Itf>
void inicializa_bstr_valor(Itf* p, const sessao_atual& s) {
    com::unique_bstr empresa = com::to_bstr(s.empresa);
    p->Inicializa(empresa.get(), s.usuario, s.sessao, valor);
}

// the session record `Block`
template <class Block, class Itf>
void inicializa_registro(Itf* p, const sessao_atual& s) {
    p->Inicializa(inhouse::bloco_sessao<Block>(s.empresa, s.usuario, s.sessao));
}

// The orders server's block asks `Grava` for the number of orders saved (byte 34 = 1), which is
// what the objects saving through the cache read (platform/inhouse/pedidos/PedidosServer.h).
void inicializa_pedidos(IQVFT_Pedidos* p, const sessao_atual& s) {
    QV_SESSAO_40 bloco = inhouse::bloco_sessao<QV_SESSAO_40>(s.empresa, s.usuario, s.sessao);
    bloco.dados[inhouse::pedidos_marca_quantidade] = 1;
    p->Inicializa(bloco);
}

// The in-process helpers: created and initialised with the session on first use.
template <class T>
T* objeto(std::unique_ptr<T>& slot) {
    if (!slot) {
        const sessao_atual s = le_sessao_atual();
        slot = std::make_unique<T>();
        slot->Inicializa(s.empresa, s.usuario, s.sessao);
    }
    return slot.get();
}
}  // namespace

CCacheServidores::CCacheServidores() = default;

CCacheServidores::~CCacheServidores() {
    m_buffer_cfrt.reset();
    m_rec_pag_tes.reset();
    for (int k = quantidade_slots - 1; k >= 0; --k) m_slots[static_cast<size_t>(k)].reset();
}

IUnknown* CCacheServidores::GetSlot(int slot) const noexcept {
    return slot >= 0 && slot < quantidade_slots ? m_slots[static_cast<size_t>(slot)].get() : nullptr;
}

// One template for every interface slot. The session is read before anything is created, so
// that without a login nothing is created or initialised. A failed creation leaves the slot empty
// (QVCriaInstancia has logged it) and the next call tries again.
template <class Itf, class Init>
com::com_ptr<Itf> CCacheServidores::servidor(int slot, const CLSID& clsid, Init&& inicializa) {
    com::com_ptr<IUnknown>& held = m_slots[static_cast<size_t>(slot)];
    if (!held) {
        const sessao_atual s = le_sessao_atual();
        com::com_ptr<Itf> created;
        if (FAILED(QVCriaInstancia(clsid, nullptr, QV_CLSCTX_SERVIDOR, __uuidof(Itf), created.put_void(),
                                   QV_CRIA_PADRAO)) ||
            !created)
            return nullptr;
        // The slot holds the Itf pointer itself (an IUnknown by inheritance), so that it can be
        // handed out again without asking the server.
        held = com::com_ptr<IUnknown>::attach(created.detach());
        std::forward<Init>(inicializa)(static_cast<Itf*>(held.get()), s);
    }
    return com::com_ptr<Itf>(static_cast<Itf*>(held.get()));
}

com::com_ptr<IQVCN_SaldosContabeis> CCacheServidores::GetServidorSaldosContabeis() {
    return servidor<IQVCN_SaldosContabeis>(0, inhouse::CLSID_SaldosContabeisServer,
                                           inicializa_bstr_valor<0, IQVCN_SaldosContabeis>);
}

com::com_ptr<IQVCN_MestreContabil> CCacheServidores::GetServidorMestreContabil() {
    return servidor<IQVCN_MestreContabil>(1, inhouse::CLSID_MestreContabilServer,
                                          inicializa_bstr<IQVCN_MestreContabil>);
}

com::com_ptr<IQVFN_Portadores> CCacheServidores::GetServidorPortadores() {
    return servidor<IQVFN_Portadores>(3, inhouse::CLSID_PortadoresServer, inicializa_bstr<IQVFN_Portadores>);
}

com::com_ptr<IQVFT_NotasFiscais> CCacheServidores::GetServidorNotasFiscais() {
    return servidor<IQVFT_NotasFiscais>(4, inhouse::CLSID_NotasFiscaisServer,
                                        inicializa_registro<QV_SESSAO_34, IQVFT_NotasFiscais>);
}

com::com_ptr<IQVFT_CondicoesPagamento> CCacheServidores::GetServidorCondicoesPagamento() {
    return servidor<IQVFT_CondicoesPagamento>(6, inhouse::CLSID_CondicoesPagamentoServer,
                                              inicializa_bstr<IQVFT_CondicoesPagamento>);
}

com::com_ptr<IQVDF_Categorias> CCacheServidores::GetServidorCategorias() {
    return servidor<IQVDF_Categorias>(7, inhouse::CLSID_CategoriasServer,
                                      inicializa_registro<QV_SESSAO_36, IQVDF_Categorias>);
}

com::com_ptr<IQVFT_TabelasPreco> CCacheServidores::GetServidorTabelasPreco() {
    return servidor<IQVFT_TabelasPreco>(8, inhouse::CLSID_TabelasPrecoServer,
                                        inicializa_bstr_valor<0, IQVFT_TabelasPreco>);
}

com::com_ptr<IQVFT_Agendamentos> CCacheServidores::GetServidorAgendamentos() {
    return servidor<IQVFT_Agendamentos>(9, inhouse::CLSID_AgendamentosServer, inicializa_bstr<IQVFT_Agendamentos>);
}

CBufferCFRT* CCacheServidores::GetBufferCFRT() { return objeto(m_buffer_cfrt); }

com::com_ptr<IQVES_Estoque> CCacheServidores::GetServidorEstoque() {
    return servidor<IQVES_Estoque>(11, inhouse::CLSID_EstoqueServer, inicializa_bstr_valor<1307, IQVES_Estoque>);
}

com::com_ptr<IQVDF_Mestre> CCacheServidores::GetServidorMestre() {
    return servidor<IQVDF_Mestre>(12, inhouse::CLSID_MestreServer, inicializa_bstr<IQVDF_Mestre>);
}

com::com_ptr<IQVFN_RelatoriosMovimentos> CCacheServidores::GetServidorRelatoriosMovimentos() {
    return servidor<IQVFN_RelatoriosMovimentos>(13, inhouse::CLSID_RelatoriosMovimentosServer, sem_inicializacao{});
}

com::com_ptr<IQVFN_SaldosBancarios> CCacheServidores::GetServidorSaldosBancarios() {
    return servidor<IQVFN_SaldosBancarios>(14, inhouse::CLSID_SaldosBancariosServer,
                                           inicializa_bstr<IQVFN_SaldosBancarios>);
}

CRecPagTes* CCacheServidores::GetRecPagTes() { return objeto(m_rec_pag_tes); }

com::com_ptr<IQVFT_MestreComercial> CCacheServidores::GetServidorMestreComercial() {
    return servidor<IQVFT_MestreComercial>(16, inhouse::CLSID_MestreComercialServer,
                                           inicializa_bstr<IQVFT_MestreComercial>);
}

com::com_ptr<IQVFT_Pedidos> CCacheServidores::GetServidorPedidos() {
    return servidor<IQVFT_Pedidos>(17, inhouse::CLSID_PedidosServer, inicializa_pedidos);
}

com::com_ptr<IQVCP_OrdensCompra> CCacheServidores::GetServidorOrdensCompra() {
    return servidor<IQVCP_OrdensCompra>(18, inhouse::CLSID_OrdensCompraServer, inicializa_registro<QV_SESSAO_262, IQVCP_OrdensCompra>);
}

com::com_ptr<IQVCP_Cotacoes> CCacheServidores::GetServidorCotacoes() {
    return servidor<IQVCP_Cotacoes>(19, inhouse::CLSID_CotacoesServer, inicializa_registro<QV_SESSAO_262, IQVCP_Cotacoes>);
}

com::com_ptr<IQVCP_Compras> CCacheServidores::GetServidorCompras() {
    return servidor<IQVCP_Compras>(20, inhouse::CLSID_ComprasServer, inicializa_registro<QV_SESSAO_262, IQVCP_Compras>);
}

com::com_ptr<IQVGE_Leiautes> CCacheServidores::GetServidorLeiautes() {
    return servidor<IQVGE_Leiautes>(21, inhouse::CLSID_LeiautesServer, sem_inicializacao{});
}

}  // namespace server

#include "sales/CQVLocaisArmazenagemWeb.h"

#include <objbase.h>

#include <cstring>
#include <memory>
#include <new>

#include "base/QVDCOM.h"
#include "platform/com/failure.h"
#include "platform/com/out_param.h"
#include "platform/com/text.h"
#include "platform/com/unique.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "sales/CQVLocalArmazenagem.h"
#include "sales/messages.h"

namespace sales {

namespace {

// The caller's version the storage-places server is started with.
constexpr LONG versao_locais = 1307;

struct libera_tarefa {
    void operator()(void* p) const noexcept { CoTaskMemFree(p); }
};

}  // namespace

HRESULT CQVLocaisArmazenagemWeb::Inicializa(IQV_Inicializa* pQV_Inicializa) noexcept try {
    if (m_inicializado) return S_OK;
    if (!pQV_Inicializa) return E_POINTER;
    com::unique_bstr empresa;
    LONG usuario = 0, sessao = 0;
    pQV_Inicializa->get_m_sEmpresa(empresa.put());
    pQV_Inicializa->get_m_iUsuario(&usuario);
    pQV_Inicializa->get_m_lNumeroSessao(&sessao);
    com::com_ptr<IQVES_LocaisArmazenagem> servidor;
    com::check(CoCreateInstance(inhouse::CLSID_LocaisArmazenagemServer, nullptr, QV_CLSCTX_SERVIDOR,
                                __uuidof(IQVES_LocaisArmazenagem), servidor.put_void()),
               msg::instanciar_servidor_locais);
    servidor->Inicializa(empresa.get(), static_cast<WORD>(usuario), sessao, versao_locais);
    m_servidor = std::move(servidor);
    m_inicializado = true;
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CQVLocaisArmazenagemWeb::BuscaPonteiros(LONG* plQuantidade) noexcept try {
    if (!plQuantidade) return E_POINTER;
    *plQuantidade = 0;
    if (!m_servidor) return E_UNEXPECTED;
    // The previous index goes first: a failed read leaves none behind.
    m_indice.clear();
    LONG quantidade = 0;
    const com::unique_bstr todos = com::to_bstr(std::string("X"));
    if (HRESULT hr = m_servidor->Quantidade(todos.get(), 0, &quantidade); FAILED(hr)) return hr;
    if (quantidade < 0) return E_UNEXPECTED;
    std::vector<inhouse::REG_INDICE_LOCAL_ARMAZENAGEM> indice(static_cast<size_t>(quantidade));
    if (HRESULT hr = m_servidor->Indice(quantidade, reinterpret_cast<BYTE*>(indice.data())); FAILED(hr)) return hr;
    m_indice = std::move(indice);
    return com::put_number(plQuantidade, quantidade);
} catch (...) {
    return report();
}

HRESULT CQVLocaisArmazenagemWeb::LePosicao(LONG iPosicao, IQVLocalArmazenagem** ppLocalArmazenagem) noexcept try {
    if (!ppLocalArmazenagem) return E_POINTER;
    *ppLocalArmazenagem = nullptr;
    if (!m_servidor) return E_UNEXPECTED;
    if (iPosicao < 0 || static_cast<size_t>(iPosicao) >= m_indice.size()) return E_INVALIDARG;
    com::com_ptr<CQVLocalArmazenagem> local;
    try {
        local = com::make<CQVLocalArmazenagem>();
    } catch (const std::bad_alloc&) {
        com::fail(msg::criar_local, E_OUTOFMEMORY);
    }
    std::unique_ptr<BYTE, libera_tarefa> bloco(static_cast<BYTE*>(CoTaskMemAlloc(sizeof(inhouse::REG_LOCAL_ARMAZENAGEM))));
    if (!bloco) com::fail(msg::ler_local, E_OUTOFMEMORY);
    std::memset(bloco.get(), 0, sizeof(inhouse::REG_LOCAL_ARMAZENAGEM));
    com::check(m_servidor->Le(static_cast<LONG>(m_indice[static_cast<size_t>(iPosicao)].ponteiro), bloco.get(), 0),
               msg::ler_local);
    inhouse::REG_LOCAL_ARMAZENAGEM registro;
    std::memcpy(&registro, bloco.get(), sizeof registro);
    local->SetRegistro(registro);
    return com::put_object(ppLocalArmazenagem, com::com_ptr<IQVLocalArmazenagem>::attach(local.detach()));
} catch (...) {
    return report();
}

}  // namespace sales

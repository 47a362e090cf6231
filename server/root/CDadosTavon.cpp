#include "server/root/CDadosTavon.h"

#include <cstring>
#include <utility>

#include "base/QVDCOM.h"
#include "platform/inhouse/acesso/QVAVISO.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "server/holders/QVRepeticao.h"

namespace {

constexpr char fonte[] = "DadosTavon";

// Message numbers of the reports.
constexpr long msg_cria_portador = 246310, msg_inicializa_portador = 246328;
constexpr long msg_cria_contas = 246425, msg_inicializa_contas = 246433, msg_prepara_contas = 282073;
constexpr long msg_cria_usuario = 246468, msg_inicializa_usuario = 246476;
constexpr long msg_acesso_filiais = 258598, msg_le_conta = 246590, msg_le_portador = 246603;

// The answer of a lookup whose server could not be obtained (the getter has reported why).
constexpr long sem_servidor = static_cast<long>(0x80043FEDu);

}  // namespace

CDadosTavon::CDadosTavon() = default;

CDadosTavon::~CDadosTavon() { Finaliza(); }

void CDadosTavon::reporta(HRESULT hr, long mensagem, long flags, int linha) const {
    QVTrataErro2(hr, mensagem, flags, m_sEmpresa.c_str(), fonte, linha, __DATE__);
}

void CDadosTavon::SetEmpresa(const CQVString& empresa, WORD usuario, long sessao) {
    const CQVString cortada = empresa.substr(0, 31);
    if (cortada == m_sEmpresa && usuario == m_wUsuario && sessao == m_lSessao) return;
    m_registro72.fill(0);
    LimpaCaches();
    m_sEmpresa = cortada;
    m_wUsuario = usuario;
    m_lSessao = sessao;
}

bool CDadosTavon::SetTrataErros(bool trata) noexcept { return std::exchange(m_bTrataErros, trata); }

void CDadosTavon::LimpaCaches() {
    m_contas.clear();
    m_contas2.clear();
    m_portadores.clear();
    m_cfrts.clear();
    m_bTrataErros = true;
    m_sTexto.clear();
    m_registro64.fill(0);
}

void CDadosTavon::Finaliza() noexcept {
    // Each pointer is emptied before its release.
    if (auto p = std::move(m_portador)) p.reset();
    if (auto p = std::move(m_contas_servidor)) p.reset();
    if (auto p = std::move(m_usuario)) p.reset();
    m_portador_pronto = m_contas_pronto = m_usuario_pronto = false;
    m_contas.clear();
    m_contas2.clear();
    m_portadores.clear();
    m_cfrts.clear();
}

// Creates the server on first use and initialises it with the session record `Block`; S_OK when
// both answered S_OK. Failures are reported, an answer of success severity is not.
template <class Block, class Itf>
HRESULT CDadosTavon::cria_e_inicializa(com::com_ptr<Itf>& servidor, const CLSID& clsid, long flags, long msg_cria,
                                       long msg_inicializa) {
    if (!servidor) {
        const HRESULT hr = QVCriaInstancia(clsid, nullptr, QV_CLSCTX_SERVIDOR, __uuidof(Itf), servidor.put_void(),
                                           QV_CRIA_PADRAO);
        if (FAILED(hr)) reporta(hr, msg_cria, flags, __LINE__);
        if (hr != S_OK) return hr;
    }
    const Block bloco = inhouse::bloco_sessao<Block>(m_sEmpresa, m_wUsuario, m_lSessao);
    const HRESULT hr = qv_chama_com_repeticao([&] { return servidor->Inicializa(bloco); });
    if (FAILED(hr)) reporta(hr, msg_inicializa, flags, __LINE__);
    return hr;
}

IQVFN_Banco* CDadosTavon::GetInterfacePortador() {
    if (m_portador_pronto) return m_portador.get();
    if (cria_e_inicializa<QV_SESSAO_32>(m_portador, inhouse::CLSID_BancoServer, 1, msg_cria_portador,
                                        msg_inicializa_portador) != S_OK)
        return nullptr;
    m_portadores.clear();
    m_portador_pronto = true;
    return m_portador.get();
}

IQVDF_Plano* CDadosTavon::GetInterfaceContas() {
    if (m_contas_pronto) return m_contas_servidor.get();
    if (cria_e_inicializa<QV_SESSAO_32>(m_contas_servidor, inhouse::CLSID_PlanoServer, 1, msg_cria_contas,
                                        msg_inicializa_contas) != S_OK)
        return nullptr;
    const HRESULT hr = qv_chama_com_repeticao([&] { return m_contas_servidor->Prepara(0, 0); });
    if (FAILED(hr)) reporta(hr, msg_prepara_contas, 1, __LINE__);
    if (hr != S_OK) return nullptr;
    m_contas.clear();
    m_contas2.clear();
    m_contas_pronto = true;
    return m_contas_servidor.get();
}

IQVUsuarios* CDadosTavon::GetInterfaceUsuario() {
    if (m_usuario_pronto) return m_usuario.get();
    if (cria_e_inicializa<QV_SESSAO_38>(m_usuario, inhouse::CLSID_UsuarioServer, 5, msg_cria_usuario,
                                        msg_inicializa_usuario) != S_OK)
        return nullptr;
    m_usuario_pronto = true;
    return m_usuario.get();
}

// A cached lookup: the cache first, else the server (`le` fills the record), whose found record
// joins the cache. `servidor` is called only on a miss.
template <class Record, class Itf, class Le>
long CDadosTavon::le_com_cache(long chave, Record* out, std::map<long, Record>& cache, Itf* (CDadosTavon::*servidor)(),
                               Le le, long mensagem) {
    if (!out) return E_POINTER;
    *out = Record{};
    if (chave == 0) return 1;
    if (auto it = cache.find(chave); it != cache.end()) {
        *out = it->second;
        return 0;
    }
    Itf* s = (this->*servidor)();
    if (!s) return sem_servidor;
    Record lido{};
    const HRESULT hr = qv_chama_com_repeticao([&] { return le(s, reinterpret_cast<BYTE*>(&lido)); });
    if (hr == S_OK) {
        cache[chave] = lido;
        *out = lido;
        return 0;
    }
    if (FAILED(hr) && m_bTrataErros) reporta(hr, mensagem, 1, __LINE__);
    return hr;
}

long CDadosTavon::LeConta(long chave, _RegContaPS* conta) {
    return le_com_cache(chave, conta, m_contas, &CDadosTavon::GetInterfaceContas,
                        [chave](IQVDF_Plano* s, BYTE* b) { return s->LeConta(chave, b); }, msg_le_conta);
}

long CDadosTavon::LePortador(long chave, _REG_BANCO_ps* portador) {
    return le_com_cache(chave, portador, m_portadores, &CDadosTavon::GetInterfacePortador,
                        [chave](IQVFN_Banco* s, BYTE* b) { return s->LeBanco(chave, b); }, msg_le_portador);
}

HRESULT CDadosTavon::LeAcessoFiliais(uint8_t* tabela) {
    if (!tabela) return E_POINTER;
    std::memset(tabela, 0, QV_TAMANHO_ACESSO_FILIAIS);
    IQVUsuarios* servidor = GetInterfaceUsuario();
    // No server, no access: an unread table must never open every branch.
    if (!servidor) return static_cast<HRESULT>(sem_servidor);
    QV_FILIAIS_ATIVAS_1002 lida{};
    const HRESULT hr = qv_chama_com_repeticao([&] { return servidor->LeFiliaisAtivas(m_wUsuario, &lida); });
    if (FAILED(hr)) {
        if (m_bTrataErros) reporta(hr, msg_acesso_filiais, 5, __LINE__);
        return hr;
    }
    std::memcpy(tabela, &lida, QV_TAMANHO_ACESSO_FILIAIS);
    return hr;
}

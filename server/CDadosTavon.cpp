#include "server/CDadosTavon.h"

#include <cstring>
#include <utility>

#include "base/QVDCOM.h"
#include "platform/inhouse/QVAVISO.h"
#include "platform/inhouse/inhouse_guids.h"
#include "platform/inhouse/registros_sessao.h"
#include "server/QVRepeticao.h"

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

IQVFN_Banco* CDadosTavon::GetInterfacePortador() {
    if (m_portador_pronto) return m_portador.get();
    if (!m_portador) {
        const HRESULT hr = QVCriaInstancia(inhouse::CLSID_BancoServer, nullptr, QV_CLSCTX_SERVIDOR, IID_IQVFN_Banco,
                                           m_portador.put_void(), QV_CRIA_PADRAO);
        if (FAILED(hr)) reporta(hr, msg_cria_portador, 1, __LINE__);
        if (hr != S_OK) return nullptr;
    }
    const QV_SESSAO_32 bloco =
        inhouse::bloco_sessao<QV_SESSAO_32>(m_sEmpresa, m_wUsuario, m_lSessao);
    const HRESULT hr = qv_chama_com_repeticao([&] { return m_portador->Inicializa(bloco); });
    if (FAILED(hr)) reporta(hr, msg_inicializa_portador, 1, __LINE__);
    if (hr != S_OK) return nullptr;
    m_portadores.clear();
    m_portador_pronto = true;
    return m_portador.get();
}

IQVDF_Plano* CDadosTavon::GetInterfaceContas() {
    if (m_contas_pronto) return m_contas_servidor.get();
    if (!m_contas_servidor) {
        const HRESULT hr = QVCriaInstancia(inhouse::CLSID_PlanoServer, nullptr, QV_CLSCTX_SERVIDOR, IID_IQVDF_Plano,
                                           m_contas_servidor.put_void(), QV_CRIA_PADRAO);
        if (FAILED(hr)) reporta(hr, msg_cria_contas, 1, __LINE__);
        if (hr != S_OK) return nullptr;
    }
    const QV_SESSAO_32 bloco =
        inhouse::bloco_sessao<QV_SESSAO_32>(m_sEmpresa, m_wUsuario, m_lSessao);
    HRESULT hr = qv_chama_com_repeticao([&] { return m_contas_servidor->Inicializa(bloco); });
    if (FAILED(hr)) reporta(hr, msg_inicializa_contas, 1, __LINE__);
    if (hr != S_OK) return nullptr;
    hr = qv_chama_com_repeticao([&] { return m_contas_servidor->Prepara(0, 0); });
    if (FAILED(hr)) reporta(hr, msg_prepara_contas, 1, __LINE__);
    if (hr != S_OK) return nullptr;
    m_contas.clear();
    m_contas2.clear();
    m_contas_pronto = true;
    return m_contas_servidor.get();
}

IQVUsuarios* CDadosTavon::GetInterfaceUsuario() {
    if (m_usuario_pronto) return m_usuario.get();
    if (!m_usuario) {
        const HRESULT hr = QVCriaInstancia(inhouse::CLSID_UsuarioServer, nullptr, QV_CLSCTX_SERVIDOR, IID_IQVUsuarios,
                                           m_usuario.put_void(), QV_CRIA_PADRAO);
        if (FAILED(hr)) reporta(hr, msg_cria_usuario, 5, __LINE__);
        if (hr != S_OK) return nullptr;
    }
    const QV_SESSAO_38 bloco =
        inhouse::bloco_sessao<QV_SESSAO_38>(m_sEmpresa, m_wUsuario, m_lSessao);
    const HRESULT hr = qv_chama_com_repeticao([&] { return m_usuario->Inicializa(bloco); });
    if (FAILED(hr)) reporta(hr, msg_inicializa_usuario, 5, __LINE__);
    if (hr != S_OK) return nullptr;
    m_usuario_pronto = true;
    return m_usuario.get();
}

long CDadosTavon::LeConta(long chave, _RegContaPS* conta) {
    if (!conta) return E_POINTER;
    *conta = _RegContaPS{};
    if (chave == 0) return 1;
    if (auto it = m_contas.find(chave); it != m_contas.end()) {
        *conta = it->second;
        return 0;
    }
    IQVDF_Plano* servidor = GetInterfaceContas();
    if (!servidor) return sem_servidor;
    _RegContaPS lida{};
    const HRESULT hr =
        qv_chama_com_repeticao([&] { return servidor->LeConta(chave, reinterpret_cast<BYTE*>(&lida)); });
    if (hr == S_OK) {
        m_contas[chave] = lida;
        *conta = lida;
        return 0;
    }
    if (FAILED(hr) && m_bTrataErros) reporta(hr, msg_le_conta, 1, __LINE__);
    return hr;
}

long CDadosTavon::LePortador(long chave, _REG_BANCO_ps* portador) {
    if (!portador) return E_POINTER;
    *portador = _REG_BANCO_ps{};
    if (chave == 0) return 1;
    if (auto it = m_portadores.find(chave); it != m_portadores.end()) {
        *portador = it->second;
        return 0;
    }
    IQVFN_Banco* servidor = GetInterfacePortador();
    if (!servidor) return sem_servidor;
    _REG_BANCO_ps lido{};
    const HRESULT hr =
        qv_chama_com_repeticao([&] { return servidor->LeBanco(chave, reinterpret_cast<BYTE*>(&lido)); });
    if (hr == S_OK) {
        m_portadores[chave] = lido;
        *portador = lido;
        return 0;
    }
    if (FAILED(hr) && m_bTrataErros) reporta(hr, msg_le_portador, 1, __LINE__);
    return hr;
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

#include "server/root/CQV_Inicializa.h"

#include "server/holders/CSessaoGlobal.h"
#include "base/QVDCOM.h"
#include "inhouse_login.h"
#include "inhouse_registros.h"
#include "server/messages.h"
#include "platform/com/failure.h"
#include "platform/com/out_param.h"
#include "platform/com/text.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "platform/inhouse/login/registros_login.h"

namespace server {

namespace {
bool algum_direito(const inhouse::FILIAIS_ATIVAS& direitos) {
    for (uint8_t b : direitos.filiais)
        if (b != 0) return true;
    return false;
}
}  // namespace

CQV_Inicializa::CQV_Inicializa() {
    m_conexao_usuario.SetTrataErros(false);
    m_conexao_usuario.SetTratarMensagens(false);
}

CQV_Inicializa::~CQV_Inicializa() { Finaliza(); }

HRESULT CQV_Inicializa::Inicializa(BSTR bsEmpresa, BSTR bsUsuario, BSTR bsSenha, INT* pResult) noexcept try {
    if (!pResult) return E_POINTER;
    // Whatever stops the login before its end leaves this object without a session: a refused
    // user must not be able to hand this record to a worker object as a valid session.
    struct descarta_se_nao_concluido {
        CTW_Inicializa& sessao;
        bool concluido = false;
        ~descarta_se_nao_concluido() {
            if (!concluido) sessao.LimpaSessao();
        }
    } guarda{m_sessao};
    const HRESULT hr = login(bsEmpresa, bsUsuario, bsSenha, pResult);
    guarda.concluido = hr == S_OK && *pResult == resultado_login_ok;
    return hr;
} catch (...) {
    return report();
}

HRESULT CQV_Inicializa::login(BSTR bsEmpresa, BSTR bsUsuario, BSTR bsSenha, int* pResult) {
    m_direitos.clear();
    m_movimentacao = {};
    HRESULT hr = m_sessao.Inicializa(bsEmpresa, bsUsuario, bsSenha, pResult, 0);
    com::check(hr, msg::erro_inicializar);
    // A company that refuses to start answers its own result code: the steps below would only
    // replace it with a refusal of the empty session.
    if (*pResult != resultado_login_ok && *pResult != resultado_login_recusado) return S_OK;
    // An unknown company or user or a wrong password leave the result code set and the steps
    // below still run, with user 0: clients rely on what they answer then (usually the refusal of
    // the branch check).

    const std::string& empresa = m_sessao.m_sEmpresa;
    const WORD usuario = m_sessao.m_iUsuario;
    const int32_t sessao = m_sessao.m_lNumeroSessao;

    {
        com::com_ptr<IQVUsuarioFilial> filiais;
        hr = QVCriaInstancia(inhouse::CLSID_UsuarioFilialServer, nullptr, QV_CLSCTX_SERVIDOR,
                             __uuidof(IQVUsuarioFilial), filiais.put_void(), QV_CRIA_PADRAO);
        if (FAILED(hr)) return hr;
        hr = filiais->Inicializa(inhouse::bloco_sessao<QV_SESSAO_38>(empresa, usuario, sessao));
        if (FAILED(hr)) return hr;
        QV_FILIAIS_ATIVAS_1002 bloco{};
        hr = filiais->LeDireitosFiliais(usuario, &bloco);
        if (FAILED(hr)) return hr;
        if (!algum_direito(inhouse::de_bloco<inhouse::FILIAIS_ATIVAS>(bloco))) com::fail(msg::sem_filial_ativa, hr);
    }

    com::com_ptr<IQVCN_MestreContabil> mestre;
    hr = QVCriaInstancia(inhouse::CLSID_MestreContabilServer, nullptr, QV_CLSCTX_SERVIDOR,
                         __uuidof(IQVCN_MestreContabil), mestre.put_void(), QV_CRIA_PADRAO);
    if (FAILED(hr)) return hr;
    inhouse::REG_SOLICITACAO_EMPRESA solicitacao{};
    inhouse::copia_texto(solicitacao.empresa, inhouse::max_chave_empresa, empresa);
    solicitacao.sessao = sessao;
    solicitacao.usuario = usuario;
    QV_EMPRESA_CONTABIL_244 registro{};
    // A failed read is a failure of the login, not a record of the wrong version.
    com::check(mestre->LeEmpresa(inhouse::como_bloco<QV_SOLICITACAO_EMPRESA_40>(solicitacao), &registro),
               msg::erro_inicializar);
    if (inhouse::de_bloco<inhouse::REG_EMPRESA_CONTABIL>(registro).versao != inhouse::versao_empresa_contabil) {
        *pResult = resultado_login_recusado;
        return S_FALSE;
    }

    com::unique_bstr chave = com::to_bstr(empresa);
    WORD resposta = 0;
    com::check(mestre->VersaoBase(bsEmpresa, chave.get(), &resposta), msg::erro_versao_base);
    if (resposta != inhouse::versao_base_aceita) {
        *pResult = resultado_login_versao;
        return S_FALSE;
    }

    // Servers the connections opened for an earlier session must not serve this one, and only a
    // session that started opens them again.
    m_conexao_usuario.Finaliza();
    m_conexao_ged.Finaliza();
    if (*pResult == resultado_login_ok) {
        com::check(m_conexao_usuario.Inicializa(empresa, usuario, sessao), msg::erro_inicializar);
        hr = m_conexao_ged.Inicializa(empresa, usuario, sessao);
        com::check(hr, msg::erro_inicializar);
        if (hr != S_OK) com::fail(msg::erro_inicializar);
    }

    CSessaoGlobal::GetInstancia()->SetDados(&m_sessao);
    return S_OK;
}

HRESULT CQV_Inicializa::Finaliza() noexcept try {
    m_cotacao.reset();
    m_direitos.clear();
    m_movimentacao = {};
    m_conexao_usuario.Finaliza();
    m_conexao_ged.Finaliza();
    // A finished session is no longer initialised.
    m_sessao.m_bInicializado = 0;
    return m_sessao.Limpa();
} catch (...) {
    return report();
}

HRESULT CQV_Inicializa::get_m_sEmpresa(BSTR* pVal) noexcept { return com::put_text(pVal, m_sessao.m_sEmpresa); }

HRESULT CQV_Inicializa::get_m_sRazaoSocial(BSTR* pVal) noexcept { return com::put_text(pVal, m_sessao.m_sRazaoSocial); }

HRESULT CQV_Inicializa::get_m_iUsuario(LONG* pVal) noexcept { return com::put_number(pVal, m_sessao.m_iUsuario); }

HRESULT CQV_Inicializa::get_m_lNumeroSessao(LONG* pVal) noexcept { return com::put_number(pVal, m_sessao.m_lNumeroSessao); }

HRESULT CQV_Inicializa::get_m_bInicializado(LONG* pVal) noexcept { return com::put_number(pVal, m_sessao.m_bInicializado); }

}  // namespace server

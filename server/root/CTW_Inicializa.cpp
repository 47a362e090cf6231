#include "server/root/CTW_Inicializa.h"

#include <objbase.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "base/CQVString.h"
#include "server/holders/CCacheServidores.h"
#include "server/holders/CPoolConexoes.h"
#include "server/holders/CSessaoGlobal.h"
#include "server/holders/dados_instalacao.h"
#include "base/qv_ansi_case.h"
#include "inhouse_login.h"
#include "inhouse_registros.h"
#include "server/messages.h"
#include "platform/com/com_ptr.h"
#include "platform/com/failure.h"
#include "platform/com/text.h"
#include "platform/inhouse/acesso/CConexaoUsuario.h"
#include "platform/inhouse/login/QVFirma.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "platform/inhouse/login/registros_login.h"

namespace server {

namespace {

constexpr DWORD todos_os_contextos =
    CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER;

// The module whose companies the login lists.
constexpr char modulo_login[] = "DF";

// The user number the user connection is opened with before anyone is logged in.
constexpr WORD usuario_antes_do_login = 0xFFFF;

bool mesma_chave(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return qv_ansi_upper(static_cast<unsigned char>(x)) == qv_ansi_upper(static_cast<unsigned char>(y));
           });
}

// Where the company list says the key is, first match; false when it is not there.
bool empresa_na_lista(IQVEmpresas* servidor, const std::string& empresa, HRESULT& hr) {
    com::unique_bstr modulo = com::to_bstr(modulo_login);
    LONG quantidade = 0;
    hr = servidor->QuantidadeEmpresas(modulo.get(), &quantidade);
    if (FAILED(hr)) {
        hr = QV_E_LOGIN_QUANTIDADE_EMPRESAS;
        return false;
    }
    std::vector<QV_EMPRESA_LISTA_24> lista(static_cast<size_t>(std::max<LONG>(quantidade, 0)));
    hr = servidor->ListaEmpresas(modulo.get(), static_cast<LONG>(lista.size()), lista.data());
    if (FAILED(hr)) {
        hr = QV_E_LOGIN_LISTA_EMPRESAS;
        return false;
    }
    hr = S_OK;
    if (empresa.empty()) return false;
    for (const auto& bloco : lista) {
        const auto entrada = inhouse::de_bloco<inhouse::REG_EMPRESA_LISTA>(bloco);
        if (mesma_chave(inhouse::texto_campo(entrada.chave, sizeof entrada.chave), empresa)) return true;
    }
    return false;
}

// A login text as the server keeps it. A NUL would end the text in its fixed field
// ("admin123" NUL "junk" would be "admin123"), and a character CP1252 lacks must not become a
// look-alike ("ａｄｍｉｎ１２３" would be "admin123"): either one makes two texts one, so it is refused.
std::string texto_login(BSTR texto, const char* invalido) {
    const std::wstring_view wide = texto ? std::wstring_view(texto, SysStringLen(texto)) : std::wstring_view();
    std::optional<std::string> ansi;
    if (wide.find(L'\0') == std::wstring_view::npos) ansi = com::to_ansi_exact(wide);
    if (!ansi) com::fail(invalido, E_INVALIDARG);
    return std::move(*ansi);
}

}  // namespace

std::string chave_empresa_digitada(const std::string& texto) { return CQVString(texto).Trim(); }

CTW_Inicializa::~CTW_Inicializa() {
    LimpaSessao();
    CSessaoGlobal::Esquece(this);
}

void CTW_Inicializa::LimpaSessao() noexcept {
    if (const int32_t aberta = std::exchange(m_lSessaoAberta, 0))
        CQVDadosInicializacao::EncerraSessao(m_sEmpresa, aberta);
    m_bInicializado = 0;
    m_sRazaoSocial.clear();
    m_sEmpresa.clear();
    m_lNumeroSessao = 0;
    m_iUsuario = 0;
    TIPOS_VEVUREZE.fill(0);
}

HRESULT CTW_Inicializa::Limpa() {
    const int32_t inicializado = m_bInicializado;
    LimpaSessao();
    m_bInicializado = inicializado;
    CPoolConexoes::Destroi();
    CCacheServidores::Destroi();
    CSessaoGlobal::Destroi();
    return S_OK;
}

HRESULT CTW_Inicializa::Inicializa(IQV_Inicializa* p) {
    // Only this object's copy is reset: the process-wide holders serve the other clients.
    LimpaSessao();
    if (!p) return S_OK;
    LONG inicializado = 0, usuario = 0, sessao = 0;
    com::unique_bstr empresa, razao;
    HRESULT hr = p->get_m_bInicializado(&inicializado);
    if (SUCCEEDED(hr)) hr = p->get_m_iUsuario(&usuario);
    if (SUCCEEDED(hr)) hr = p->get_m_lNumeroSessao(&sessao);
    if (SUCCEEDED(hr)) hr = p->get_m_sEmpresa(empresa.put());
    if (SUCCEEDED(hr)) hr = p->get_m_sRazaoSocial(razao.put());
    // A failed read leaves the copy empty rather than half filled.
    if (FAILED(hr)) return hr;
    m_sEmpresa = com::from_bstr(empresa.get());
    m_sRazaoSocial = com::from_bstr(razao.get());
    m_iUsuario = static_cast<uint16_t>(usuario);
    m_lNumeroSessao = sessao;
    m_bInicializado = inicializado;
    return S_OK;
}

HRESULT CTW_Inicializa::BuscaDadosInicializacao(const std::string& empresa, unsigned short usuario, int* pResult) {
    *pResult = resultado_login_recusado;
    CQVDadosInicializacao dados;
    dados.BuscaDados(CQVParametroInicializacao(empresa, usuario), 0, 0, 0);
    switch (const int resultado = dados.GetResultadoBuscaDados()) {
        case CQVDadosInicializacao::resultado_ok:
            m_sEmpresa = empresa;
            m_iUsuario = usuario;
            m_lNumeroSessao = dados.GetNumeroSecao();
            m_lSessaoAberta = m_lNumeroSessao;
            m_sRazaoSocial = dados.GetRazaoSocial();
            TIPOS_VEVUREZE = dados.GetTiposVevureze();
            m_bInicializado = 1;
            *pResult = resultado_login_ok;
            return S_OK;
        case CQVDadosInicializacao::resultado_falha:
            (void)dados.GetCodigoErroBuscaDados();
            return QV_E_LOGIN_DADOS_INICIALIZACAO;
        default:
            *pResult = resultado;
            return S_OK;
    }
}

HRESULT CTW_Inicializa::Inicializa(BSTR bsEmpresa, BSTR bsUsuario, BSTR bsSenha, int* pResult, long lOpcao) {
    *pResult = resultado_login_recusado;
    Limpa();
    // A login that does not end in a session leaves no "initialised" record behind.
    m_bInicializado = 0;

    const std::string empresa = chave_empresa_digitada(texto_login(bsEmpresa, msg::chave_empresa_invalida));
    const std::string usuario = texto_login(bsUsuario, msg::usuario_invalido);
    const std::string senha = texto_login(bsSenha, msg::senha_invalida);
    // Texts longer than their fields are refused, never cut: a password cut to its field would
    // let a different password in, and a cut key could name another company.
    if (empresa.size() > inhouse::max_chave_empresa) com::fail(msg::chave_empresa_longa, E_INVALIDARG);
    if (usuario.size() > inhouse::max_usuario) com::fail(msg::usuario_longo, E_INVALIDARG);
    if (senha.size() > inhouse::max_senha) com::fail(msg::senha_longa, E_INVALIDARG);
    // Without the installation's data no company can be found: say what is missing.
    if (const std::string& motivo = motivo_dados_indisponiveis(); !motivo.empty())
        com::fail(motivo, QV_E_LOGIN_SERVIDOR_EMPRESAS);

    {
        com::com_ptr<IQVEmpresas> empresas;
        if (FAILED(CoCreateInstance(inhouse::CLSID_EmpresaServer, nullptr, todos_os_contextos, __uuidof(IQVEmpresas),
                                    empresas.put_void())))
            return QV_E_LOGIN_SERVIDOR_EMPRESAS;
        HRESULT hr = S_OK;
        const bool encontrada = empresa_na_lista(empresas.get(), empresa, hr);
        if (FAILED(hr)) return hr;
        if (!encontrada) return S_OK;
    }

    CConexaoUsuario conexao;
    conexao.SetTrataErros(false);
    conexao.SetTratarMensagens(false);
    if (FAILED(conexao.Inicializa(empresa, usuario_antes_do_login, 0)) || FAILED(conexao.CriaServidor()))
        return QV_E_LOGIN_CONEXAO_USUARIO;

    inhouse::REG_CREDENCIAIS credenciais{};
    inhouse::copia_texto(credenciais.usuario, inhouse::max_usuario, usuario);
    inhouse::copia_texto(credenciais.senha, inhouse::max_senha, senha);
    WORD numero = 0;
    QV_USUARIO_256 registro{};
    const HRESULT verificado = conexao.GetServidor()->VerificaUsuario(
        inhouse::como_bloco<QV_CREDENCIAIS_36>(credenciais), &numero, &registro, static_cast<LONG>(lOpcao));
    SecureZeroMemory(&credenciais, sizeof credenciais);
    if (FAILED(verificado)) return QV_E_LOGIN_VERIFICA_USUARIO;
    if (numero == 0) return S_OK;
    if (inhouse::de_bloco<inhouse::REG_USUARIO>(registro).bloqueado != 0) return QV_E_LOGIN_USUARIO_BLOQUEADO;

    LONG posicao = 0;
    // The position limits what a representative sees: without it the login must not go on, or
    // the user would see everything.
    if (HRESULT hr = conexao.GetServidor()->LePosicaoRepresentante(numero, &posicao); FAILED(hr)) return hr;
    CSessaoGlobal::GetInstancia()->SetPosicaoRepresentante(static_cast<unsigned short>(posicao));

    return BuscaDadosInicializacao(empresa, numero, pResult);
}

}  // namespace server

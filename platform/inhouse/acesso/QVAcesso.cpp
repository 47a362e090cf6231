#include "platform/inhouse/acesso/QVAcesso.h"

#include <cstring>

#include "platform/com/failure.h"
#include "platform/com/text.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "platform/inhouse/core/registros_sessao.h"

namespace {
std::string caractere(const char* nome, char c) { return std::string(nome) + "='" + c + "'"; }

// A connection's data server, created when missing and initialised with the connection's session;
// a failed initialisation drops the server again, so a server handed out is always initialised.
template <class Itf>
HRESULT servidor_inicializado(CConexaoServidor& conexao, Itf*& servidor) {
    servidor = static_cast<Itf*>(conexao.CConexaoServidor::GetInterface());
    if (servidor) return S_OK;
    if (HRESULT hr = conexao.CConexaoServidor::CriaServidor(); FAILED(hr)) return hr;
    Itf* s = static_cast<Itf*>(conexao.CConexaoServidor::GetInterface());
    if (!s) return E_UNEXPECTED;
    try {
        const HRESULT hr = s->Inicializa(com::to_bstr(conexao.GetEmpresa()).get(), conexao.GetUsuario(),
                                         static_cast<LONG>(conexao.GetSessao()));
        if (FAILED(hr)) {
            conexao.Finaliza();
            return hr;
        }
    } catch (...) {
        conexao.Finaliza();
        return E_OUTOFMEMORY;
    }
    servidor = s;
    return S_OK;
}

}  // namespace

HRESULT CConexaoFilial::Inicializa(const CQVString& empresa, WORD usuario, long sessao, bool todas) {
    return InicializaComum(empresa, usuario, sessao, todas ? "todas=1" : "todas=0");
}

HRESULT CConexaoPlano::Inicializa(const CQVString& empresa, WORD usuario, long sessao, char tipo, char opcao1,
                                  char opcao2) {
    return InicializaComum(empresa, usuario, sessao,
                           caractere("tipo", tipo) + " " + caractere("opcao1", opcao1) + " " +
                               caractere("opcao2", opcao2));
}

HRESULT CConexaoPlanoContabil::Inicializa(const CQVString& empresa, WORD usuario, long sessao, char opcao1,
                                          char opcao2) {
    return InicializaComum(empresa, usuario, sessao, caractere("opcao1", opcao1) + " " + caractere("opcao2", opcao2));
}

HRESULT CConexaoPlanoGerencial::Inicializa(const CQVString& empresa, WORD usuario, long sessao, char opcao1,
                                           char opcao2) {
    return InicializaComum(empresa, usuario, sessao, caractere("opcao1", opcao1) + " " + caractere("opcao2", opcao2));
}

HRESULT CConexaoBanco::Inicializa(const CQVString& empresa, WORD usuario, long sessao, char tipo) {
    return InicializaComum(empresa, usuario, sessao, caractere("tipo", tipo));
}

HRESULT CConexaoCategoria::Inicializa(const CQVString& empresa, WORD usuario, long sessao, TipoCadastro tipo) {
    return InicializaComum(empresa, usuario, sessao, "cadastro=" + std::to_string(static_cast<int>(tipo)));
}

const CLSID* CConexaoFilial::ClasseServidor() const noexcept { return &inhouse::CLSID_FilialServer; }

HRESULT CConexaoFilial::CriaServidor() {
    IQVCN_Filial* s = nullptr;
    return servidor_inicializado(*this, s);
}

HRESULT CConexaoFilial::servidor(IQVCN_Filial*& s) { return servidor_inicializado(*this, s); }

HRESULT CConexaoFilial::Le(long posicao, inhouse::REG_FILIAL* filial) {
    if (!filial) return E_POINTER;
    IQVCN_Filial* s = nullptr;
    if (HRESULT hr = servidor(s); FAILED(hr)) return hr;
    QV_FILIAL_4818 lido{};
    const HRESULT hr = s->LeFilial(static_cast<LONG>(posicao), &lido);
    if (SUCCEEDED(hr)) *filial = inhouse::de_bloco<inhouse::REG_FILIAL>(lido);
    return hr;
}

unsigned CConexaoFilial::GetQuantidadeFiliais() {
    unsigned quantidade = 0;
    (void)LeQuantidadeFiliais(quantidade);
    return quantidade;
}

HRESULT CConexaoFilial::LeQuantidadeFiliais(unsigned& quantidade) {
    quantidade = 0;
    IQVCN_Filial* s = nullptr;
    if (HRESULT hr = servidor(s); FAILED(hr)) return hr;
    LONG lida = 0;
    if (HRESULT hr = s->QuantidadeFiliais(&lida); FAILED(hr)) return hr;
    quantidade = lida > 0 ? static_cast<unsigned>(lida) : 0;
    return S_OK;
}

int CConexaoFilial::Existe(const CQVString& codigo, long* posicao, inhouse::REG_FILIAL* filial) {
    if (!posicao || !filial) return 0;
    *posicao = 0;
    *filial = inhouse::REG_FILIAL{};
    IQVCN_Filial* s = nullptr;
    if (FAILED(servidor(s))) return 0;
    try {
        com::unique_bstr texto = com::to_bstr(codigo);
        LONG achada = 0;
        QV_FILIAL_4818 lido{};
        if (s->ExisteFilial(texto.get(), &achada, &lido) != S_OK || achada == 0) return 0;
        *posicao = achada;
        *filial = inhouse::de_bloco<inhouse::REG_FILIAL>(lido);
        return 1;
    } catch (...) {
        return 0;
    }
}

HRESULT CConexaoFilial::LeFiliaisAtivas(WORD usuario, inhouse::FILIAIS_ATIVAS& bloco) {
    IQVCN_Filial* s = nullptr;
    if (HRESULT hr = servidor(s); FAILED(hr)) return hr;
    QV_FILIAIS_ATIVAS_1002 lido{};
    const HRESULT hr = s->LeFiliaisAtivas(usuario, &lido);
    if (SUCCEEDED(hr)) bloco = inhouse::de_bloco<inhouse::FILIAIS_ATIVAS>(lido);
    return hr;
}

HRESULT CConexaoFilial::LeLogotipo(long filial, int opcao, CQVString& caminho) {
    IQVCN_Filial* s = nullptr;
    if (HRESULT hr = servidor(s); FAILED(hr)) return hr;
    com::unique_bstr lido;
    const HRESULT hr = s->LeLogotipo(static_cast<LONG>(filial), opcao, lido.put());
    if (SUCCEEDED(hr)) {
        try {
            caminho = com::from_bstr(lido.get());
        } catch (...) {
            return E_OUTOFMEMORY;
        }
    }
    return hr;
}

const CLSID* CConexaoPlano::ClasseServidor() const noexcept { return &inhouse::CLSID_PlanoServer; }
const CLSID* CConexaoPlanoGerencial::ClasseServidor() const noexcept { return &inhouse::CLSID_PlanoGerencialServer; }

HRESULT CConexaoPlano::CriaServidor() {
    if (GetServidor()) return S_OK;
    if (HRESULT hr = CConexaoServidor::CriaServidor(); FAILED(hr)) return hr;
    IQVDF_Plano* p = GetServidor();
    if (!p) return E_UNEXPECTED;
    const HRESULT hr =
        p->Inicializa(inhouse::bloco_sessao<QV_SESSAO_32>(GetEmpresa(), GetUsuario(), static_cast<int32_t>(GetSessao())));
    if (FAILED(hr)) Finaliza();
    return hr;
}

HRESULT CConexaoPlano::Servidor(IQVDF_Plano*& plano) {
    plano = GetServidor();
    if (plano) return S_OK;
    if (HRESULT hr = CriaServidor(); FAILED(hr)) return hr;
    plano = GetServidor();
    return plano ? S_OK : E_UNEXPECTED;
}

int CConexaoPlano::Existe(const char* codigo, DWORD* ponteiro, _RegContaPS* conta) {
    if (!ponteiro || !conta) return 0;
    *ponteiro = 0;
    std::memset(conta, 0, sizeof *conta);
    IQVDF_Plano* p = nullptr;
    if (FAILED(Servidor(p))) return 0;
    try {
        com::unique_bstr texto = com::to_bstr(codigo ? codigo : "");
        LONG posicao = 0;
        _RegContaPS lida{};
        if (p->BuscaCodigo(texto.get(), &posicao, reinterpret_cast<BYTE*>(&lida)) != S_OK || posicao == 0) return 0;
        *ponteiro = static_cast<DWORD>(posicao);
        *conta = lida;
        return 1;
    } catch (...) {
        return 0;
    }
}

HRESULT CConexaoPlano::Le(DWORD ponteiro, _RegContaPS* conta) {
    if (!conta) return E_POINTER;
    IQVDF_Plano* p = nullptr;
    if (HRESULT hr = Servidor(p); FAILED(hr)) return hr;
    return p->LeConta(static_cast<LONG>(ponteiro), reinterpret_cast<BYTE*>(conta));
}

const CLSID* CConexaoNatureza::ClasseServidor() const noexcept { return &inhouse::CLSID_NaturezasServer; }

HRESULT CConexaoNatureza::Servidor(IQVDF_Naturezas*& naturezas) {
    return servidor_inicializado(*this, naturezas);
}

HRESULT CConexaoNatureza::Le(WORD posicao, WORD dia, BYTE modulo, inhouse::REG_NATUREZA* natureza) {
    if (!natureza) return E_POINTER;
    IQVDF_Naturezas* s = nullptr;
    if (HRESULT hr = Servidor(s); FAILED(hr)) return hr;
    inhouse::REG_NATUREZA lida{};
    const HRESULT hr = s->LeNatureza(posicao, dia, modulo, reinterpret_cast<BYTE*>(&lida));
    if (SUCCEEDED(hr)) *natureza = lida;
    return hr;
}

HRESULT CConexaoNatureza::Existe(const char* codigo, WORD dia, WORD filial, BYTE modulo, WORD* resposta,
                                 inhouse::REG_NATUREZA* natureza) {
    if (!resposta || !natureza) return E_POINTER;
    IQVDF_Naturezas* s = nullptr;
    if (HRESULT hr = Servidor(s); FAILED(hr)) return hr;
    try {
        com::unique_bstr texto = com::to_bstr(codigo ? codigo : "");
        return s->ExisteNatureza(texto.get(), dia, filial, modulo, resposta, reinterpret_cast<BYTE*>(natureza));
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}

const CLSID* CConexaoHistorico::ClasseServidor() const noexcept { return &inhouse::CLSID_HistoricoServer; }

HRESULT CConexaoHistorico::CriaServidor() {
    IQVCN_Historico* servidor = nullptr;
    return servidor_inicializado(*this, servidor);
}

IQVCN_Historico* CConexaoHistorico::GetInterface() {
    if (!GetServidor() && FAILED(CriaServidor())) return nullptr;
    return GetServidor();
}

HRESULT CConexaoHistorico::Le(long posicao, __MIDL___MIDL_itf_CNSHIS_0000_0000_0002* historico) {
    if (!historico) return E_POINTER;
    IQVCN_Historico* s = GetInterface();
    if (!s) return E_UNEXPECTED;
    __MIDL___MIDL_itf_CNSHIS_0000_0000_0002 lido{};
    const HRESULT hr = s->Le(static_cast<LONG>(posicao), &lido);
    if (SUCCEEDED(hr)) *historico = lido;
    return hr;
}

const CLSID* CConexaoCadastroDocumento::ClasseServidor() const noexcept { return &inhouse::CLSID_DocumentoServer; }

HRESULT CConexaoCadastroDocumento::CriaServidor() {
    IQVDF_CadastroDocumento* servidor = nullptr;
    return servidor_inicializado(*this, servidor);
}

IQVDF_CadastroDocumento* CConexaoCadastroDocumento::GetInterface() {
    if (!GetServidor() && FAILED(CriaServidor())) return nullptr;
    return GetServidor();
}

HRESULT CConexaoCadastroDocumento::Le(long posicao, tagREG_CADDOCPS* documento) {
    if (!documento) return E_POINTER;
    IQVDF_CadastroDocumento* s = GetInterface();
    if (!s) return E_UNEXPECTED;
    QV_CADDOC_250 lido{};
    const HRESULT hr = s->Le(static_cast<LONG>(posicao), &lido);
    if (SUCCEEDED(hr)) *documento = inhouse::de_bloco<tagREG_CADDOCPS>(lido);
    return hr;
}

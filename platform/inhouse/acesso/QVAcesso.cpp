#include "platform/inhouse/acesso/QVAcesso.h"

#include <cstring>

#include <objbase.h>

#include "platform/com/failure.h"
#include "platform/com/wire_pointer.h"
#include "platform/com/text.h"
#include "platform/com/wire_pointer.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "platform/inhouse/acesso/servidor_inicializado.h"

namespace {
std::string caractere(const char* nome, char c) { return std::string(nome) + "='" + c + "'"; }

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

const CLSID* CConexaoOpComerciais::ClasseServidor() const noexcept { return &inhouse::CLSID_OpComerciaisServer; }

HRESULT CConexaoOpComerciais::servidor(IQVDF_OperacoesComerciais*& s) { return servidor_inicializado(*this, s); }

void CConexaoOpComerciais::SetFilial(WORD filial, const inhouse::REG_FILIAL& registro) {
    m_wFilial = filial;
    m_sUfFilial = inhouse::texto_campo(registro.uf);
}

void CConexaoOpComerciais::SetProduto(const _REG_PRODUTOPS& produto) { m_sProduto = inhouse::texto_campo(produto.codigo); }

void CConexaoOpComerciais::LimpaFiltros() noexcept {
    m_lOpComercial = 0;
    m_wFilial = 0;
    m_sUfFilial.clear();
    m_sUfCliente.clear();
    m_sPaisCliente.clear();
    m_sProduto.clear();
}

void CConexaoOpComerciais::SetCliente(const QVCFRT& cliente) {
    m_sUfCliente = inhouse::texto_campo(cliente.uf);
    m_sPaisCliente = inhouse::texto_campo(cliente.pais);
}

HRESULT CConexaoOpComerciais::BuscaPonteirosOpComerciais(tagREG_DFSNTF_PONTEIROS_OPCPS* lista) {
    if (!lista) return E_POINTER;
    *lista = {};
    IQVDF_OperacoesComerciais* s = nullptr;
    if (HRESULT hr = servidor(s); FAILED(hr)) return hr;
    LONG quantidade = 0;
    DWORD* posicoes = nullptr;
    const HRESULT hr = s->Posicoes(m_cTipoNF, &quantidade, &posicoes);
    if (FAILED(hr) || !posicoes || quantidade <= 0) {
        CoTaskMemFree(posicoes);
        return hr;
    }
    try {
        lista->ponteiros = com::wire_pointer_put(posicoes);
    } catch (...) {
        CoTaskMemFree(posicoes);
        return E_OUTOFMEMORY;
    }
    lista->quantidade = static_cast<uint32_t>(quantidade);
    return hr;
}

void CConexaoOpComerciais::LiberaPonteiros(tagREG_DFSNTF_PONTEIROS_OPCPS& lista) noexcept {
    CoTaskMemFree(com::wire_pointer_take(lista.ponteiros));
    lista = {};
}

HRESULT CConexaoOpComerciais::Le(WORD posicao, long opcao, _REG_DFSNTF_OPERACOES_COMERCIAIS_PS* registro) {
    if (!registro) return E_POINTER;
    *registro = {};
    IQVDF_OperacoesComerciais* s = nullptr;
    if (HRESULT hr = servidor(s); FAILED(hr)) return hr;
    return s->Le(posicao, static_cast<LONG>(opcao), reinterpret_cast<BYTE*>(registro));
}

HRESULT CConexaoOpComerciais::Existe(const char* codigo, DWORD* valor, _REG_DFSNTF_OPERACOES_COMERCIAIS_PS* registro) {
    if (!valor || !registro) return E_POINTER;
    *valor = 0;
    *registro = {};
    IQVDF_OperacoesComerciais* s = nullptr;
    if (HRESULT hr = servidor(s); FAILED(hr)) return hr;
    try {
        LONG posicao = 0;
        const HRESULT hr = s->Existe(com::to_bstr(codigo ? codigo : "").get(), &posicao, reinterpret_cast<BYTE*>(registro));
        *valor = static_cast<DWORD>(posicao);
        return hr;
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}

HRESULT CConexaoOpComerciais::BuscaTipoOperacao(_REG_DFSNTF_TIPOS_OPERACOES_PS* resposta) {
    if (!resposta) return E_POINTER;
    *resposta = {};
    IQVDF_OperacoesComerciais* s = nullptr;
    if (HRESULT hr = servidor(s); FAILED(hr)) return hr;
    try {
        return s->TipoOperacao(static_cast<LONG>(m_lOpComercial), com::to_bstr(m_sUfFilial).get(),
                               com::to_bstr(m_sUfCliente).get(), com::to_bstr(m_sPaisCliente).get(),
                               com::to_bstr(m_sProduto).get(), reinterpret_cast<BYTE*>(resposta));
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}

// The product server's connections.

namespace {

// A look-up's answer: 1 found, 0 missing, or the failed call's HRESULT.
int resposta_busca(HRESULT hr, bool encontrado) { return FAILED(hr) ? static_cast<int>(hr) : encontrado ? 1 : 0; }

}  // namespace

const CLSID* CConexaoDFSPRO::ClasseServidor() const noexcept { return &inhouse::CLSID_ProdutoServer; }
const CLSID* CConexaoServico::ClasseServidor() const noexcept { return &inhouse::CLSID_ServicoServer; }

HRESULT CConexaoDFSPRO::CriaServidor() {
    IQVDF_Produto* servidor = nullptr;
    return servidor_inicializado(*this, servidor);
}

IQVDF_Produto* CConexaoDFSPRO::GetInterface() {
    if (!GetServidor() && FAILED(CriaServidor())) return nullptr;
    return GetServidor();
}

HRESULT CConexaoDFSPRO::Servidor(IQVDF_Produto*& servidor) { return servidor_inicializado(*this, servidor); }

int CMyConexaoProduto::ExisteTabelaPreco(const char* codigo, BYTE tipo, long* ponteiro, _REG_TABELA_PRECOSPS* tabela) {
    if (!ponteiro || !tabela) return E_POINTER;
    *ponteiro = 0;
    *tabela = {};
    IQVDF_Produto* s = nullptr;
    if (HRESULT hr = Servidor(s); FAILED(hr)) return hr;
    try {
        WORD p = 0;
        QV_TABELA_PRECO_102 lida{};
        const HRESULT hr = s->ExisteTabelaPreco(com::to_bstr(codigo ? codigo : "").get(), tipo, &p, &lida);
        if (SUCCEEDED(hr) && p != 0) {
            *ponteiro = p;
            *tabela = inhouse::de_bloco<_REG_TABELA_PRECOSPS>(lida);
        }
        return resposta_busca(hr, p != 0);
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}

long CMyConexaoProduto::BuscaQuantidadeProdutos(const char* tipos, long opcao) {
    IQVDF_Produto* s = nullptr;
    if (HRESULT hr = Servidor(s); FAILED(hr)) return hr;
    try {
        LONG n = 0;
        const HRESULT hr = s->Quantidade(com::to_bstr(tipos ? tipos : "").get(), opcao, &n);
        return FAILED(hr) ? hr : n;
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}

HRESULT CMyConexaoProduto::BuscaApenasPonteirosProdutosF4(long quantidade, WORD tabela, BYTE opcao, long* encontrados,
                                                          long* ponteiros) {
    if (!encontrados) return E_POINTER;
    *encontrados = 0;
    IQVDF_Produto* s = nullptr;
    if (HRESULT hr = Servidor(s); FAILED(hr)) return hr;
    LONG n = 0;
    const HRESULT hr = s->PonteirosProdutos(quantidade, tabela, opcao, &n, reinterpret_cast<LONG*>(ponteiros));
    *encontrados = n;
    return hr;
}

HRESULT CMyConexaoProduto::LeProduto(long ponteiro, WORD tabela, _REG_PRODUTOPS* produto) {
    if (!produto) return E_POINTER;
    IQVDF_Produto* s = nullptr;
    if (HRESULT hr = Servidor(s); FAILED(hr)) return hr;
    QV_PRODUTO_984 lido{};
    const HRESULT hr = s->LeProdutoTabela(ponteiro, tabela, &lido);
    if (SUCCEEDED(hr)) *produto = inhouse::de_bloco<_REG_PRODUTOPS>(lido);
    return hr;
}

int CMyConexaoProduto::ExisteProduto(const char* codigo, char tipo, WORD tabela, long* ponteiro, _REG_PRODUTOPS* produto) {
    if (!ponteiro || !produto) return E_POINTER;
    *ponteiro = 0;
    *produto = {};
    IQVDF_Produto* s = nullptr;
    if (HRESULT hr = Servidor(s); FAILED(hr)) return hr;
    try {
        LONG p = 0;
        QV_PRODUTO_984 lido{};
        const HRESULT hr = s->ExisteProduto(com::to_bstr(codigo ? codigo : "").get(), static_cast<BYTE>(tipo), tabela, &p, &lido);
        if (SUCCEEDED(hr) && p != 0) {
            *ponteiro = p;
            *produto = inhouse::de_bloco<_REG_PRODUTOPS>(lido);
        }
        return resposta_busca(hr, p != 0);
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}

HRESULT CMyConexaoProduto::LeServico(long ponteiro, _REG_SERVICOSPS* servico) {
    if (!servico) return E_POINTER;
    IQVDF_Produto* s = nullptr;
    if (HRESULT hr = Servidor(s); FAILED(hr)) return hr;
    QV_SERVICO_522 lido{};
    const HRESULT hr = s->LeServico(ponteiro, 0, &lido);
    if (SUCCEEDED(hr)) *servico = inhouse::de_bloco<_REG_SERVICOSPS>(lido);
    return hr;
}

HRESULT CMyConexaoProduto::LeUnidadeMedidaProduto(long ponteiro, _REG_UNIDADES_MEDIDAPS* unidade) {
    if (!unidade) return E_POINTER;
    IQVDF_Produto* s = nullptr;
    if (HRESULT hr = Servidor(s); FAILED(hr)) return hr;
    QV_UNIDADE_72 lida{};
    const HRESULT hr = s->LeUnidadeProduto(static_cast<WORD>(ponteiro), &lida);
    if (SUCCEEDED(hr)) *unidade = inhouse::de_bloco<_REG_UNIDADES_MEDIDAPS>(lida);
    return hr;
}

HRESULT CMyConexaoProduto::LeUnidadeMedidaServico(long ponteiro, _REG_UNIDADES_MEDIDA_SERVICOSPS* unidade) {
    if (!unidade) return E_POINTER;
    IQVDF_Produto* s = nullptr;
    if (HRESULT hr = Servidor(s); FAILED(hr)) return hr;
    QV_UNIDADE_76 lida{};
    const HRESULT hr = s->LeUnidadeServico(static_cast<WORD>(ponteiro), &lida);
    if (SUCCEEDED(hr)) *unidade = inhouse::de_bloco<_REG_UNIDADES_MEDIDA_SERVICOSPS>(lida);
    return hr;
}

namespace {

long quantidade_tabelas(IQVDF_Produto* s, BYTE servicos, BYTE tipo) {
    WORD n = 0;
    const HRESULT hr = s->QuantidadeTabelas(servicos, tipo, &n);
    return FAILED(hr) ? hr : n;
}

HRESULT le_tabela(IQVDF_Produto* s, BYTE servicos, long ponteiro, _REG_TABELA_PRECOSPS* tabela) {
    if (!tabela) return E_POINTER;
    QV_TABELA_PRECO_102 lida{};
    const HRESULT hr = s->LeTabela(servicos, ponteiro, &lida);
    if (SUCCEEDED(hr)) *tabela = inhouse::de_bloco<_REG_TABELA_PRECOSPS>(lida);
    return hr;
}

}  // namespace

long CMyConexaoProduto::BuscaQuantidadeTabelaPrecoOK(BYTE tipo) {
    IQVDF_Produto* s = nullptr;
    if (HRESULT hr = Servidor(s); FAILED(hr)) return hr;
    return quantidade_tabelas(s, 0, tipo);
}

long CMyConexaoProduto::BuscaQuantidadeTabelasPrecoServico(BYTE tipo) {
    IQVDF_Produto* s = nullptr;
    if (HRESULT hr = Servidor(s); FAILED(hr)) return hr;
    return quantidade_tabelas(s, 1, tipo);
}

HRESULT CMyConexaoProduto::BuscaPonteirosTabPrecosOK(WORD quantidade, BYTE tipo, WORD* ponteiros) {
    IQVDF_Produto* s = nullptr;
    if (HRESULT hr = Servidor(s); FAILED(hr)) return hr;
    return s->PonteirosTabelas(0, quantidade, tipo, ponteiros);
}

HRESULT CMyConexaoProduto::BuscaPonteirosTabelaPrecosServicos(WORD quantidade, BYTE tipo, WORD* ponteiros) {
    IQVDF_Produto* s = nullptr;
    if (HRESULT hr = Servidor(s); FAILED(hr)) return hr;
    return s->PonteirosTabelas(1, quantidade, tipo, ponteiros);
}

HRESULT CMyConexaoProduto::LeTabelaPreco(long ponteiro, _REG_TABELA_PRECOSPS* tabela) {
    IQVDF_Produto* s = nullptr;
    if (HRESULT hr = Servidor(s); FAILED(hr)) return hr;
    return le_tabela(s, 0, ponteiro, tabela);
}

HRESULT CMyConexaoProduto::LeTabelaPrecosServico(long ponteiro, _REG_TABELA_PRECOS_SERVICOSPS* tabela) {
    IQVDF_Produto* s = nullptr;
    if (HRESULT hr = Servidor(s); FAILED(hr)) return hr;
    return le_tabela(s, 1, ponteiro, tabela);
}

int CMyConexaoProduto::ExisteTabelaPrecosServico(const char* codigo, BYTE tipo, long* ponteiro,
                                                 _REG_TABELA_PRECOS_SERVICOSPS* tabela) {
    if (!ponteiro || !tabela) return E_POINTER;
    *ponteiro = 0;
    *tabela = {};
    IQVDF_Produto* s = nullptr;
    if (HRESULT hr = Servidor(s); FAILED(hr)) return hr;
    try {
        LONG p = 0;
        QV_TABELA_PRECO_102 lida{};
        const HRESULT hr = s->ExisteTabela(1, com::to_bstr(codigo ? codigo : "").get(), tipo, &p, &lida);
        if (SUCCEEDED(hr) && p != 0) {
            *ponteiro = p;
            *tabela = inhouse::de_bloco<_REG_TABELA_PRECOS_SERVICOSPS>(lida);
        }
        return resposta_busca(hr, p != 0);
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}

HRESULT CConexaoServico::Le(long ponteiro, _REG_SERVICOSPS* servico, WORD opcao) {
    if (!servico) return E_POINTER;
    IQVDF_Produto* s = nullptr;
    if (HRESULT hr = Servidor(s); FAILED(hr)) return hr;
    QV_SERVICO_522 lido{};
    const HRESULT hr = s->LeServico(ponteiro, opcao, &lido);
    if (SUCCEEDED(hr)) *servico = inhouse::de_bloco<_REG_SERVICOSPS>(lido);
    return hr;
}

int CConexaoServico::Existe(const char* codigo, long* ponteiro, _REG_SERVICOSPS* servico, WORD, BYTE tipo) {
    if (!ponteiro || !servico) return E_POINTER;
    *ponteiro = 0;
    *servico = {};
    IQVDF_Produto* s = nullptr;
    if (HRESULT hr = Servidor(s); FAILED(hr)) return hr;
    try {
        LONG p = 0;
        QV_SERVICO_522 lido{};
        const HRESULT hr = s->ExisteServico(com::to_bstr(codigo ? codigo : "").get(), tipo, &p, &lido);
        if (SUCCEEDED(hr) && p != 0) {
            *ponteiro = p;
            *servico = inhouse::de_bloco<_REG_SERVICOSPS>(lido);
        }
        return resposta_busca(hr, p != 0);
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}

HRESULT CConexaoGradesProduto::LeGrade(WORD grade, _REG_GRADES_PRODUTOPS* registro) {
    if (!registro) return E_POINTER;
    IQVDF_Produto* s = nullptr;
    if (HRESULT hr = Servidor(s); FAILED(hr)) return hr;
    QV_GRADE_64 lido{};
    const HRESULT hr = s->LeGrade(grade, &lido);
    if (SUCCEEDED(hr)) *registro = inhouse::de_bloco<_REG_GRADES_PRODUTOPS>(lido);
    return hr;
}

HRESULT CConexaoGradesProduto::LeItemGrade(WORD grade, WORD item, _REG_ITENS_GRADE_PRODUTOPS* registro) {
    if (!registro) return E_POINTER;
    IQVDF_Produto* s = nullptr;
    if (HRESULT hr = Servidor(s); FAILED(hr)) return hr;
    QV_GRADE_64 lido{};
    const HRESULT hr = s->LeItemGrade(grade, item, &lido);
    if (SUCCEEDED(hr)) *registro = inhouse::de_bloco<_REG_ITENS_GRADE_PRODUTOPS>(lido);
    return hr;
}

int CConexaoGradesProduto::ExisteItemGrade(WORD grade, const char* codigo, WORD* item, _REG_ITENS_GRADE_PRODUTOPS* registro) {
    if (!item || !registro) return E_POINTER;
    *item = 0;
    *registro = {};
    IQVDF_Produto* s = nullptr;
    if (HRESULT hr = Servidor(s); FAILED(hr)) return hr;
    try {
        WORD i = 0;
        QV_GRADE_64 lido{};
        const HRESULT hr = s->ExisteItemGrade(grade, com::to_bstr(codigo ? codigo : "").get(), &i, &lido);
        if (SUCCEEDED(hr) && i != 0) {
            *item = i;
            *registro = inhouse::de_bloco<_REG_ITENS_GRADE_PRODUTOPS>(lido);
        }
        return resposta_busca(hr, i != 0);
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}

HRESULT CConexaoGradesProduto::BuscaPonteirosItensGrade(WORD grade, int, long* quantidade,
                                                        _REG_PONTEIROS_ITENS_GRADE_PRODUTOPS* lista) {
    if (!quantidade || !lista) return E_POINTER;
    *quantidade = 0;
    *lista = {};
    IQVDF_Produto* s = nullptr;
    if (HRESULT hr = Servidor(s); FAILED(hr)) return hr;
    WORD n = 0;
    WORD* itens = nullptr;
    const HRESULT hr = s->ItensGrade(grade, &n, &itens);
    if (FAILED(hr)) {
        CoTaskMemFree(itens);
        return hr;
    }
    try {
        lista->itens = com::wire_pointer_put(itens);
    } catch (...) {
        CoTaskMemFree(itens);
        return E_OUTOFMEMORY;
    }
    lista->quantidade = itens ? n : 0;
    *quantidade = lista->quantidade;
    return hr;
}

HRESULT CConexaoUnidadeMedidaProduto::Le(WORD unidade, _REG_UNIDADES_MEDIDAPS* registro) {
    if (!registro) return E_POINTER;
    IQVDF_Produto* s = nullptr;
    if (HRESULT hr = Servidor(s); FAILED(hr)) return hr;
    QV_UNIDADE_72 lida{};
    const HRESULT hr = s->LeUnidadeProduto(unidade, &lida);
    if (SUCCEEDED(hr)) *registro = inhouse::de_bloco<_REG_UNIDADES_MEDIDAPS>(lida);
    return hr;
}

// The storage-places connections.

namespace {

// The version the storage-places library tells its server at initialisation.
constexpr LONG versao_locais = 1307;

}  // namespace

const CLSID* CConexaoLocais::ClasseServidor() const noexcept { return &inhouse::CLSID_LocaisArmazenagemServer; }

HRESULT CConexaoLocais::servidor(IQVES_LocaisArmazenagem*& s) { return servidor_inicializado(*this, s, versao_locais); }

HRESULT CConexaoLocais::Le(long ponteiro, _REG_ES_LOCAISPS* registro, int opcao) {
    if (!registro) return E_POINTER;
    *registro = {};
    IQVES_LocaisArmazenagem* s = nullptr;
    if (HRESULT hr = servidor(s); FAILED(hr)) return hr;
    return s->Le(static_cast<LONG>(ponteiro), reinterpret_cast<BYTE*>(registro), opcao);
}

const CLSID* CConexaoMovimento::ClasseServidor() const noexcept { return &inhouse::CLSID_MovimentoServer; }

IQVES_Movimento* CConexaoMovimento::GetInterface() {
    IQVES_Movimento* s = nullptr;
    return SUCCEEDED(servidor_inicializado(*this, s)) ? s : nullptr;
}

const CLSID* CConexaoProduto::ClasseServidor() const noexcept { return &inhouse::CLSID_LocaisArmazenagemServer; }

HRESULT CConexaoProduto::servidor(IQVES_LocaisArmazenagem*& s) { return servidor_inicializado(*this, s, versao_locais); }

HRESULT CConexaoProduto::GetLocalPadrao(long produto, WORD filial, _REG_DFPRO_LOCAL_PADRAOPS* registro) {
    if (!registro) return E_POINTER;
    *registro = {};
    IQVES_LocaisArmazenagem* s = nullptr;
    if (HRESULT hr = servidor(s); FAILED(hr)) return hr;
    return s->LocalPadrao(static_cast<LONG>(produto), filial, reinterpret_cast<BYTE*>(registro));
}

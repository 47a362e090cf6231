#include "sales/CCondicoesPagamento.h"

#include <algorithm>
#include <mutex>
#include <new>

#include "base/QVDataCurta.h"
#include "base/QVModulos.h"
#include "masterdata/sessao_raiz.h"
#include "platform/com/failure.h"
#include "platform/com/out_param.h"
#include "platform/com/text.h"
#include "sales/CCondicaoPagamentoWeb.h"
#include "sales/messages.h"
#include "sales/relata_classe.h"

namespace sales {

namespace {

// The live list objects, so that the builder finds its own objects by identity and never takes
// a foreign interface for one of them.
std::mutex g_trava;
std::vector<CCondicoesPagamento*> g_listas;

}  // namespace

CCondicoesPagamento::CCondicoesPagamento() {
    m_conexao.SetTrataErros(false);
    m_conexao.SetTratarMensagens(false);
    std::lock_guard trava(g_trava);
    g_listas.push_back(this);
}

CCondicoesPagamento::~CCondicoesPagamento() {
    {
        std::lock_guard trava(g_trava);
        std::erase(g_listas, this);
    }
    if (m_bInicializado) m_conexao.Finaliza();
}

CCondicoesPagamento* CCondicoesPagamento::de_interface(ICondicoesPagamento* lista) noexcept {
    if (!lista) return nullptr;
    std::lock_guard trava(g_trava);
    for (CCondicoesPagamento* l : g_listas)
        if (static_cast<ICondicoesPagamento*>(l) == lista) return l;
    return nullptr;
}

HRESULT CCondicoesPagamento::relata() noexcept { return relata_classe(CLSID_CondicoesPagamento, __uuidof(ICondicoesPagamento)); }

void CCondicoesPagamento::exige_inicializacao() const {
    if (!m_bInicializado) com::fail(msg::condicoes_nao_inicializadas, E_UNEXPECTED);
}

void CCondicoesPagamento::inicializa_conexao(const CQVString& empresa, WORD usuario, long sessao) {
    com::check(m_conexao.Inicializa(empresa, usuario, sessao), msg::inicializar_condicoes);
}

HRESULT CCondicoesPagamento::Inicializa(IQV_Inicializa* pInicializa) noexcept try {
    if (m_bInicializado) return S_OK;
    if (!pInicializa) return E_POINTER;
    const masterdata::sessao_raiz s = masterdata::le_sessao_raiz(*pInicializa, msg::inicializar_condicoes);
    m_raiz = com::com_ptr<IQV_Inicializa>(pInicializa);
    inicializa_conexao(s.empresa, s.usuario, s.sessao);
    m_bInicializado = true;
    return S_OK;
} catch (...) {
    return relata();
}

// Company, user and session are kept as given: no root object is created and nobody logs in
// (a login would start the process-wide session again for every client).
HRESULT CCondicoesPagamento::Inicializa2(BSTR bsEmpresa, LONG lUsuario, LONG lNumeroSessao) noexcept try {
    if (m_bInicializado) return S_OK;
    const CQVString empresa(com::from_bstr(bsEmpresa));
    inicializa_conexao(empresa, static_cast<WORD>(lUsuario), lNumeroSessao);
    m_sEmpresa = empresa;
    m_iUsuario = static_cast<WORD>(lUsuario);
    m_lNumeroSessao = lNumeroSessao;
    m_bInicializado = true;
    return S_OK;
} catch (...) {
    return relata();
}

HRESULT CCondicoesPagamento::BuscaPonteiros(LONG* lQuantidade) noexcept { return BuscaPonteiros2(nullptr, lQuantidade); }

HRESULT CCondicoesPagamento::BuscaPonteiros2(BSTR bsModulo, LONG* lQuantidade) noexcept try {
    if (!lQuantidade) return E_POINTER;
    *lQuantidade = 0;
    exige_inicializacao();
    const std::string sigla = com::from_bstr(bsModulo);
    const int32_t modulo = sigla.empty() ? 0 : QVGetIdModulo(QVBuscaModuloPorSigla(sigla));
    IQVDF_Materiais* servidor = nullptr;
    com::check(m_conexao.Servidor(servidor), msg::quantidade_condicoes);
    WORD quantidade = 0;
    com::check(servidor->Quantidade(&quantidade), msg::quantidade_condicoes);
    std::vector<_REG_COND_PAGTOPS> lidas(quantidade);
    WORD lidos = 0;
    com::check(servidor->BuscaPonteiros(quantidade, 0, modulo, &lidos, reinterpret_cast<BYTE*>(lidas.data())),
               msg::ler_condicoes);
    // Only what was read is listed: the zeroed places behind would be handed out as conditions.
    lidas.resize(std::min<size_t>(lidos, lidas.size()));
    m_condicoes = std::move(lidas);
    *lQuantidade = static_cast<LONG>(m_condicoes.size());
    return S_OK;
} catch (...) {
    return relata();
}

const _REG_COND_PAGTOPS* CCondicoesPagamento::listada(LONG lPosicao) const {
    if (lPosicao < 0) com::fail(msg::ler_condicoes, E_INVALIDARG);
    if (static_cast<size_t>(lPosicao) >= m_condicoes.size()) return nullptr;
    return &m_condicoes[static_cast<size_t>(lPosicao)];
}

com::com_ptr<ICondicaoPagamentoWeb> CCondicoesPagamento::nova_condicao(const _REG_COND_PAGTOPS& registro) {
    com::com_ptr<CCondicaoPagamentoWeb> condicao;
    try {
        condicao = com::make<CCondicaoPagamentoWeb>();
    } catch (const std::bad_alloc&) {
        com::fail(msg::criar_condicao, E_OUTOFMEMORY);
    }
    condicao->SetRegistro(registro);
    return com::com_ptr<ICondicaoPagamentoWeb>(condicao.get());
}

HRESULT CCondicoesPagamento::BuscaPosicao(LONG lPosicao, ICondicaoPagamentoWeb** ppCondicaoPagamentoWeb) noexcept try {
    if (!ppCondicaoPagamentoWeb) return E_POINTER;
    *ppCondicaoPagamentoWeb = nullptr;
    exige_inicializacao();
    const _REG_COND_PAGTOPS* registro = listada(lPosicao);
    if (!registro) return S_OK;
    return com::put_object(ppCondicaoPagamentoWeb, nova_condicao(*registro));
} catch (...) {
    return relata();
}

HRESULT CCondicoesPagamento::BuscaPosicaoPelaData(BSTR bsDataValidade, LONG lPosicao,
                                                  ICondicaoPagamentoWeb** ppCondicaoPagamentoWeb) noexcept try {
    if (!ppCondicaoPagamentoWeb) return E_POINTER;
    *ppCondicaoPagamentoWeb = nullptr;
    exige_inicializacao();
    // A date that cannot be read would be day 0, before every limit: each condition would pass.
    const std::string texto = com::from_bstr(bsDataValidade);
    if (!QVValidaTextoData(texto.c_str())) com::fail(msg::data_validade_invalida, E_INVALIDARG);
    const uint16_t data = QVConverteTextoData(texto.c_str());
    if (data == 0) com::fail(msg::data_validade_invalida, E_INVALIDARG);
    const _REG_COND_PAGTOPS* registro = listada(lPosicao);
    if (!registro) return S_OK;
    if (registro->Validade != 0 && registro->Validade <= data) return S_OK;
    return com::put_object(ppCondicaoPagamentoWeb, nova_condicao(*registro));
} catch (...) {
    return relata();
}

HRESULT CCondicoesPagamento::Le(LONG lPosicao, ICondicaoPagamentoWeb** ppCondicaoPagamento) noexcept try {
    if (!ppCondicaoPagamento) return E_POINTER;
    *ppCondicaoPagamento = nullptr;
    exige_inicializacao();
    if (lPosicao < 0 || lPosicao > 65535) com::fail(msg::ler_condicoes, E_INVALIDARG);
    IQVDF_Materiais* servidor = nullptr;
    com::check(m_conexao.Servidor(servidor), msg::ler_condicoes);
    _REG_COND_PAGTOPS registro{};
    com::check(servidor->Le(lPosicao, reinterpret_cast<BYTE*>(&registro)), msg::ler_condicoes);
    return com::put_object(ppCondicaoPagamento, nova_condicao(registro));
} catch (...) {
    return relata();
}

std::unique_ptr<CCondicaoPagamento> CCondicoesPagamento::CriaCondicaoPagamento(WORD posicao, CURRENCY total,
                                                                               WORD dataBase) {
    exige_inicializacao();
    IQVDF_Materiais* servidor = nullptr;
    com::check(m_conexao.Servidor(servidor), msg::criar_condicao);
    _REG_COND_PAGTOPS registro{};
    com::check(servidor->Le(posicao, reinterpret_cast<BYTE*>(&registro)), msg::criar_condicao);
    std::vector<REG_LINHA_CONDICAO_PAGTO> linhas(registro.QtdParcelas);
    if (!linhas.empty())
        com::check(servidor->LeParcelas(registro.Codigo, static_cast<WORD>(linhas.size()),
                                        reinterpret_cast<BYTE*>(linhas.data())),
                   msg::criar_condicao);

    CQVString empresa = m_sEmpresa;
    WORD usuario = m_iUsuario;
    long sessao = m_lNumeroSessao;
    if (m_raiz) {
        const masterdata::sessao_raiz s = masterdata::le_sessao_raiz(*m_raiz.get(), msg::criar_condicao);
        empresa = s.empresa;
        usuario = s.usuario;
        sessao = s.sessao;
    }
    auto condicao = std::make_unique<CCondicaoPagamento>();
    condicao->CQVInicializador::Inicializa(empresa, usuario, sessao);
    condicao->SetValorTotal(CQVCurrencyEx(total));
    condicao->Inicializa(registro, linhas.data(), dataBase);
    return condicao;
}

}  // namespace sales

#include "sales/CProdutos.h"

#include <objbase.h>

#include <algorithm>
#include <map>
#include <memory>
#include <new>

#include "base/QVCurrency.h"
#include "base/QVRelogio.h"
#include "masterdata/CGradeProduto.h"
#include "masterdata/CItemGradeProduto.h"
#include "masterdata/CResultadoBuscaPonteirosItemGradeProduto.h"
#include "platform/com/failure.h"
#include "platform/com/out_param.h"
#include "platform/com/text.h"
#include "platform/com/unique.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "platform/inhouse/produtos/registros_preco.h"
#include "sales/CProdutoWeb.h"
#include "sales/CResultadoBuscaTabelaDePreco.h"
#include "sales/catalogo_html.h"
#include "sales/messages.h"

namespace sales {

namespace {

struct libera_tarefa {
    void operator()(void* p) const noexcept { CoTaskMemFree(p); }
};

template <class T>
com::com_ptr<T> novo(const char* texto) {
    try {
        return com::make<T>();
    } catch (const std::bad_alloc&) {
        com::fail(texto, E_OUTOFMEMORY);
    }
}

}  // namespace

CProdutos::CProdutos() {
    m_grades.SetTrataErros(false);
    m_grades.SetTratarMensagens(false);
}

void CProdutos::VerificaInicializado() const {
    if (!m_inicializado) com::fail(msg::produtos_nao_inicializado, E_UNEXPECTED);
}

com::com_ptr<IUnknown> CProdutos::EuMesmo() {
    AddRef();
    return com::com_ptr<IUnknown>::attach(static_cast<IProdutos*>(this));
}

HRESULT CProdutos::Inicializa(IQV_Inicializa* pInicializa) noexcept try {
    if (m_inicializado) return S_OK;
    if (!pInicializa) return E_POINTER;
    com::unique_bstr empresa;
    LONG usuario = 0, sessao = 0;
    pInicializa->get_m_sEmpresa(empresa.put());
    pInicializa->get_m_iUsuario(&usuario);
    pInicializa->get_m_lNumeroSessao(&sessao);
    pInicializa->AddRef();
    m_raiz = com::com_ptr<IQV_Inicializa>::attach(pInicializa);
    const CQVString chave(com::from_bstr(empresa.get()));
    com::check(m_conexao.Inicializa(chave, static_cast<WORD>(usuario), sessao), msg::inicializar_produtos);
    com::check(m_conexao_servicos.Inicializa(chave, static_cast<WORD>(usuario), sessao), msg::inicializar_produtos);
    com::check(m_grades.Inicializa(chave, static_cast<WORD>(usuario), sessao), msg::inicializar_grades);
    m_inicializado = true;
    return S_OK;
} catch (...) {
    return report();
}

WORD CProdutos::TabelaProdutosDe(BSTR bsTabelaPrecos) {
    long ponteiro = 0;
    _REG_TABELA_PRECOSPS tabela{};
    m_conexao.ExisteTabelaPreco(com::from_bstr(bsTabelaPrecos).c_str(), 'V', &ponteiro, &tabela);
    return ponteiro <= 0 ? 1 : static_cast<WORD>(ponteiro);
}

WORD CProdutos::TabelaServicosDe(BSTR bsTabelaPrecos) {
    long ponteiro = 0;
    _REG_TABELA_PRECOSPS tabela{};
    m_conexao.ExisteTabelaPrecosServico(com::from_bstr(bsTabelaPrecos).c_str(), 'V', &ponteiro, &tabela);
    return ponteiro <= 0 ? 1 : static_cast<WORD>(ponteiro);
}

com::com_ptr<IProdutoWeb> CProdutos::NovoProduto(long ponteiro, const _REG_PRODUTOPS& produto) {
    auto objeto = novo<CProdutoWeb>(msg::criar_produto);
    objeto->SetProduto(&m_conexao, EuMesmo(), ponteiro, produto);
    return com::com_ptr<IProdutoWeb>::attach(objeto.detach());
}

com::com_ptr<IProdutoWeb> CProdutos::NovoServico(long ponteiro, const _REG_SERVICOSPS& servico) {
    auto objeto = novo<CProdutoWeb>(msg::criar_servico);
    objeto->SetServico(&m_conexao, EuMesmo(), ponteiro, servico);
    return com::com_ptr<IProdutoWeb>::attach(objeto.detach());
}

HRESULT CProdutos::BuscaApenasPonteirosProdutos(BSTR bsTabelaPrecos, LONG* lQuantidade) noexcept try {
    if (!lQuantidade) return E_POINTER;
    *lQuantidade = 0;
    VerificaInicializado();
    const long n = m_conexao.BuscaQuantidadeProdutos("AX", 0);
    if (n < 0) com::fail(msg::ler_produto, n);
    std::vector<long> lista(static_cast<size_t>(n));
    const WORD tabela = TabelaProdutosDe(bsTabelaPrecos);
    long encontrados = 0;
    com::check(m_conexao.BuscaApenasPonteirosProdutosF4(n, tabela, 0, &encontrados, lista.data()), msg::ler_produto);
    lista.resize(static_cast<size_t>(std::clamp(encontrados, 0L, n)));
    m_produtos = std::move(lista);
    return com::put_number(lQuantidade, static_cast<LONG>(m_produtos.size()));
} catch (...) {
    return report();
}

HRESULT CProdutos::BuscaApenasPonteirosServicos(BSTR, LONG* lQuantidade) noexcept try {
    if (!lQuantidade) return E_POINTER;
    *lQuantidade = 0;
    VerificaInicializado();
    IQVDF_Produto* servidor = m_conexao_servicos.GetInterface();
    if (!servidor) com::fail(msg::ler_servico, E_FAIL);
    const com::unique_bstr tipos = com::to_bstr(std::string("AX"));
    LONG n = 0;
    com::check(servidor->Quantidade(tipos.get(), 0, &n), msg::ler_servico);
    // The services are known by their register positions, 1 to n.
    std::vector<long> lista(static_cast<size_t>(std::max(n, 0L)));
    for (size_t i = 0; i < lista.size(); ++i) lista[i] = static_cast<long>(i + 1);
    m_servicos = std::move(lista);
    return com::put_number(lQuantidade, static_cast<LONG>(m_servicos.size()));
} catch (...) {
    return report();
}

HRESULT CProdutos::GetProduto(LONG lPosicao, BSTR bsTabelaPrecos, IProdutoWeb** ppProduto) noexcept try {
    if (!ppProduto) return E_POINTER;
    *ppProduto = nullptr;
    VerificaInicializado();
    if (lPosicao < 0 || static_cast<size_t>(lPosicao) >= m_produtos.size()) com::fail(msg::posicao_fora_lista, E_INVALIDARG);
    return LeProduto(m_produtos[static_cast<size_t>(lPosicao)], bsTabelaPrecos, ppProduto);
} catch (...) {
    return report();
}

HRESULT CProdutos::GetServico(LONG lPosicao, BSTR bsTabelaPrecos, IProdutoWeb** ppServico) noexcept try {
    if (!ppServico) return E_POINTER;
    *ppServico = nullptr;
    VerificaInicializado();
    if (lPosicao < 0 || static_cast<size_t>(lPosicao) >= m_servicos.size()) com::fail(msg::posicao_fora_lista, E_INVALIDARG);
    return LeServico(m_servicos[static_cast<size_t>(lPosicao)], bsTabelaPrecos, ppServico);
} catch (...) {
    return report();
}

HRESULT CProdutos::LeProduto(LONG lPos, BSTR bsTabelaPrecos, IProdutoWeb** ppProduto) noexcept try {
    if (!ppProduto) return E_POINTER;
    *ppProduto = nullptr;
    VerificaInicializado();
    _REG_PRODUTOPS produto{};
    com::check(m_conexao.LeProduto(lPos, TabelaProdutosDe(bsTabelaPrecos), &produto), msg::ler_produto);
    return com::put_object(ppProduto, NovoProduto(lPos, produto));
} catch (...) {
    return report();
}

HRESULT CProdutos::LeServico(LONG lPos, BSTR bsTabelaPrecos, IProdutoWeb** ppServico) noexcept try {
    if (!ppServico) return E_POINTER;
    *ppServico = nullptr;
    VerificaInicializado();
    _REG_SERVICOSPS servico{};
    com::check(m_conexao_servicos.Le(lPos, &servico, TabelaServicosDe(bsTabelaPrecos)), msg::ler_servico);
    return com::put_object(ppServico, NovoServico(lPos, servico));
} catch (...) {
    return report();
}

HRESULT CProdutos::Existe(BSTR bsCodigo, BSTR bsTipo, BSTR bsTabelaPrecos, IProdutoWeb** ppProduto) noexcept try {
    if (!ppProduto) return E_POINTER;
    *ppProduto = nullptr;
    VerificaInicializado();
    const std::string tipo = com::from_bstr(bsTipo);
    long ponteiro = 0;
    _REG_PRODUTOPS produto{};
    const int resposta = m_conexao.ExisteProduto(com::from_bstr(bsCodigo).c_str(), tipo.empty() ? '\0' : tipo[0],
                                                 TabelaProdutosDe(bsTabelaPrecos), &ponteiro, &produto);
    if (resposta < 0) com::fail(msg::ler_produto, resposta);
    if (resposta != 1) return S_OK;
    return com::put_object(ppProduto, NovoProduto(ponteiro, produto));
} catch (...) {
    return report();
}

HRESULT CProdutos::ExisteServico(BSTR bsCodigo, BSTR bsTipo, BSTR bsTabelaPrecos, IProdutoWeb** ppServico) noexcept try {
    if (!ppServico) return E_POINTER;
    *ppServico = nullptr;
    VerificaInicializado();
    const std::string tipo = com::from_bstr(bsTipo);
    long ponteiro = 0;
    _REG_SERVICOSPS servico{};
    const int resposta = m_conexao_servicos.Existe(com::from_bstr(bsCodigo).c_str(), &ponteiro, &servico,
                                                   TabelaServicosDe(bsTabelaPrecos),
                                                   static_cast<BYTE>(tipo.empty() ? '\0' : tipo[0]));
    if (resposta < 0) com::fail(msg::ler_servico, resposta);
    if (resposta != 1) return S_OK;
    return com::put_object(ppServico, NovoServico(ponteiro, servico));
} catch (...) {
    return report();
}

HRESULT CProdutos::BuscaTabelasDePreco(BOOL bProduto, BOOL bVenda, IResultadoBuscaTabelaDePreco** ppResultado) noexcept try {
    if (!ppResultado) return E_POINTER;
    *ppResultado = nullptr;
    VerificaInicializado();
    auto resultado = com::make<CResultadoBuscaTabelaDePreco>();
    resultado->Busca(&m_conexao, EuMesmo(), bProduto != 0, bVenda != 0 ? 'V' : 'C', QVGetDataAtual(false));
    return com::put_object(ppResultado, com::com_ptr<IResultadoBuscaTabelaDePreco>::attach(resultado.detach()));
} catch (...) {
    return report();
}

// The grid objects are handed out only when their read succeeded: a failure answers no object.
HRESULT CProdutos::LeGradeProduto(USHORT iPosGrade, IGradeProduto** ppGrade) noexcept try {
    if (!ppGrade) return E_POINTER;
    *ppGrade = nullptr;
    VerificaInicializado();
    auto grade = novo<masterdata::CGradeProduto>(msg::criar_grade);
    com::check(m_grades.LeGrade(iPosGrade, &grade->Registro()), msg::ler_grade);
    return com::put_object(ppGrade, com::com_ptr<IGradeProduto>::attach(grade.detach()));
} catch (...) {
    return report();
}

HRESULT CProdutos::LeItemGradeProduto(USHORT iPosGrade, USHORT iPosItem, IItemGradeProduto** ppItem) noexcept try {
    if (!ppItem) return E_POINTER;
    *ppItem = nullptr;
    VerificaInicializado();
    auto item = novo<masterdata::CItemGradeProduto>(msg::criar_item_grade);
    com::check(m_grades.LeItemGrade(iPosGrade, iPosItem, &item->Registro()), msg::ler_item_grade);
    return com::put_object(ppItem, com::com_ptr<IItemGradeProduto>::attach(item.detach()));
} catch (...) {
    return report();
}

HRESULT CProdutos::ExisteItemGradeProduto(USHORT iPosGrade, BSTR bsCodItem, IItemGradeProduto** ppItem) noexcept try {
    if (!ppItem) return E_POINTER;
    *ppItem = nullptr;
    VerificaInicializado();
    WORD posicao = 0;
    _REG_ITENS_GRADE_PRODUTOPS registro{};
    const int resposta = m_grades.ExisteItemGrade(iPosGrade, com::from_bstr(bsCodItem).c_str(), &posicao, &registro);
    if (resposta < 0) com::fail(msg::ler_item_grade, resposta);
    if (resposta != 1) return S_OK;
    auto item = novo<masterdata::CItemGradeProduto>(msg::criar_item_grade);
    item->Registro() = registro;
    return com::put_object(ppItem, com::com_ptr<IItemGradeProduto>::attach(item.detach()));
} catch (...) {
    return report();
}

HRESULT CProdutos::BuscaItensGradeProduto(USHORT iPosGrade, IResultadoBuscaPonteirosItemGradeProduto** ppResultado) noexcept try {
    if (!ppResultado) return E_POINTER;
    *ppResultado = nullptr;
    VerificaInicializado();
    auto resultado = novo<masterdata::CResultadoBuscaPonteirosItemGradeProduto>(msg::criar_lista_itens_grade);
    long quantidade = 0;
    _REG_PONTEIROS_ITENS_GRADE_PRODUTOPS lista{};
    const HRESULT hr = m_grades.BuscaPonteirosItensGrade(iPosGrade, 0, &quantidade, &lista);
    // Handed over before the check, so that the list's array is freed on every road.
    resultado->SetPonteiros(lista);
    com::check(hr, msg::ler_item_grade);
    return com::put_object(ppResultado, com::com_ptr<IResultadoBuscaPonteirosItemGradeProduto>::attach(resultado.detach()));
} catch (...) {
    return report();
}

std::string CProdutos::Linhas(BSTR bsTabelaPrecos, USHORT iIteracao) {
    VerificaInicializado();
    const size_t inicio = static_cast<size_t>(iIteracao) * linhas_por_bloco;
    if (inicio >= m_produtos.size()) return {};
    const size_t fim = std::min(inicio + linhas_por_bloco, m_produtos.size());
    // One table for the whole block, and each unit read once.
    const WORD tabela = TabelaProdutosDe(bsTabelaPrecos);
    std::map<WORD, std::string> unidades;
    std::string saida;
    saida.reserve((fim - inicio) * 400);
    for (size_t i = inicio; i < fim; ++i) {
        _REG_PRODUTOPS p{};
        com::check(m_conexao.LeProduto(m_produtos[i], tabela, &p), msg::ler_produto);
        if (p.ofertado == 0) continue;
        auto u = unidades.find(p.unidade);
        if (u == unidades.end()) {
            _REG_UNIDADES_MEDIDAPS registro{};
            m_conexao.LeUnidadeMedidaProduto(p.unidade, &registro);
            u = unidades.emplace(p.unidade, std::string(inhouse::texto_campo(registro.unidade))).first;
        }
        const CQVString preco = QVFormataValor8Casas(p.preco, p.casas_preco);
        acrescenta_linha_catalogo(saida, {inhouse::texto_campo(p.codigo), inhouse::texto_campo(p.nome), preco, u->second,
                                          inhouse::texto_campo(p.classificacao)});
    }
    return saida;
}

HRESULT CProdutos::TabelaProdutos(BSTR bsTabelaPrecos, USHORT iIteracao, BSTR* pbsTabela) noexcept try {
    if (!pbsTabela) return E_POINTER;
    *pbsTabela = nullptr;
    return com::put_text(pbsTabela, Linhas(bsTabelaPrecos, iIteracao));
} catch (...) {
    return report();
}

HRESULT CProdutos::GetPrecoProduto(BSTR bsCodigo, BSTR bsGrade1, BSTR bsGrade2, BSTR bsGrade3, BSTR bsTabelaPrecos,
                                   BSTR* pbsPreco) noexcept try {
    if (!pbsPreco) return E_POINTER;
    *pbsPreco = nullptr;
    VerificaInicializado();
    const WORD tabela = TabelaProdutosDe(bsTabelaPrecos);
    long ponteiro = 0;
    _REG_PRODUTOPS produto{};
    if (m_conexao.ExisteProduto(com::from_bstr(bsCodigo).c_str(), 'X', tabela, &ponteiro, &produto) != 1) return S_OK;
    const WORD grades[] = {produto.grade1, produto.grade2, produto.grade3};
    BSTR textos[] = {bsGrade1, bsGrade2, bsGrade3};
    WORD itens[3] = {};
    for (int g = 0; g < 3; ++g) {
        const std::string texto = com::from_bstr(textos[g]);
        if (texto.empty() || grades[g] == 0) continue;
        WORD item = 0;
        _REG_ITENS_GRADE_PRODUTOPS registro{};
        if (m_grades.ExisteItemGrade(grades[g], texto.c_str(), &item, &registro) == 1) itens[g] = item;
    }
    IQVDF_Produto* servidor = m_conexao.GetInterface();
    if (!servidor) return S_OK;
    CHAVE_ITENS_PRECO k{};
    k.produto = static_cast<int32_t>(ponteiro);
    k.tabela = tabela;
    k.item1 = itens[0];
    k.item2 = itens[1];
    k.item3 = itens[2];
    RESPOSTA_ITENS_PRECO resposta{};
    servidor->ItensPreco(inhouse::como_bloco<QV_CHAVE_24>(k), reinterpret_cast<BYTE*>(&resposta));
    std::unique_ptr<_REG_ITENS_TABELA_PRECOPS, libera_tarefa> lista(resposta.itens);
    if (resposta.quantidade == 0 || !lista) return S_OK;
    CURRENCY preco;
    preco.int64 = lista.get()[0].preco / 10000;
    return com::put_text(pbsPreco, QVFormataCYMilhar(preco));
} catch (...) {
    return report();
}

}  // namespace sales

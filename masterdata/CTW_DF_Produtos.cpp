#include "masterdata/CTW_DF_Produtos.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "masterdata/CItemGradeProduto.h"
#include "masterdata/CResultadoBuscaPonteirosItemGradeProduto.h"
#include "masterdata/messages.h"
#include "masterdata/produto_registro.h"
#include "platform/com/failure.h"
#include "platform/com/out_param.h"
#include "platform/com/text.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "server/holders/CPoolConexoes.h"

namespace masterdata {

namespace {

CMyConexaoProduto& conexao_produto() { return *server::CPoolConexoes::GetInstancia()->GetMyConexaoProduto(); }
CConexaoGradesProduto& conexao_grades() { return *server::CPoolConexoes::GetInstancia()->GetConexaoGradesProduto(); }

// A look-up's answer: 1 found, 0 missing; a negative one is the failed call's HRESULT.
bool encontrado(int resposta, const char* texto) {
    if (resposta < 0) com::fail(texto, resposta);
    return resposta == 1;
}

void verifica(HRESULT hr, const char* texto) {
    if (FAILED(hr)) com::fail(texto, hr);
}

// A new grid-item object, with the failure text of its creation.
com::com_ptr<CItemGradeProduto> novo_item() {
    try {
        return com::make<CItemGradeProduto>();
    } catch (const std::bad_alloc&) {
        com::fail(msg::criar_item_grade, E_OUTOFMEMORY);
    }
}

}  // namespace

HRESULT CTW_DF_Produtos::SetTabelaPrecos(BSTR bsCodigo, VARIANT_BOOL* pvbTabelaValida) noexcept try {
    if (!pvbTabelaValida) return E_POINTER;
    *pvbTabelaValida = VARIANT_FALSE;
    long ponteiro = 0;
    _REG_TABELA_PRECOSPS tabela{};
    const bool achou = encontrado(
        conexao_produto().ExisteTabelaPreco(com::from_bstr(bsCodigo).c_str(), 'V', &ponteiro, &tabela),
        msg::procurar_tabela_precos);
    if (!achou) ponteiro = 0;
    // Prices belong to a table: another table's list must be loaded again.
    if (ponteiro != m_lTabelaPrecos) m_produtos.clear();
    m_lTabelaPrecos = ponteiro;
    *pvbTabelaValida = achou ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_DF_Produtos::BuscaPonteiros(BSTR bsTipoConta, ULONG* pulQuantidade) noexcept try {
    if (!pulQuantidade) return E_POINTER;
    *pulQuantidade = 0;
    const std::string tipo = com::from_bstr(bsTipoConta);
    // The loaded list answers only for the kind it was loaded with.
    if (!m_produtos.empty() && tipo == m_sTipoCarregado)
        return com::put_number(pulQuantidade, static_cast<ULONG>(m_produtos.size()));

    CMyConexaoProduto& conexao = conexao_produto();
    const long quantidade = conexao.BuscaQuantidadeProdutos(tipo.c_str(), 0);
    if (quantidade < 0) com::fail(msg::quantidade_produtos, quantidade);
    if (quantidade == 0) {
        m_produtos.clear();
        return S_OK;
    }
    const WORD tabela = static_cast<WORD>(m_lTabelaPrecos & 0xFFFF);
    std::vector<long> ponteiros(static_cast<size_t>(quantidade));
    long achados = 0;
    verifica(conexao.BuscaApenasPonteirosProdutosF4(quantidade, tabela, 0, &achados, ponteiros.data()),
             msg::ponteiros_produtos);
    // A server that reports more than it was asked for never makes the list read past the array.
    const size_t n = static_cast<size_t>(std::clamp<long>(achados, 0, quantidade));

    // Loaded aside: a load that fails halfway leaves the list empty, and the next call tries again.
    std::vector<_REG_PRODUTOPS> lidos(n);
    for (size_t i = 0; i < n; ++i) verifica(conexao.LeProduto(ponteiros[i], tabela, &lidos[i]), msg::ler_produto);
    std::erase_if(lidos, [](const _REG_PRODUTOPS& p) { return p.ofertado == 0; });
    OrdenaProdutos(lidos, 2);
    m_produtos = std::move(lidos);
    m_sTipoCarregado = tipo;
    return com::put_number(pulQuantidade, static_cast<ULONG>(m_produtos.size()));
} catch (...) {
    return report();
}

HRESULT CTW_DF_Produtos::LePosicao(ULONG ulPosArray) noexcept {
    if (ulPosArray >= m_produtos.size()) return E_INVALIDARG;
    m_atual = m_produtos[ulPosArray];
    return S_OK;
}

HRESULT CTW_DF_Produtos::GetCodigo(BSTR* pbsCodigo) noexcept try {
    return com::put_text(pbsCodigo, CodigoProduto(m_atual));
} catch (...) {
    return report();
}

HRESULT CTW_DF_Produtos::GetNome(BSTR* pbsNome) noexcept try {
    return com::put_text(pbsNome, NomeProduto(m_atual));
} catch (...) {
    return report();
}

HRESULT CTW_DF_Produtos::GetClassificacao(BSTR* pbsClassificacao) noexcept try {
    return com::put_text(pbsClassificacao, ClassificacaoProduto(m_atual));
} catch (...) {
    return report();
}

HRESULT CTW_DF_Produtos::GetUnidade(BSTR* pbsUnidade) noexcept try {
    if (!pbsUnidade) return E_POINTER;
    *pbsUnidade = nullptr;
    _REG_UNIDADES_MEDIDAPS unidade{};
    const HRESULT hr = conexao_produto().LeUnidadeMedidaProduto(m_atual.unidade, &unidade);
    // A unit that is not in the register shows as an empty text; a failed call is a failure.
    if (FAILED(hr) && hr != inhouse::QV_E_UNIDADE_DESCONHECIDA) com::fail(msg::ler_unidade, hr);
    return com::put_text(pbsUnidade, SUCCEEDED(hr) ? inhouse::texto_campo(unidade.unidade) : std::string_view{});
} catch (...) {
    return report();
}

HRESULT CTW_DF_Produtos::GetPreco(BSTR* pbsPreco) noexcept try {
    return com::put_text(pbsPreco, PrecoProduto(m_atual));
} catch (...) {
    return report();
}

HRESULT CTW_DF_Produtos::SetOrdenacao(USHORT usOrdem) noexcept try {
    OrdenaProdutos(m_produtos, usOrdem);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_DF_Produtos::GetPonteirosGradeProdutos(USHORT iPosGrade,
                                                   IResultadoBuscaPonteirosItemGradeProduto** ppResultado) noexcept try {
    if (!ppResultado) return E_POINTER;
    *ppResultado = nullptr;
    com::com_ptr<CResultadoBuscaPonteirosItemGradeProduto> resultado;
    try {
        resultado = com::make<CResultadoBuscaPonteirosItemGradeProduto>();
    } catch (const std::bad_alloc&) {
        com::fail(msg::instanciar_grades, E_OUTOFMEMORY);
    }
    long quantidade = 0;
    _REG_PONTEIROS_ITENS_GRADE_PRODUTOPS lista{};
    const HRESULT hr = conexao_grades().BuscaPonteirosItensGrade(iPosGrade, 0, &quantidade, &lista);
    // Handed over before the check, so that the list's array is freed on every road.
    resultado->SetPonteiros(lista);
    verifica(hr, msg::ler_item_grade);
    *ppResultado = resultado.detach();
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_DF_Produtos::LeItemGradeProduto(USHORT iPosGrade, USHORT iPosItem, IItemGradeProduto** ppItem) noexcept try {
    if (!ppItem) return E_POINTER;
    *ppItem = nullptr;
    auto item = novo_item();
    verifica(conexao_grades().LeItemGrade(iPosGrade, iPosItem, &item->Registro()), msg::ler_item_grade);
    *ppItem = item.detach();
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_DF_Produtos::LeItemGradeProdutoPorCodigo(USHORT iPosGrade, BSTR bsCodigo, IItemGradeProduto** ppItem) noexcept try {
    if (!ppItem) return E_POINTER;
    *ppItem = nullptr;
    auto item = novo_item();
    std::string codigo = com::from_bstr(bsCodigo);
    if (!codigo.empty()) CharUpperBuffA(codigo.data(), static_cast<DWORD>(codigo.size()));
    WORD posicao = 0;
    _REG_ITENS_GRADE_PRODUTOPS rascunho{};
    const int resposta = conexao_grades().ExisteItemGrade(iPosGrade, codigo.c_str(), &posicao, &rascunho);
    if (resposta < 0) com::fail(msg::ler_item_grade, resposta);
    if (resposta != 1) com::fail(msg::item_grade_inexistente, 0);
    verifica(conexao_grades().LeItemGrade(iPosGrade, posicao, &item->Registro()), msg::ler_item_grade);
    *ppItem = item.detach();
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_DF_Produtos::LeProdutoCodigo(BSTR bsCodigo) noexcept try {
    const std::string codigo = com::from_bstr(bsCodigo);
    const auto it = std::find_if(m_produtos.begin(), m_produtos.end(),
                                 [&](const _REG_PRODUTOPS& p) { return CodigoProduto(p) == codigo; });
    if (it != m_produtos.end()) m_atual = *it;
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_DF_Produtos::LePonteiroGrade1(USHORT* piPonteiro) noexcept { return com::put_number(piPonteiro, m_atual.grade1); }
HRESULT CTW_DF_Produtos::LePonteiroGrade2(USHORT* piPonteiro) noexcept { return com::put_number(piPonteiro, m_atual.grade2); }
HRESULT CTW_DF_Produtos::LePonteiroGrade3(USHORT* piPonteiro) noexcept { return com::put_number(piPonteiro, m_atual.grade3); }

HRESULT CTW_DF_Produtos::LeProduto(BSTR bsCodigo, char tipo, VARIANT_BOOL* pvbExiste) {
    if (!pvbExiste) return E_POINTER;
    *pvbExiste = VARIANT_FALSE;
    long ponteiro = 0;
    _REG_PRODUTOPS lido{};
    const int resposta = conexao_produto().ExisteProduto(com::from_bstr(bsCodigo).c_str(), tipo,
                                                         static_cast<WORD>(m_lTabelaPrecos & 0xFFFF), &ponteiro, &lido);
    if (resposta < 0) {
        m_atual = {};
        com::fail(msg::procurar_produto, resposta);
    }
    if (resposta == 1 && lido.ofertado == 1) {
        m_atual = lido;
        *pvbExiste = VARIANT_TRUE;
    } else {
        m_atual = {};
    }
    return S_OK;
}

HRESULT CTW_DF_Produtos::GetProduto(BSTR bsCodigo, VARIANT_BOOL* pvbExiste) noexcept try {
    return LeProduto(bsCodigo, 'A', pvbExiste);
} catch (...) {
    return report();
}

HRESULT CTW_DF_Produtos::GetProdutoTitulo(BSTR bsCodigo, VARIANT_BOOL* pvbExiste) noexcept try {
    return LeProduto(bsCodigo, 'T', pvbExiste);
} catch (...) {
    return report();
}

HRESULT CTW_DF_Produtos::GetDescricao(BSTR* pbsDescricao) noexcept try {
    return com::put_text(pbsDescricao, "ToDo");
} catch (...) {
    return report();
}

}  // namespace masterdata

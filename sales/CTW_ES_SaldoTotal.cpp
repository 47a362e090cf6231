#include "sales/CTW_ES_SaldoTotal.h"

#include <objbase.h>

#include <cstring>
#include <memory>

#include "base/QVCurrency.h"
#include "platform/com/failure.h"
#include "platform/com/out_param.h"
#include "platform/com/text.h"
#include "platform/com/wire_pointer.h"
#include "platform/inhouse/acesso/QVAcesso.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "platform/inhouse/produtos/registros_preco.h"
#include "sales/messages.h"
#include "server/holders/CCacheServidores.h"
#include "server/holders/CPoolConexoes.h"

namespace sales {

namespace {

using inhouse::_REG_ES_SALDOS_PRODUTOSPS;

CMyConexaoProduto& conexao_produto() { return *server::CPoolConexoes::GetInstancia()->GetMyConexaoProduto(); }
CConexaoGradesProduto& conexao_grades() { return *server::CPoolConexoes::GetInstancia()->GetConexaoGradesProduto(); }
CConexaoUnidadeMedidaProduto& conexao_unidades() {
    return *server::CPoolConexoes::GetInstancia()->GetConexaoUnidadeMedidaProduto();
}

void verifica(HRESULT hr, const char* texto) {
    if (FAILED(hr)) com::fail(texto, hr);
}

// The decimals a balance is written with, from the unit's decimals code.
int casas_saldo(uint8_t codigo) { return codigo == 0 ? 0 : codigo == 1 ? 2 : 4; }

struct libera_tarefa {
    void operator()(void* p) const noexcept { CoTaskMemFree(p); }
};

}  // namespace

std::string CTW_ES_SaldoTotal::NormalizaCodigo(std::string codigo) {
    if (!codigo.empty() && codigo.size() < 4) codigo.insert(0, 4 - codigo.size(), '0');
    return codigo;
}

HRESULT CTW_ES_SaldoTotal::SetProduto(BSTR bsCodigo, VARIANT_BOOL* pvbProdutoValido) noexcept try {
    if (!pvbProdutoValido) return E_POINTER;
    *pvbProdutoValido = VARIANT_FALSE;
    const std::string codigo = NormalizaCodigo(com::from_bstr(bsCodigo));
    CMyConexaoProduto& conexao = conexao_produto();
    long ponteiro = 0;
    if (conexao.ExisteProduto(codigo.c_str(), 'A', m_tabela, &ponteiro, &m_produto) != 1) return S_OK;
    m_ponteiro = ponteiro;
    const bool ofertado = conexao.LeProduto(ponteiro, m_tabela, &m_produto) == S_OK && m_produto.ofertado != 0;
    return com::put_bool(pvbProdutoValido, ofertado);
} catch (...) {
    return report();
}

HRESULT CTW_ES_SaldoTotal::SetGrade(USHORT uiPos, BSTR bsCodigo, VARIANT_BOOL* pvbGradeValida) noexcept try {
    if (!pvbGradeValida) return E_POINTER;
    *pvbGradeValida = VARIANT_FALSE;
    if (uiPos > 2) return S_OK;
    const WORD grades[] = {m_produto.grade1, m_produto.grade2, m_produto.grade3};
    WORD item = 0;
    _REG_ITENS_GRADE_PRODUTOPS registro{};
    const bool existe =
        conexao_grades().ExisteItemGrade(grades[uiPos], com::from_bstr(bsCodigo).c_str(), &item, &registro) == 1;
    m_itens[uiPos] = existe ? item : 0;
    return com::put_bool(pvbGradeValida, existe);
} catch (...) {
    return report();
}

HRESULT CTW_ES_SaldoTotal::SetFilial(USHORT uiFilial, VARIANT_BOOL* pvbFilialValida) noexcept {
    if (!pvbFilialValida) return E_POINTER;
    m_filial = uiFilial;
    return com::put_bool(pvbFilialValida, true);
}

HRESULT CTW_ES_SaldoTotal::SetTabelaPrecos(BSTR bsCodigo, VARIANT_BOOL* pvbTabelaValida) noexcept try {
    if (!pvbTabelaValida) return E_POINTER;
    *pvbTabelaValida = VARIANT_FALSE;
    long posicao = 0;
    _REG_TABELA_PRECOSPS tabela{};
    if (conexao_produto().ExisteTabelaPreco(com::from_bstr(bsCodigo).c_str(), 'V', &posicao, &tabela) != 1) return S_OK;
    m_tabela = static_cast<WORD>(posicao & 0xFFFF);
    return com::put_bool(pvbTabelaValida, true);
} catch (...) {
    return report();
}

HRESULT CTW_ES_SaldoTotal::SetTipoLocal(VARIANT_BOOL vbEP, VARIANT_BOOL vbEPT, VARIANT_BOOL vbETPE) noexcept {
    m_etpe = com::is_true(vbETPE);
    m_ep = !m_etpe && com::is_true(vbEP);
    m_ept = !m_etpe && com::is_true(vbEPT);
    return S_OK;
}

HRESULT CTW_ES_SaldoTotal::SetMostrarSaldoZero(VARIANT_BOOL vbMostrar) noexcept {
    m_mostrar_zero = com::is_true(vbMostrar);
    return S_OK;
}

int64_t CTW_ES_SaldoTotal::SomaSaldos(const _REG_ES_SALDOS_PRODUTOSPS& linha) const {
    int64_t soma = 0;
    if (m_ep) soma += linha.saldo_ep;
    if (m_ept) soma += linha.saldo_ept;
    if (m_etpe) soma += linha.saldo_etpe;
    return soma;
}

HRESULT CTW_ES_SaldoTotal::BuscaSaldos(ULONG* pulQuantidade) noexcept try {
    if (!pulQuantidade) return E_POINTER;
    *pulQuantidade = 0;
    // The key lives in task memory for the call and is freed however the call ends.
    std::unique_ptr<inhouse::REG_CHAVE_SALDO, libera_tarefa> chave(
        static_cast<inhouse::REG_CHAVE_SALDO*>(CoTaskMemAlloc(sizeof(inhouse::REG_CHAVE_SALDO))));
    if (!chave) com::fail(msg::buscar_saldos, E_OUTOFMEMORY);
    *chave = {static_cast<uint32_t>(m_ponteiro), {m_itens[0], m_itens[1], m_itens[2]}};
    inhouse::REG_LISTA_SALDOS pedido{};
    pedido.filial = m_filial;
    pedido.vinte_e_quatro = 24;
    pedido.quantidade_chaves = 1;
    pedido.um = 1;
    pedido.chaves = com::wire_pointer_put(chave.get());
    struct esquece_campo {
        uint32_t campo;
        ~esquece_campo() { com::wire_pointer_take(campo); }
    } campo_chave{pedido.chaves};

    com::com_ptr<IQVES_Estoque> estoque = server::CCacheServidores::GetInstancia()->GetServidorEstoque();
    if (!estoque) com::fail(msg::buscar_saldos, E_FAIL);
    inhouse::REG_RESPOSTA_SALDOS resposta{};
    const HRESULT hr = estoque->BuscaSaldos(inhouse::como_bloco<QV_LISTA_SALDOS_60>(pedido), reinterpret_cast<BYTE*>(&resposta));
    estoque = nullptr;
    std::unique_ptr<_REG_ES_SALDOS_PRODUTOSPS, libera_tarefa> linhas(
        static_cast<_REG_ES_SALDOS_PRODUTOSPS*>(com::wire_pointer_take(resposta.linhas)));
    verifica(hr, msg::buscar_saldos);

    m_linhas.assign(resposta.quantidade, {});
    if (resposta.quantidade > 0) {
        if (!linhas) com::fail(msg::buscar_saldos, E_POINTER);
        std::memcpy(m_linhas.data(), linhas.get(), resposta.quantidade * sizeof(_REG_ES_SALDOS_PRODUTOSPS));
    }
    if (!m_mostrar_zero) {
        for (size_t i = m_linhas.size(); i-- > 0;)
            if (SomaSaldos(m_linhas[i]) == 0) m_linhas.erase(m_linhas.begin() + static_cast<std::ptrdiff_t>(i));
    }
    return com::put_number(pulQuantidade, m_linhas.size());
} catch (...) {
    return report();
}

CTW_ES_SaldoTotal::linha_texto CTW_ES_SaldoTotal::CarregaLinha(const _REG_ES_SALDOS_PRODUTOSPS& linha) const {
    linha_texto t;
    IQVDF_Produto* produtos = conexao_produto().GetInterface();
    if (!produtos) com::fail(msg::buscar_registro_produto, E_FAIL);
    // The product server's own record of the product (no price table): code, name, the key of
    // its description, grid and unit pointers.
    _REG_PRODUTOPS produto{};
    QV_PRODUTO_984 bloco{};
    verifica(produtos->LeProduto(static_cast<LONG>(linha.chave.produto), 0, &bloco), msg::buscar_registro_produto);
    std::memcpy(&produto, bloco.dados, sizeof produto);
    t.codigo = std::string(inhouse::texto_campo(produto.codigo));

    BSTR descricao = nullptr;
    const HRESULT hr = produtos->Descricao(static_cast<LONG>(produto.descricao), &descricao);
    SysFreeString(descricao);
    verifica(hr, msg::buscar_descricao_produto);
    t.descricao = std::string(inhouse::texto_campo(produto.nome));

    const WORD grades[] = {produto.grade1, produto.grade2, produto.grade3};
    for (int g = 0; g < 3; ++g) {
        if (linha.chave.itens[g] == 0) continue;
        _REG_ITENS_GRADE_PRODUTOPS item{};
        verifica(conexao_grades().LeItemGrade(grades[g], linha.chave.itens[g], &item), msg::buscar_grade_produto);
        t.grades[g] = std::string(inhouse::texto_campo(item.descricao));
    }

    _REG_UNIDADES_MEDIDAPS unidade{};
    conexao_unidades().Le(produto.unidade, &unidade);
    CURRENCY saldo;
    saldo.int64 = SomaSaldos(linha);
    t.saldo = QVFormataCYDecimais(saldo, casas_saldo(unidade.casas));

    CHAVE_ITENS_PRECO k{};
    k.produto = static_cast<int32_t>(linha.chave.produto);
    k.tabela = m_tabela;
    k.item1 = linha.chave.itens[0];
    k.item2 = linha.chave.itens[1];
    k.item3 = linha.chave.itens[2];
    RESPOSTA_ITENS_PRECO resposta{};
    const HRESULT hr_preco = produtos->ItensPreco(inhouse::como_bloco<QV_CHAVE_24>(k), reinterpret_cast<BYTE*>(&resposta));
    std::unique_ptr<_REG_ITENS_TABELA_PRECOPS, libera_tarefa> itens(resposta.itens);
    verifica(hr_preco, msg::buscar_preco_produto);
    if (resposta.quantidade != 0 && itens) {
        CURRENCY preco;
        preco.int64 = itens.get()[0].preco / 10000;
        t.preco = QVFormataCYMilhar(preco);
    } else {
        t.preco = "0,00";
    }
    return t;
}

HRESULT CTW_ES_SaldoTotal::LePosicao(ULONG ulPosArray) noexcept try {
    if (ulPosArray >= m_linhas.size()) return E_INVALIDARG;
    m_atual = CarregaLinha(m_linhas[ulPosArray]);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_ES_SaldoTotal::GetCodigo(BSTR* pbsTexto) noexcept { return com::put_text(pbsTexto, m_atual.codigo); }

HRESULT CTW_ES_SaldoTotal::GetDescricao(BSTR* pbsTexto) noexcept { return com::put_text(pbsTexto, m_atual.descricao); }

HRESULT CTW_ES_SaldoTotal::GetGrade(USHORT uiPos, BSTR* pbsTexto) noexcept {
    return com::put_text(pbsTexto, uiPos < 3 ? std::string_view(m_atual.grades[uiPos]) : std::string_view());
}

HRESULT CTW_ES_SaldoTotal::GetSaldo(BSTR* pbsTexto) noexcept try {
    std::string texto;
    for (char c : m_atual.saldo)
        if (c != '.') texto += c == ',' ? '.' : c;
    return com::put_text(pbsTexto, texto);
} catch (...) {
    return report();
}

HRESULT CTW_ES_SaldoTotal::GetPreco(BSTR* pbsTexto) noexcept { return com::put_text(pbsTexto, m_atual.preco); }

}  // namespace sales

// Order entry: the items (adding, removing, selecting and reading them) and the discount
// calculator.
#include <cstring>
#include <string>

#include "base/CQVException.h"
#include "base/QVCurrency.h"
#include "base/QVDataCurta.h"
#include "base/exact_decimal.h"
#include "ft/ftlibrary/campo_texto.h"
#include "platform/com/failure.h"
#include "platform/com/out_param.h"
#include "platform/com/text.h"
#include "platform/inhouse/core/leitura_agrupada.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "sales/CTW_FT_Pedido.h"
#include "sales/messages.h"
#include "sales/pedido_cadastros.h"
#include "server/holders/CPoolConexoes.h"
#include "server/holders/sessao_atual.h"

namespace sales {

namespace {

constexpr int64_t oito_casas_por_tick = 10000;    // from four to eight implied decimals

CURRENCY valor(BSTR texto) { return QVConverteTextoCY(com::from_bstr(texto).c_str()); }
CURRENCY cy(int64_t ticks) {
    CURRENCY c;
    c.int64 = ticks;
    return c;
}

// Exact products and quotients of amounts (no double, the same on both builds); an amount too
// large for a CURRENCY is an overflow failure.
int64_t exato(bool ok, const int64_t& valor) {
    if (!ok) com::fail(msg::valor_fora_limite, DISP_E_OVERFLOW);
    return valor;
}
int64_t multiplica(int64_t a, int64_t b, int expoente) {
    int64_t r = 0;
    const bool ok = exact::mul_scaled(a, b, expoente, r);
    return exato(ok, r);
}
int64_t divide(int64_t a, int64_t b, int expoente) {
    int64_t r = 0;
    const bool ok = exact::div_scaled(a, b, expoente, r);
    return exato(ok, r);
}

// The product record of an item; zero when it cannot be read.
_REG_PRODUTOPS produto_do_item(const REG_ITEM_PEDIDO& r) {
    _REG_PRODUTOPS produto{};
    server::CPoolConexoes::GetInstancia()->GetMyConexaoProduto()->LeProduto(r.Posicao.Produto, r.PosicaoTabelaPreco,
                                                                            &produto);
    return produto;
}

std::string descricao_grade(const REG_ITEM_PEDIDO& r, int n) {
    if (r.Produto == 0) return {};
    const _REG_PRODUTOPS p = produto_do_item(r);
    const uint16_t chaves[3] = {p.grade1, p.grade2, p.grade3};
    const uint16_t itens[3] = {r.Posicao.Grade1, r.Posicao.Grade2, r.Posicao.Grade3};
    return descricao_item_grade(chaves[n], itens[n]);
}

}  // namespace

HRESULT CTW_FT_Pedido::AdicionaItem(BSTR bsCodigo, BSTR bsQuantidade, BSTR bsValorUnitario, BSTR bsValorDesconto,
                                    BSTR bsAliqICMS, BSTR bsAliqIPI, BSTR bsAliqICMSST, BSTR bsNrOC, BSTR bsDataEntrega,
                                    BSTR bsComplemento, BSTR bsPesoBruto, BSTR bsPesoLiquido, BSTR bsGrade1,
                                    BSTR bsGrade2, BSTR bsGrade3, unsigned char cLivreCobranca, BSTR bsCFOP,
                                    unsigned char cDescontoPercentual, BSTR bsTabPrecos, BSTR bsFilial,
                                    BSTR bsCliente, VARIANT_BOOL* pvbSucesso) noexcept try {
    if (!pvbSucesso) return E_POINTER;
    *pvbSucesso = VARIANT_FALSE;
    server::le_sessao_atual();
    LeRelogio();
    // About fifteen look-ups: one read of the store instead of one lock round each.
    const inhouse::leitura_agrupada leitura;
    REG_ITEM_PEDIDO r{};
    const std::string codigo = com::from_bstr(bsCodigo);

    uint16_t tabela = 0;
    if (!tabela_precos(com::from_bstr(bsTabPrecos), tabela)) com::fail(msg::adicionar_item);
    r.PosicaoTabelaPreco = tabela;

    const std::string grades[3] = {com::from_bstr(bsGrade1), com::from_bstr(bsGrade2), com::from_bstr(bsGrade3)};
    uint16_t itens[3];
    if (!itens_grade(codigo, grades, tabela, itens)) com::fail(msg::adicionar_item);

    _REG_PRODUTOPS registro_produto{};
    int32_t posicao_produto = 0;
    if (!produto(codigo, tabela, posicao_produto, registro_produto)) com::fail(msg::adicionar_item);

    const std::string complemento = com::from_bstr(bsComplemento);
    for (uint16_t i = 0; i < m_pedido.GetQtdItens(); ++i) {
        REG_ITEM_PEDIDO outro{};
        m_pedido.GetItem(i).GetRegistro(outro);
        if (outro.Posicao.Produto == posicao_produto && outro.Posicao.Grade1 == itens[0] &&
            outro.Posicao.Grade2 == itens[1] && outro.Posicao.Grade3 == itens[2] &&
            ft::le_texto(outro.Complemento, sizeof outro.Complemento) == complemento)
            com::fail(msg::item_ja_cadastrado);
    }

    inhouse::REG_FILIAL filial{};
    long posicao_filial = 0;
    if (server::CPoolConexoes::GetInstancia()->GetConexaoFilial()->Existe(com::from_bstr(bsFilial), &posicao_filial,
                                                                        &filial) != 1)
        com::fail(msg::adicionar_item);
    r.CodigoNatureza = posicao_natureza(com::from_bstr(bsCFOP), static_cast<uint16_t>(posicao_filial), m_hoje);

    r.Posicao = {posicao_produto, itens[0], itens[1], itens[2]};
    r.LivreCobranca = cLivreCobranca;
    r.DescontoPercentual = cDescontoPercentual;
    // The point is a thousands separator here: "1.250" is one thousand two hundred and fifty.
    std::string quantidade = com::from_bstr(bsQuantidade);
    for (char& c : quantidade)
        if (c == '.') c = ' ';
    r.Quantidade = QVConverteTextoCY(quantidade.c_str());
    r.ValorUnitario = valor(bsValorUnitario).int64 * oito_casas_por_tick;
    // The client's rates go to the rate fields, where the item's tax calculation reads them (in
    // the amount fields they were lost at the next recalculation and the taxes came out 0).
    r.AliquotaIPI = valor(bsAliqIPI);
    r.AliquotaICMS = static_cast<uint16_t>(valor(bsAliqICMS).int64 / 100);
    r.AliquotaICMSST = static_cast<uint16_t>(valor(bsAliqICMSST).int64 / 100);
    r.CasasDecimais = 2;
    r.Produto = 1;

    const CURRENCY desconto = valor(bsValorDesconto);
    if (cDescontoPercentual != 0)
        r.PercentualDesconto = static_cast<uint16_t>(desconto.int64 / 100);   // hundredths of a percent
    else
        r.DescontoUnitario = desconto.int64 * oito_casas_por_tick;

    r.DataEntrega = QVConverteTextoData(com::from_bstr(bsDataEntrega).c_str());
    BYTE byte321 = 0;
    r.Flag1 = parametro_comercial(321, byte321) && byte321 == 'S' ? 1 : 0;
    ft::grava_texto(r.Complemento, sizeof r.Complemento, 1000, complemento);
    ft::grava_texto(r.Texto2, sizeof r.Texto2, sizeof r.Texto2, com::from_bstr(bsNrOC));

    if (!PassoFilial(com::from_bstr(bsFilial)) || !PassoCliente(com::from_bstr(bsCliente))) com::fail(msg::adicionar_item);

    const CURRENCY q = r.Quantidade;
    m_pedido.SetPesoBruto(cy(m_pedido.GetPesoBruto().int64 + multiplica(valor(bsPesoBruto).int64, q.int64, -4)));
    m_pedido.SetPesoLiquido(
        cy(m_pedido.GetPesoLiquido().int64 + multiplica(valor(bsPesoLiquido).int64, q.int64, -4)));

    CItemPedido item(r);
    item.SetOpcaoFilial(1);
    m_pedido.AdicionaItem(item);
    m_pedido.AtualizaTotaisItens();
    *pvbSucesso = VARIANT_TRUE;
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_FT_Pedido::RemoveItem(int iPosicao, VARIANT_BOOL* pvbSucesso) noexcept try {
    if (!pvbSucesso) return E_POINTER;
    *pvbSucesso = VARIANT_FALSE;
    server::le_sessao_atual();
    LeRelogio();
    if (iPosicao < 0 || iPosicao >= m_pedido.GetQtdItens()) com::fail(msg::item_invalido, E_INVALIDARG);
    m_pedido.RemoveItem(static_cast<uint16_t>(iPosicao));
    *pvbSucesso = VARIANT_TRUE;
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_FT_Pedido::GetQtdItens(long* lQtdItens) noexcept try {
    if (!lQtdItens) return E_POINTER;
    *lQtdItens = 0;
    server::le_sessao_atual();
    *lQtdItens = static_cast<int16_t>(m_pedido.GetQtdItens());
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_FT_Pedido::GetItem(long lPosicao) noexcept try {
    server::le_sessao_atual();
    m_item = lPosicao;
    return S_OK;
} catch (...) {
    return report();
}

REG_ITEM_PEDIDO CTW_FT_Pedido::ItemSelecionado() const {
    server::le_sessao_atual();
    if (m_item < 0 || m_item >= m_pedido.GetQtdItens()) com::fail(msg::item_invalido, E_INVALIDARG);
    REG_ITEM_PEDIDO r{};
    m_pedido.GetItem(static_cast<uint16_t>(m_item)).GetRegistro(r);
    return r;
}

HRESULT CTW_FT_Pedido::GetCodigoItem(BSTR* pbsTexto) noexcept try {
    if (!pbsTexto) return E_POINTER;
    *pbsTexto = nullptr;
    const _REG_PRODUTOPS p = produto_do_item(ItemSelecionado());
    return com::put_text(pbsTexto, inhouse::texto_campo(p.codigo));
} catch (...) {
    return report();
}

HRESULT CTW_FT_Pedido::GetDescricaoItem(BSTR* pbsTexto) noexcept try {
    if (!pbsTexto) return E_POINTER;
    *pbsTexto = nullptr;
    const _REG_PRODUTOPS p = produto_do_item(ItemSelecionado());
    return com::put_text(pbsTexto, inhouse::texto_campo(p.nome));
} catch (...) {
    return report();
}

HRESULT CTW_FT_Pedido::GetClassificacaoItem(BSTR* pbsTexto) noexcept try {
    if (!pbsTexto) return E_POINTER;
    *pbsTexto = nullptr;
    const _REG_PRODUTOPS p = produto_do_item(ItemSelecionado());
    return com::put_text(pbsTexto, inhouse::texto_campo(p.classificacao));
} catch (...) {
    return report();
}

HRESULT CTW_FT_Pedido::GetDescricaoGrade1Item(BSTR* pbsTexto) noexcept try {
    if (!pbsTexto) return E_POINTER;
    *pbsTexto = nullptr;
    return com::put_text(pbsTexto, descricao_grade(ItemSelecionado(), 0));
} catch (...) {
    return report();
}

HRESULT CTW_FT_Pedido::GetDescricaoGrade2Item(BSTR* pbsTexto) noexcept try {
    if (!pbsTexto) return E_POINTER;
    *pbsTexto = nullptr;
    return com::put_text(pbsTexto, descricao_grade(ItemSelecionado(), 1));
} catch (...) {
    return report();
}

HRESULT CTW_FT_Pedido::GetDescricaoGrade3Item(BSTR* pbsTexto) noexcept try {
    if (!pbsTexto) return E_POINTER;
    *pbsTexto = nullptr;
    return com::put_text(pbsTexto, descricao_grade(ItemSelecionado(), 2));
} catch (...) {
    return report();
}

HRESULT CTW_FT_Pedido::GetQtdItem(BSTR* pbsTexto) noexcept try {
    if (!pbsTexto) return E_POINTER;
    *pbsTexto = nullptr;
    return com::put_text(pbsTexto, QVFormataCYMilhar(ItemSelecionado().Quantidade));
} catch (...) {
    return report();
}

HRESULT CTW_FT_Pedido::GetValorUnitarioItem(BSTR* pbsTexto) noexcept try {
    if (!pbsTexto) return E_POINTER;
    *pbsTexto = nullptr;
    return com::put_text(pbsTexto, QVFormataValor8Casas(ItemSelecionado().ValorUnitario, 2));
} catch (...) {
    return report();
}

HRESULT CTW_FT_Pedido::GetDescontoUnitarioItem(BSTR* pbsTexto) noexcept try {
    if (!pbsTexto) return E_POINTER;
    *pbsTexto = nullptr;
    return com::put_text(pbsTexto, QVFormataValor8Casas(ItemSelecionado().DescontoUnitario, 2));
} catch (...) {
    return report();
}

HRESULT CTW_FT_Pedido::GetValorLiquidoItem(BSTR* pbsTexto) noexcept try {
    if (!pbsTexto) return E_POINTER;
    *pbsTexto = nullptr;
    const REG_ITEM_PEDIDO r = ItemSelecionado();
    return com::put_text(pbsTexto, QVFormataValor8Casas(r.ValorUnitario - r.DescontoUnitario, 2));
} catch (...) {
    return report();
}

HRESULT CTW_FT_Pedido::CalculaDescontoItem(BSTR bsValorItem, BSTR bsValorDesconto, VARIANT_BOOL vbEmPorcentagem,
                                           BSTR* pvsRetorno) noexcept try {
    if (!pvsRetorno) return E_POINTER;
    *pvsRetorno = nullptr;
    server::le_sessao_atual();
    const int64_t a = valor(bsValorItem).int64;
    const int64_t b = valor(bsValorDesconto).int64;
    int64_t resultado = 0;
    if (vbEmPorcentagem == VARIANT_TRUE)
        resultado = multiplica(b, a, -6);     // B percent of A: b x a / 100, in ticks
    else if (a != 0)
        resultado = divide(b, a, 6);          // B as a percentage of A: 100 x b / a, in ticks
    return com::put_text(pvsRetorno, QVFormataCYDecimais(cy(resultado), 2));
} catch (...) {
    return report();
}

}  // namespace sales

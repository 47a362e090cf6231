#include "sales/CItemCotacaoWeb.h"

#include <cstring>
#include <string>

#include "base/QVCurrency.h"
#include "platform/com/failure.h"
#include "platform/com/out_param.h"
#include "platform/com/text.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "platform/inhouse/produtos/registros_produto.h"
#include "sales/CCotacaoWeb.h"
#include "sales/messages.h"

namespace sales {

namespace {

// Unit prices and discounts keep 8 decimals; clients type them with 4.
constexpr int64_t de_4_para_8_casas = 10000;

bool eh_produto(const REG_ITEM_SOLICITADO_COTACAO& item) noexcept { return item.tipo == 'P'; }

void le(HRESULT hr) { com::check(hr, msg::ler_cadastro_item_cotacao); }

}  // namespace

CItemCotacaoWeb::~CItemCotacaoWeb() = default;

void CItemCotacaoWeb::SetReferencias(com::com_ptr<CCotacaoWeb> cotacao, uint16_t item) noexcept {
    m_cotacao = std::move(cotacao);
    m_item = item;
}

HRESULT CItemCotacaoWeb::get_DescricaoProduto(BSTR* pVal) noexcept try {
    if (pVal) *pVal = nullptr;
    const REG_ITEM_SOLICITADO_COTACAO& item = m_cotacao->item_solicitado(m_item);
    std::string descricao;
    if (!eh_produto(item)) {
        _REG_SERVICOSPS servico{};
        le(m_cotacao->conexao_produto().LeServico(static_cast<long>(item.produto), &servico));
        descricao = inhouse::texto_campo(servico.nome);
        m_servico = 1;
    } else {
        _REG_PRODUTOPS produto{};
        le(m_cotacao->conexao_produto().LeProduto(static_cast<long>(item.produto), 0, &produto));
        descricao = inhouse::texto_campo(produto.nome);
        const uint16_t grades[3] = {produto.grade1, produto.grade2, produto.grade3};
        for (int k = 0; k < 3; ++k) {
            if (item.itens_grade[k] == 0) continue;
            _REG_GRADES_PRODUTOPS grade{};
            _REG_ITENS_GRADE_PRODUTOPS grade_item{};
            le(m_cotacao->conexao_grades().LeGrade(grades[k], &grade));
            le(m_cotacao->conexao_grades().LeItemGrade(grades[k], item.itens_grade[k], &grade_item));
            descricao += " - ";
            descricao += inhouse::texto_campo(grade_item.descricao);
        }
    }
    return com::put_text(pVal, descricao);
} catch (...) {
    return report();
}

HRESULT CItemCotacaoWeb::get_QtdCotada(BSTR* pVal) noexcept try {
    if (pVal) *pVal = nullptr;
    return com::put_text(pVal, QVFormataCYMilhar(qv_cy(m_cotacao->item_solicitado(m_item).quantidade)).c_str());
} catch (...) {
    return report();
}

HRESULT CItemCotacaoWeb::get_UnMedida(BSTR* pVal) noexcept try {
    if (pVal) *pVal = nullptr;
    const REG_ITEM_SOLICITADO_COTACAO& item = m_cotacao->item_solicitado(m_item);
    std::string unidade;
    if (eh_produto(item)) {
        _REG_UNIDADES_MEDIDAPS u{};
        le(m_cotacao->conexao_produto().LeUnidadeMedidaProduto(item.unidade, &u));
        unidade = inhouse::texto_campo(u.unidade);
    } else {
        _REG_UNIDADES_MEDIDA_SERVICOSPS u{};
        le(m_cotacao->conexao_produto().LeUnidadeMedidaServico(item.unidade, &u));
        unidade = inhouse::texto_campo(u.unidade);
    }
    return com::put_text(pVal, unidade);
} catch (...) {
    return report();
}

HRESULT CItemCotacaoWeb::get_PrecoUnitario(BSTR* pVal) noexcept try {
    if (pVal) *pVal = nullptr;
    return com::put_text(pVal, qv_formata_escalado(m_cotacao->item_cotado(m_item).preco, 8, 2).c_str());
} catch (...) {
    return report();
}

HRESULT CItemCotacaoWeb::get_DescontoUnitario(BSTR* pVal) noexcept try {
    if (pVal) *pVal = nullptr;
    return com::put_text(pVal, qv_formata_escalado(m_cotacao->item_cotado(m_item).desconto, 8, 2).c_str());
} catch (...) {
    return report();
}

HRESULT CItemCotacaoWeb::put_PrecoUnitario(BSTR newVal) noexcept try {
    const CURRENCY preco = QVConverteTextoCY(com::from_bstr(newVal).c_str());
    m_cotacao->item_cotado(m_item).preco = preco.int64 * de_4_para_8_casas;
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CItemCotacaoWeb::put_DescontoUnitario(BSTR newVal) noexcept try {
    const CURRENCY desconto = QVConverteTextoCY(com::from_bstr(newVal).c_str());
    m_cotacao->item_cotado(m_item).desconto = desconto.int64 * de_4_para_8_casas;
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CItemCotacaoWeb::get_AliquotaIPI(BSTR* pVal) noexcept try {
    if (pVal) *pVal = nullptr;
    return com::put_text(pVal, QVFormataCYMilhar(qv_cy(m_cotacao->item_cotado(m_item).ipi)).c_str());
} catch (...) {
    return report();
}

HRESULT CItemCotacaoWeb::put_AliquotaIPI(BSTR newVal) noexcept try {
    const CURRENCY aliquota = QVConverteTextoCY(com::from_bstr(newVal).c_str());
    m_cotacao->item_cotado(m_item).ipi = aliquota.int64;
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CItemCotacaoWeb::get_AliquotaICMS(BSTR* pVal) noexcept try {
    if (pVal) *pVal = nullptr;
    return com::put_text(pVal, QVFormataCYMilhar(qv_cy(m_cotacao->item_cotado(m_item).icms)).c_str());
} catch (...) {
    return report();
}

HRESULT CItemCotacaoWeb::put_AliquotaICMS(BSTR newVal) noexcept try {
    const CURRENCY aliquota = QVConverteTextoCY(com::from_bstr(newVal).c_str());
    m_cotacao->item_cotado(m_item).icms = aliquota.int64;
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CItemCotacaoWeb::get_Complemento(BSTR* pVal) noexcept try {
    if (pVal) *pVal = nullptr;
    return com::put_text(pVal, com::wire_text(m_cotacao->item_solicitado(m_item).complemento));
} catch (...) {
    return report();
}

HRESULT CItemCotacaoWeb::get_Referencia(BSTR* pVal) noexcept try {
    if (pVal) *pVal = nullptr;
    const REG_ITEM_SOLICITADO_COTACAO& item = m_cotacao->item_solicitado(m_item);
    // A service has no product reference: the product at the same position is another register's.
    if (!eh_produto(item)) return com::put_text(pVal, "");
    _REG_PRODUTOPS produto{};
    le(m_cotacao->conexao_produto().LeProduto(static_cast<long>(item.produto), 0, &produto));
    return com::put_text(pVal, inhouse::texto_campo(produto.referencia));
} catch (...) {
    return report();
}

HRESULT CItemCotacaoWeb::get_UsaReferencia(SHORT* pVal) noexcept try {
    if (!pVal) return E_POINTER;
    *pVal = 0;
    IQVDF_Produto* servidor = m_cotacao->conexao_produto().GetInterface();
    if (!servidor) com::fail(msg::ler_cadastro_item_cotacao, E_UNEXPECTED);
    _REG_PARAMETROS_PRODUTOPS parametros{};
    le(servidor->LeParametros(reinterpret_cast<BYTE*>(&parametros)));
    *pVal = static_cast<SHORT>(parametros.usa_referencia);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CItemCotacaoWeb::get_Observacao(BSTR* pVal) noexcept try {
    if (pVal) *pVal = nullptr;
    const REG_ITEM_COTADO& c = m_cotacao->item_cotado(m_item);
    return com::put_text(pVal, com::wire_text(c.observacao, c.tamanho_observacao));
} catch (...) {
    return report();
}

HRESULT CItemCotacaoWeb::put_Observacao(BSTR newVal) noexcept try {
    const std::string texto = com::from_bstr(newVal);
    REG_ITEM_COTADO& c = m_cotacao->item_cotado(m_item);
    registro_cotacao::troca_texto(c.tamanho_observacao, c.observacao, texto);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CItemCotacaoWeb::get_EhServico(SHORT* pVal) noexcept {
    return com::put_number(pVal, static_cast<SHORT>(m_servico));
}

HRESULT CItemCotacaoWeb::get_PrecoTotal(BSTR* pVal) noexcept try {
    if (pVal) *pVal = nullptr;
    return com::put_text(pVal, QVFormataCYMilhar(qv_cy(m_cotacao->item_cotado(m_item).total)).c_str());
} catch (...) {
    return report();
}

}  // namespace sales

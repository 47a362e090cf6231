#include "sales/CItemPedidoWeb.h"

#include <utility>

#include "base/QVCurrency.h"
#include "base/QVDataCurta.h"
#include "ft/ftlibrary/campo_texto.h"
#include "platform/com/failure.h"
#include "platform/com/out_param.h"
#include "platform/com/text.h"
#include "sales/CPedidoWeb.h"
#include "sales/messages.h"

namespace sales {

namespace {
constexpr size_t TamanhoCodigo = sizeof(_REG_PRODUTOPS::codigo) - 1;
constexpr size_t TamanhoNome = 120;
constexpr size_t TamanhoCodigoGrade = 4;
constexpr size_t TamanhoComplemento = 1000;
constexpr size_t TamanhoNumeroOC = 20;

bool indice_grade(SHORT i) noexcept { return i >= 0 && i <= 2; }

// A rate text "18,00" as hundredths of a percent (1800).
SHORT aliquota(BSTR texto) {
    const CURRENCY cy = QVConverteTextoCY(com::from_bstr(texto).c_str());
    return static_cast<SHORT>(cy.int64 / 100);
}
}  // namespace

CItemPedidoWeb::CItemPedidoWeb() { m_item.PosicaoTabelaPreco = 2; }

CItemPedidoWeb::~CItemPedidoWeb() = default;

void CItemPedidoWeb::Preenche(const REG_ITEM_PEDIDO& registro, com::com_ptr<CPedidoWeb> dono,
                              CMyConexaoProduto& produtos, CConexaoGradesProduto& grades) {
    m_dono = std::move(dono);
    m_item = registro;
    // A snapshot for display: what cannot be read stays zero.
    (void)produtos.LeProduto(m_item.Posicao.Produto, m_item.PosicaoTabelaPreco, &m_produto);
    (void)produtos.LeUnidadeMedidaProduto(m_produto.unidade, &m_unidade);
    const uint16_t grade[3] = {m_produto.grade1, m_produto.grade2, m_produto.grade3};
    const uint16_t item[3] = {m_item.Posicao.Grade1, m_item.Posicao.Grade2, m_item.Posicao.Grade3};
    for (int i = 0; i < 3; ++i) (void)grades.LeItemGrade(grade[i], item[i], &m_grades[i]);
}

HRESULT CItemPedidoWeb::guarda_texto(std::string& campo, BSTR valor) noexcept try {
    std::string texto = com::from_bstr(valor);
    // Cut to 14 characters, "1234567890,125" would become another amount: refused instead.
    if (texto.size() > TamanhoTexto) com::fail(msg::item_valor_longo, E_INVALIDARG);
    campo = std::move(texto);
    return S_OK;
} catch (...) {
    return report();
}

int CItemPedidoWeb::casas_quantidade() const noexcept {
    return casas_do_seletor(m_item.Produto == 0 ? m_unidade_servico.casas : m_unidade.casas);
}

HRESULT CItemPedidoWeb::get_Codigo(BSTR* pVal) noexcept {
    if (m_item.Produto == 0) return com::put_text(pVal, ft::le_texto(m_servico.codigo, sizeof m_servico.codigo));
    return com::put_text(pVal, ft::le_texto(m_produto.codigo, sizeof m_produto.codigo));
}

HRESULT CItemPedidoWeb::put_Codigo(BSTR newVal) noexcept try {
    m_item.Produto = 'P';
    ft::grava_texto(m_produto.codigo, sizeof m_produto.codigo, TamanhoCodigo, com::from_bstr(newVal));
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CItemPedidoWeb::get_Quantidade(BSTR* pVal) noexcept try {
    return com::put_text(pVal, QVFormataCYDecimais(m_item.Quantidade, casas_quantidade()));
} catch (...) {
    return report();
}

HRESULT CItemPedidoWeb::get_ValorUnitario(BSTR* pVal) noexcept try {
    return com::put_text(pVal, QVFormataValor8Casas(m_item.ValorUnitario, m_produto.casas_preco));
} catch (...) {
    return report();
}

HRESULT CItemPedidoWeb::get_Descricao(BSTR* pVal) noexcept {
    if (m_item.Produto == 0) return com::put_text(pVal, ft::le_texto(m_servico.nome, sizeof m_servico.nome));
    return com::put_text(pVal, ft::le_texto(m_produto.nome, TamanhoNome));
}

HRESULT CItemPedidoWeb::get_ValorTotal(BSTR* pVal) noexcept try {
    return com::put_text(pVal, QVFormataCYMilhar(m_item.Valor));
} catch (...) {
    return report();
}

HRESULT CItemPedidoWeb::get_Desconto(BSTR* pVal) noexcept try {
    return com::put_text(pVal, QVFormataValor8Casas(m_item.DescontoUnitario, m_produto.casas_preco));
} catch (...) {
    return report();
}

HRESULT CItemPedidoWeb::GetPosItemGrade(SHORT i, SHORT* psPosicao) noexcept {
    if (!psPosicao) return E_POINTER;
    *psPosicao = 0;
    if (!indice_grade(i)) return E_INVALIDARG;
    if (m_item.Produto == 0) return E_UNEXPECTED;
    const uint16_t posicao[3] = {m_item.Posicao.Grade1, m_item.Posicao.Grade2, m_item.Posicao.Grade3};
    *psPosicao = static_cast<SHORT>(posicao[i]);
    return S_OK;
}

HRESULT CItemPedidoWeb::GetCodigoItemGrade(SHORT i, BSTR* pbsCodigo) noexcept {
    if (!pbsCodigo) return E_POINTER;
    *pbsCodigo = nullptr;
    if (!indice_grade(i)) return E_INVALIDARG;
    if (m_item.Produto == 0) return E_UNEXPECTED;
    return com::put_text(pbsCodigo, ft::le_texto(m_grades[i].codigo, TamanhoCodigoGrade));
}

HRESULT CItemPedidoWeb::SetCodigoItemGrade(SHORT i, BSTR bsCodigo) noexcept try {
    if (!indice_grade(i)) return E_INVALIDARG;
    ft::grava_texto(m_grades[i].codigo, sizeof m_grades[i].codigo, TamanhoCodigoGrade, com::from_bstr(bsCodigo));
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CItemPedidoWeb::get_AliqICMS(SHORT* pVal) noexcept { return com::put_number(pVal, static_cast<SHORT>(m_item.AliquotaICMS)); }

HRESULT CItemPedidoWeb::put_AliqICMS(BSTR newVal) noexcept try {
    m_item.AliquotaICMS = static_cast<uint16_t>(aliquota(newVal));
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CItemPedidoWeb::get_AliqICMSST(SHORT* pVal) noexcept {
    return com::put_number(pVal, static_cast<SHORT>(m_item.AliquotaICMSST));
}

HRESULT CItemPedidoWeb::put_AliqICMSST(BSTR newVal) noexcept try {
    m_item.AliquotaICMSST = static_cast<uint16_t>(aliquota(newVal));
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CItemPedidoWeb::get_AliqIPI(BSTR* pVal) noexcept { return com::put_text(pVal, m_sAliqIPI); }
HRESULT CItemPedidoWeb::put_AliqIPI(BSTR newVal) noexcept { return guarda_texto(m_sAliqIPI, newVal); }

HRESULT CItemPedidoWeb::get_Complemento(BSTR* pVal) noexcept {
    return com::put_text(pVal, ft::le_texto(m_item.Complemento, TamanhoComplemento));
}

HRESULT CItemPedidoWeb::put_Complemento(BSTR newVal) noexcept try {
    ft::grava_texto(m_item.Complemento, sizeof m_item.Complemento, TamanhoComplemento, com::from_bstr(newVal));
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CItemPedidoWeb::get_DataEntrega(SHORT* pVal) noexcept { return com::put_number(pVal, static_cast<SHORT>(m_item.DataEntrega)); }

HRESULT CItemPedidoWeb::put_DataEntrega(BSTR newVal) noexcept try {
    m_item.DataEntrega = QVConverteTextoData(com::from_bstr(newVal).c_str());
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CItemPedidoWeb::get_LivreDeCobranca(LONG* pVal) noexcept { return com::put_number(pVal, m_item.LivreCobranca ? 1L : 0L); }

HRESULT CItemPedidoWeb::put_LivreDeCobranca(LONG newVal) noexcept {
    m_item.LivreCobranca = newVal != 0 ? 1 : 0;
    return S_OK;
}

HRESULT CItemPedidoWeb::get_NumeroOC(BSTR* pVal) noexcept {
    return com::put_text(pVal, ft::le_texto(m_item.Texto2, TamanhoNumeroOC));
}

HRESULT CItemPedidoWeb::put_NumeroOC(BSTR newVal) noexcept try {
    ft::grava_texto(m_item.Texto2, sizeof m_item.Texto2, TamanhoNumeroOC, com::from_bstr(newVal));
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CItemPedidoWeb::get_NovoValorUnitario(BSTR* pVal) noexcept { return com::put_text(pVal, m_sNovoValorUnitario); }
HRESULT CItemPedidoWeb::put_NovoValorUnitario(BSTR newVal) noexcept { return guarda_texto(m_sNovoValorUnitario, newVal); }
HRESULT CItemPedidoWeb::get_NovaQuantidade(BSTR* pVal) noexcept { return com::put_text(pVal, m_sNovaQuantidade); }
HRESULT CItemPedidoWeb::put_NovaQuantidade(BSTR newVal) noexcept { return guarda_texto(m_sNovaQuantidade, newVal); }
HRESULT CItemPedidoWeb::get_NovoDesconto(BSTR* pVal) noexcept { return com::put_text(pVal, m_sNovoDesconto); }
HRESULT CItemPedidoWeb::put_NovoDesconto(BSTR newVal) noexcept { return guarda_texto(m_sNovoDesconto, newVal); }

HRESULT CItemPedidoWeb::get_PosCFOP(SHORT* pVal) noexcept { return com::put_number(pVal, static_cast<SHORT>(m_item.CodigoNatureza)); }

HRESULT CItemPedidoWeb::put_PosCFOP(SHORT newVal) noexcept {
    m_item.CodigoNatureza = static_cast<uint16_t>(newVal);
    return S_OK;
}

HRESULT CItemPedidoWeb::get_NomeProduto(BSTR* pVal) noexcept {
    return com::put_text(pVal, ft::le_texto(m_produto.nome, TamanhoNome));
}

HRESULT CItemPedidoWeb::put_NomeProduto(BSTR newVal) noexcept try {
    ft::grava_texto(m_produto.nome, sizeof m_produto.nome, TamanhoNome, com::from_bstr(newVal));
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CItemPedidoWeb::put_TabPreco(SHORT newVal) noexcept {
    m_item.PosicaoTabelaPreco = static_cast<uint16_t>(newVal);
    return S_OK;
}

}  // namespace sales

#include "sales/CCotacaoWeb.h"

#include <objbase.h>

#include "base/CQVChaveOrigem.h"
#include "base/QVCurrency.h"
#include "base/QVDCOM.h"
#include "base/QVDataCurta.h"
#include "platform/com/failure.h"
#include "platform/com/out_param.h"
#include "platform/com/text.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "base/QVRelogio.h"
#include "sales/CItemCotacaoWeb.h"
#include "sales/messages.h"

namespace sales {

namespace {

// The key check's own answers, which the client receives bare.
constexpr HRESULT chave_invalida = static_cast<HRESULT>(0x8004065Du);
constexpr HRESULT fora_do_prazo = static_cast<HRESULT>(0x8004065Eu);
constexpr HRESULT ja_respondida = static_cast<HRESULT>(0x80040660u);
constexpr HRESULT chave_nao_encontrada = S_FALSE;

std::string data_texto(uint16_t dia) { return dia ? std::string(QVFormataData(dia, false)) : std::string(); }

}  // namespace

CCotacaoWeb::CCotacaoWeb() {
    m_produto.SetTrataErros(false);
    m_produto.SetTratarMensagens(false);
    m_grades.SetTrataErros(false);
    m_grades.SetTratarMensagens(false);
}

HRESULT CCotacaoWeb::ValidaChaveAcesso(const std::string& chave) {
    CLSID guid{};
    if (FAILED(CLSIDFromString(com::to_bstr(chave).get(), &guid))) return chave_invalida;
    if (!m_servidor) {
        com::com_ptr<IQVCP_CotacaoFornecedor> novo;
        com::check(QVCriaInstancia(inhouse::CLSID_CotacaoFornecedorServer, nullptr, QV_CLSCTX_SERVIDOR,
                                   __uuidof(IQVCP_CotacaoFornecedor), novo.put_void(), QV_CRIA_PADRAO),
                   msg::criar_servidor_cotacoes);
        m_servidor = std::move(novo);
    }
    inhouse::REG_CHAVE_COTACAO bloco{};
    LONG ticket = 0;
    const HRESULT hr = m_servidor->ValidaChave(guid, &ticket, reinterpret_cast<BYTE*>(&bloco));
    com::check(hr, msg::validar_chave_cotacao);
    if (hr == chave_nao_encontrada) return chave_invalida;
    m_chave = bloco;
    m_ticket = ticket;
    return S_OK;
}

std::string CCotacaoWeb::GetEmpresa() const {
    return std::string(inhouse::texto_campo(m_chave.empresa, sizeof m_chave.empresa));
}

HRESULT CCotacaoWeb::Inicializa(WORD usuario, long sessao) {
    if (!m_servidor) com::fail(msg::cotacao_nao_inicializada, E_UNEXPECTED);
    const std::string empresa = GetEmpresa();
    com::check(m_produto.Inicializa(empresa, usuario, sessao), msg::inicializar_conexao_produtos);
    com::check(m_grades.Inicializa(empresa, usuario, sessao), msg::inicializar_conexao_grades);
    com::check(m_servidor->Inicializa(inhouse::bloco_sessao<QV_SESSAO_262>(empresa, usuario, static_cast<int32_t>(sessao))),
               msg::inicializar_servidor_cotacoes);
    com::check(m_registro.le(m_servidor.get(), m_chave.cotacao), msg::ler_cotacao);
    if (fornecedor().respondida) return ja_respondida;
    // Four-digit years throughout: a two-digit "today" would put 2027's answers before 2026's limit.
    const uint16_t limite = m_registro.registro().limite;
    if (limite != 0 && QVGetDataAtual() > limite) return fora_do_prazo;
    if (!m_biblioteca.carregada()) m_biblioteca.carrega(m_nome_biblioteca.c_str());
    m_biblioteca.inicializa(empresa, usuario, sessao);
    return S_OK;
}

REG_FORNECEDOR_COTACAO& CCotacaoWeb::fornecedor() {
    for (REG_FORNECEDOR_COTACAO& f : m_registro.fornecedores())
        if (f.fornecedor == m_chave.fornecedor) return f;
    com::fail(msg::cotacao_nao_inicializada, E_UNEXPECTED);
}

uint16_t CCotacaoWeb::indice_fornecedor() {
    return static_cast<uint16_t>(&fornecedor() - m_registro.fornecedores().data());
}

std::vector<REG_ITEM_COTADO*> CCotacaoWeb::itens_fornecedor() {
    const uint16_t indice = indice_fornecedor();
    std::vector<REG_ITEM_COTADO*> itens;
    for (REG_ITEM_COTADO& c : m_registro.cotados())
        if (c.fornecedor == indice) itens.push_back(&c);
    return itens;
}

REG_ITEM_COTADO& CCotacaoWeb::item_cotado(uint16_t item) {
    for (REG_ITEM_COTADO* c : itens_fornecedor())
        if (c->item == item) return *c;
    com::fail(msg::item_cotacao_inexistente, E_UNEXPECTED);
}

const REG_ITEM_SOLICITADO_COTACAO& CCotacaoWeb::item_solicitado(uint16_t item) {
    const auto itens = m_registro.itens();
    if (item >= itens.size()) com::fail(msg::item_cotacao_inexistente, E_UNEXPECTED);
    return itens[item];
}

tagREG_COTACAOITEMFATURAPS& CCotacaoWeb::parcela(size_t indice) {
    if (indice >= m_parcelas.size()) com::fail(msg::parcela_inexistente, E_UNEXPECTED);
    return m_parcelas[indice];
}

HRESULT CCotacaoWeb::get_NumeroCotacao(BSTR* pVal) noexcept try {
    return com::put_text(pVal, QVFormataChaveMesAno(m_chave.cotacao).c_str());
} catch (...) {
    return report();
}

HRESULT CCotacaoWeb::get_DataCotacao(BSTR* pVal) noexcept try {
    return com::put_text(pVal, data_texto(m_registro.registro().data));
} catch (...) {
    return report();
}

HRESULT CCotacaoWeb::get_DataLimite(BSTR* pVal) noexcept try {
    return com::put_text(pVal, data_texto(m_registro.registro().limite));
} catch (...) {
    return report();
}

HRESULT CCotacaoWeb::get_PonteiroFornecedor(LONG* pVal) noexcept {
    return com::put_number(pVal, static_cast<LONG>(m_chave.fornecedor));
}

HRESULT CCotacaoWeb::get_Observacao(BSTR* pVal) noexcept try {
    const REG_COTACAO& r = m_registro.registro();
    return com::put_text(pVal, com::wire_text(r.observacao, r.tamanho_observacao));
} catch (...) {
    return report();
}

HRESULT CCotacaoWeb::get_CondPagto(SHORT* pVal) noexcept try {
    if (!pVal) return E_POINTER;
    *pVal = 0;
    return com::put_number(pVal, static_cast<SHORT>(fornecedor().condicao));
} catch (...) {
    return report();
}

HRESULT CCotacaoWeb::put_CondPagto(SHORT newVal) noexcept try {
    fornecedor().condicao = static_cast<uint16_t>(newVal);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CCotacaoWeb::get_PrazoEntrega(SHORT* pVal) noexcept try {
    if (!pVal) return E_POINTER;
    *pVal = 0;
    return com::put_number(pVal, static_cast<SHORT>(fornecedor().prazo_entrega));
} catch (...) {
    return report();
}

HRESULT CCotacaoWeb::put_PrazoEntrega(SHORT newVal) noexcept try {
    REG_FORNECEDOR_COTACAO& f = fornecedor();
    f.prazo_entrega = static_cast<uint16_t>(newVal);
    f.data_entrega = static_cast<uint16_t>(m_registro.registro().data + f.prazo_entrega);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CCotacaoWeb::get_DataEntrega(BSTR* pVal) noexcept try {
    if (pVal) *pVal = nullptr;
    return com::put_text(pVal, data_texto(fornecedor().data_entrega));
} catch (...) {
    return report();
}

HRESULT CCotacaoWeb::put_DataEntrega(BSTR newVal) noexcept try {
    const uint16_t dia = QVConverteTextoData(com::from_bstr(newVal).c_str());
    fornecedor().data_entrega = dia;
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CCotacaoWeb::get_PrazoProposta(BSTR* pVal) noexcept try {
    if (pVal) *pVal = nullptr;
    return com::put_text(pVal, data_texto(fornecedor().validade_proposta));
} catch (...) {
    return report();
}

HRESULT CCotacaoWeb::put_PrazoProposta(BSTR newVal) noexcept try {
    const uint16_t dia = QVConverteTextoData(com::from_bstr(newVal).c_str());
    fornecedor().validade_proposta = dia;
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CCotacaoWeb::get_ObservacaoFornecedor(BSTR* pVal) noexcept try {
    if (pVal) *pVal = nullptr;
    const REG_FORNECEDOR_COTACAO& f = fornecedor();
    return com::put_text(pVal, com::wire_text(f.observacao, f.tamanho_observacao));
} catch (...) {
    return report();
}

HRESULT CCotacaoWeb::put_ObservacaoFornecedor(BSTR newVal) noexcept try {
    const std::string texto = com::from_bstr(newVal);
    REG_FORNECEDOR_COTACAO& f = fornecedor();
    registro_cotacao::troca_texto(f.tamanho_observacao, f.observacao, texto);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CCotacaoWeb::get_ItemCount(LONG* pVal) noexcept try {
    if (!pVal) return E_POINTER;
    *pVal = 0;
    return com::put_number(pVal, static_cast<LONG>(itens_fornecedor().size()));
} catch (...) {
    return report();
}

HRESULT CCotacaoWeb::GetItemRef(SHORT iItem, IItemCotacaoWeb** ppItem) noexcept try {
    if (!ppItem) return E_POINTER;
    *ppItem = nullptr;
    const auto itens = itens_fornecedor();
    if (iItem < 0 || static_cast<size_t>(iItem) >= itens.size()) return E_INVALIDARG;
    auto item = com::make<CItemCotacaoWeb>();
    item->SetReferencias(com::com_ptr<CCotacaoWeb>(this), itens[static_cast<size_t>(iItem)]->item);
    *ppItem = item.detach();
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CCotacaoWeb::get_Frete(BSTR* pVal) noexcept try {
    if (pVal) *pVal = nullptr;
    return com::put_text(pVal, QVFormataCYMilhar(qv_cy(fornecedor().frete)).c_str());
} catch (...) {
    return report();
}

HRESULT CCotacaoWeb::put_Frete(BSTR newVal) noexcept try {
    const CURRENCY frete = QVConverteTextoCY(com::from_bstr(newVal).c_str());
    fornecedor().frete = frete.int64;
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CCotacaoWeb::get_LocalDeEntrega(BSTR* pVal) noexcept try {
    const REG_COTACAO& r = m_registro.registro();
    return com::put_text(pVal, com::wire_text(r.local_entrega, r.tamanho_local_entrega));
} catch (...) {
    return report();
}

HRESULT CCotacaoWeb::get_PossuiValorMoeda(SHORT* pVal) noexcept try {
    if (!pVal) return E_POINTER;
    *pVal = 0;
    return com::put_number(pVal, static_cast<SHORT>(fornecedor().simbolo_moeda[0] != '\0' ? 1 : 0));
} catch (...) {
    return report();
}

HRESULT CCotacaoWeb::get_Simbolo(BSTR* pVal) noexcept try {
    if (pVal) *pVal = nullptr;
    return com::put_text(pVal, inhouse::texto_campo(fornecedor().simbolo_moeda));
} catch (...) {
    return report();
}

}  // namespace sales

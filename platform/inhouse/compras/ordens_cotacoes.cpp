// The purchase-order server's search (7) and read (21) and the quotation server's search (7) and
// read (17): the same shape over ordem_compra / ordem_compra_item and cotacao / cotacao_item.
#include <cstring>
#include <string>
#include <vector>

#include "platform/inhouse/cache/servidores_cache.h"
#include "platform/inhouse/compras/documentos_compras.h"
#include "platform/inhouse/login/registros_login.h"

namespace inhouse {

using compras::blocos_resposta;
using compras::documento;

namespace {

// The documents of a table of the period, branches and product; each table keeps its items in
// `<tabela>_item` under the column named after the table.
std::vector<documento> busca(store& s, const std::string& empresa, const char* tabela, const char* coluna_item,
                             LONG inicio, LONG fim, const CHAVE_PRODUTO_GRADE& p, const std::vector<uint16_t>& filiais) {
    auto q = s.prepare(std::string("SELECT d.chave, d.emissao, d.filial FROM ") + tabela +
                       " d WHERE d.empresa = ?1 COLLATE NOCASE AND EXISTS (SELECT 1 FROM " + tabela +
                       "_item i WHERE i.empresa = d.empresa AND i." + coluna_item +
                       " = d.chave AND i.produto = ?2 AND (?3 = 0 OR i.item1 = ?3) AND (?4 = 0 OR i.item2 = ?4)"
                       " AND (?5 = 0 OR i.item3 = ?5)) ORDER BY d.chave");
    q.bind_text(1, empresa).bind(2, static_cast<int64_t>(p.produto)).bind(3, static_cast<int64_t>(p.item1));
    q.bind(4, static_cast<int64_t>(p.item2)).bind(5, static_cast<int64_t>(p.item3));
    std::vector<documento> achados;
    while (q.step()) {
        const uint32_t dia = compras::dia_documento(q.column_text(1));
        if (dia >= static_cast<uint32_t>(inicio) && dia <= static_cast<uint32_t>(fim) &&
            compras::filial_aceita(filiais, q.column_int(2)))
            achados.push_back({q.column_int64(0), dia});
    }
    return achados;
}

std::string descreve_busca(LONG inicio, LONG fim, const CHAVE_PRODUTO_GRADE& p, const std::vector<uint16_t>& filiais) {
    std::string texto = "inicio=" + std::to_string(inicio) + " fim=" + std::to_string(fim) + " produto=" +
                        std::to_string(p.produto) + " itens=" + std::to_string(p.item1) + "," + std::to_string(p.item2) + "," +
                        std::to_string(p.item3) + " filiais=" + std::to_string(filiais.size());
    for (uint16_t filial : filiais) texto += " " + std::to_string(filial);
    return texto;
}

CHAVE_PRODUTO_GRADE produto_da_linha(const sqlite::statement& q, int primeira) {
    return {q.column_int(primeira), static_cast<uint16_t>(q.column_int(primeira + 1)),
            static_cast<uint16_t>(q.column_int(primeira + 2)), static_cast<uint16_t>(q.column_int(primeira + 3))};
}

}  // namespace

HRESULT STDMETHODCALLTYPE OrdensCompraServer::BuscaOrdens(LONG inicio, LONG fim, QV_FILTRO_ORDENS_234 filtro,
                                                          BYTE** lista) noexcept try {
    if (!lista) return E_POINTER;
    *lista = nullptr;
    FILTRO_ORDENS f;
    std::memcpy(&f, filtro.dados, sizeof f);
    const std::vector<uint16_t> filiais = compras::filiais_filtro(f.quantidade_filiais, f.filiais);
    if (HRESULT hr = faults().enter("BuscaOrdens", descreve_busca(inicio, fim, f.produto, filiais)); FAILED(hr)) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    const auto achadas = busca(m_store, m_empresa, "ordem_compra", "ordem_compra", inicio, fim, f.produto, filiais);
    *lista = compras::lista_chaves(achadas);
    return achadas.empty() ? S_FALSE : S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE OrdensCompraServer::LeOrdens(QV_LISTA_CHAVES_12 lista, BYTE* resposta) noexcept try {
    if (!resposta) return E_POINTER;
    std::memset(resposta, 0, sizeof(RESPOSTA_DOCUMENTOS));
    const std::vector<int64_t> chaves = compras::chaves_lista(lista.dados);
    if (HRESULT hr = faults().enter("LeOrdens", "chaves=" + std::to_string(chaves.size())); FAILED(hr)) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    blocos_resposta blocos;
    std::vector<ORDEM_COMPRA> ordens(chaves.size());
    std::vector<SITUACAO_DOCUMENTO> situacoes(chaves.size());
    auto cabecalho = m_store.prepare("SELECT tipo, cancelada FROM ordem_compra WHERE empresa = ? COLLATE NOCASE AND chave = ?");
    auto linhas = m_store.prepare(
        "SELECT produto, item1, item2, item3, quantidade, cancelado, encerrado FROM ordem_compra_item"
        " WHERE empresa = ? COLLATE NOCASE AND ordem_compra = ? ORDER BY ordem");
    for (size_t n = 0; n < chaves.size(); ++n) {
        cabecalho.reset();
        cabecalho.bind_text(1, m_empresa).bind(2, chaves[n]);
        if (!cabecalho.step()) return QV_E_COMPRA_DESCONHECIDA;
        ordens[n].tipo = static_cast<uint8_t>(cabecalho.column_int(0));
        situacoes[n].cancelado = static_cast<uint8_t>(cabecalho.column_int(1));
        std::vector<ITEM_ORDEM> itens;
        linhas.reset();
        linhas.bind_text(1, m_empresa).bind(2, chaves[n]);
        while (linhas.step()) {
            ITEM_ORDEM& i = itens.emplace_back();
            i = ITEM_ORDEM{};
            i.produto = produto_da_linha(linhas, 0);
            i.quantidade = linhas.column_int64(4);
            i.cancelado = static_cast<uint8_t>(linhas.column_int(5));
            i.encerrado = static_cast<uint8_t>(linhas.column_int(6));
        }
        ordens[n].quantidade_itens = static_cast<uint16_t>(itens.size());
        ordens[n].itens = blocos.novo(itens);
    }
    RESPOSTA_DOCUMENTOS r{static_cast<int32_t>(chaves.size()), blocos.novo(ordens), blocos.novo(situacoes)};
    std::memcpy(resposta, &r, sizeof r);
    blocos.entrega();
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE CotacoesServer::BuscaCotacoes(LONG inicio, LONG fim, QV_FILTRO_COTACOES_438 filtro,
                                                        BYTE** lista) noexcept try {
    if (!lista) return E_POINTER;
    *lista = nullptr;
    FILTRO_COTACOES f;
    std::memcpy(&f, filtro.dados, sizeof f);
    const std::vector<uint16_t> filiais = compras::filiais_filtro(f.quantidade_filiais, f.filiais);
    if (HRESULT hr = faults().enter("BuscaCotacoes", descreve_busca(inicio, fim, f.produto, filiais)); FAILED(hr)) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    // Branch 0 names no branch of the register: the quotations of every branch.
    const std::vector<uint16_t> selecao = filiais.size() == 1 && filiais[0] == 0 ? std::vector<uint16_t>{} : filiais;
    const auto achadas = busca(m_store, m_empresa, "cotacao", "cotacao", inicio, fim, f.produto, selecao);
    *lista = compras::lista_chaves(achadas);
    return achadas.empty() ? S_FALSE : S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE CotacoesServer::LeCotacoes(QV_LISTA_CHAVES_12 lista, BYTE* resposta) noexcept try {
    if (!resposta) return E_POINTER;
    std::memset(resposta, 0, sizeof(RESPOSTA_DOCUMENTOS));
    const std::vector<int64_t> chaves = compras::chaves_lista(lista.dados);
    if (HRESULT hr = faults().enter("LeCotacoes", "chaves=" + std::to_string(chaves.size())); FAILED(hr)) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    blocos_resposta blocos;
    std::vector<COTACAO> cotacoes(chaves.size());
    std::vector<SITUACAO_DOCUMENTO> situacoes(chaves.size());
    auto cabecalho = m_store.prepare("SELECT cancelada FROM cotacao WHERE empresa = ? COLLATE NOCASE AND chave = ?");
    auto linhas = m_store.prepare(
        "SELECT produto, item1, item2, item3, quantidade, tipo FROM cotacao_item"
        " WHERE empresa = ? COLLATE NOCASE AND cotacao = ? ORDER BY ordem");
    for (size_t n = 0; n < chaves.size(); ++n) {
        cabecalho.reset();
        cabecalho.bind_text(1, m_empresa).bind(2, chaves[n]);
        if (!cabecalho.step()) return QV_E_COMPRA_DESCONHECIDA;
        situacoes[n].cancelado = static_cast<uint8_t>(cabecalho.column_int(0));
        std::vector<ITEM_COTACAO> itens;
        linhas.reset();
        linhas.bind_text(1, m_empresa).bind(2, chaves[n]);
        while (linhas.step()) {
            ITEM_COTACAO& i = itens.emplace_back();
            i = ITEM_COTACAO{};
            i.produto = produto_da_linha(linhas, 0);
            i.quantidade = linhas.column_int64(4);
            const std::string tipo = linhas.column_text(5);
            i.tipo = tipo.empty() ? '\0' : tipo[0];
        }
        cotacoes[n].quantidade_itens = static_cast<uint16_t>(itens.size());
        cotacoes[n].itens = blocos.novo(itens);
    }
    RESPOSTA_DOCUMENTOS r{static_cast<int32_t>(chaves.size()), blocos.novo(cotacoes), blocos.novo(situacoes)};
    std::memcpy(resposta, &r, sizeof r);
    blocos.entrega();
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

}  // namespace inhouse

// The stock server's reports: each lists what its request names (products, branch, period,
// options) under the company's title, so that a printed report can be checked against its filters.
#include <cstring>
#include <span>
#include <string>

#include "platform/com/text.h"
#include "platform/com/wire_pointer.h"
#include "platform/inhouse/cache/registros_relatorios.h"
#include "platform/inhouse/relatorios/arquivo_relatorio.h"
#include "platform/inhouse/cache/servidores_cache.h"
#include "platform/inhouse/login/registros_login.h"

namespace inhouse {

namespace {

// "EP EPT ETPE" of the stock kind bits 1, 2 and 4.
std::string tipos_estoque(uint8_t codigo) {
    std::string texto;
    for (auto [bit, nome] : {std::pair{1, "EP"}, std::pair{2, "EPT"}, std::pair{4, "ETPE"}})
        if (codigo & bit) texto += texto.empty() ? nome : std::string(" ") + nome;
    return texto.empty() ? "-" : texto;
}

// The products of the reports. A title product stands for its group: the active products whose
// code begins with the title's code are listed under it.
class leitor_produtos {
public:
    leitor_produtos(store& dados, const std::string& empresa) : m_dados(dados), m_empresa(empresa) {}

    // The product's line, and its group's lines under a title; a pointer of no product says so.
    void produto(arquivo_relatorio& r, uint32_t ponteiro, const std::string& sufixo = {}) {
        auto query = m_dados.prepare(
            "SELECT codigo, nome, tipo FROM produto WHERE empresa = ? COLLATE NOCASE AND posicao = ?");
        query.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(ponteiro));
        if (!query.step()) {
            r.linha("(produto não cadastrado)" + sufixo);
            return;
        }
        const std::string codigo = query.column_text(0);
        r.linha(codigo + "  " + query.column_text(1) + sufixo);
        if (query.column_text(2) == "T") grupo(r, codigo);
    }

    // One product per key of the request's block, in the request's order.
    void chaves(arquivo_relatorio& r, uint32_t bloco, uint32_t quantidade) {
        const auto* chaves = static_cast<const CHAVE_PRODUTO_RELATORIO*>(com::wire_pointer_get(bloco));
        r.parametro("Produtos", std::to_string(quantidade));
        if (!chaves) return;
        for (const CHAVE_PRODUTO_RELATORIO& c : std::span(chaves, quantidade)) {
            std::string grade;
            for (uint16_t item : c.itens_grade)
                if (item) grade += " grade " + std::to_string(item);
            produto(r, c.produto, grade);
        }
    }

    // Every active product of the company, by code.
    void todos(arquivo_relatorio& r) { linhas(r, "", ""); }

private:
    void grupo(arquivo_relatorio& r, const std::string& titulo) { linhas(r, titulo, "  "); }

    void linhas(arquivo_relatorio& r, const std::string& prefixo, const std::string& recuo) {
        auto query = m_dados.prepare(
            "SELECT codigo, nome FROM produto WHERE empresa = ?1 COLLATE NOCASE AND ativo = 1 AND tipo = 'A'"
            " AND substr(codigo, 1, length(?2)) = ?2 ORDER BY codigo");
        query.bind_text(1, m_empresa).bind_text(2, prefixo);
        while (query.step()) r.linha(recuo + query.column_text(0) + "  " + query.column_text(1));
    }

    store& m_dados;
    const std::string& m_empresa;
};

std::string texto(BSTR b) { return com::from_bstr(b); }

}  // namespace

HRESULT STDMETHODCALLTYPE EstoqueServer::RelatorioRegistroEstoque(BSTR arquivo, BSTR razao_social, BSTR modelo,
                                                                  QV_REGISTRO_ESTOQUE_52 pedido) noexcept try {
    if (HRESULT hr = faults().enter("RelatorioRegistroEstoque", hex_bytes(&pedido, sizeof pedido)); hr != S_OK) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    const auto p = de_bloco<REQ_REGISTRO_ESTOQUE>(pedido);
    arquivo_relatorio r("REGISTRO DE ESTOQUE", texto(razao_social), texto(modelo));
    r.periodo(p.data_inicial, p.data_final)
        .parametro("Filial", std::to_string(p.filial))
        .parametro("Estoques", tipos_estoque(p.tipo_estoque))
        .parametro("Opções", std::to_string(p.opcoes));
    leitor_produtos(m_store, m_empresa).chaves(r, p.chaves, p.quantidade_chaves);
    r.grava(texto(arquivo));
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE EstoqueServer::RelatorioMovimentos(BSTR arquivo, BSTR razao_social, BSTR modelo,
                                                             QV_MOVIMENTOS_ESTOQUE_100 pedido) noexcept try {
    if (HRESULT hr = faults().enter("RelatorioMovimentos", hex_bytes(&pedido, sizeof pedido)); hr != S_OK) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    const auto p = de_bloco<REQ_MOVIMENTOS_ESTOQUE>(pedido);
    arquivo_relatorio r("MOVIMENTOS DE ESTOQUE", texto(razao_social), texto(modelo));
    r.periodo(p.data_inicial, p.data_final)
        .parametro("Estoques", tipos_estoque(p.tipo_estoque))
        .parametro("Locais", std::to_string(p.locais));
    leitor_produtos(m_store, m_empresa).chaves(r, p.chaves, p.quantidade_chaves);
    r.grava(texto(arquivo));
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE EstoqueServer::RelatorioInventario(BSTR arquivo, BSTR razao_social, BSTR modelo,
                                                             QV_INVENTARIO_16 pedido, LONG* situacao) noexcept try {
    if (!situacao) return E_POINTER;
    if (HRESULT hr = faults().enter("RelatorioInventario", hex_bytes(&pedido, sizeof pedido)); hr != S_OK) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    const auto p = de_bloco<REQ_INVENTARIO>(pedido);
    arquivo_relatorio r("INVENTÁRIO", texto(razao_social), texto(modelo));
    r.periodo(p.data_inicial, p.data_final)
        .parametro("Filial", std::to_string(p.filial))
        .parametro("Opções", std::to_string(p.opcoes));
    leitor_produtos produtos(m_store, m_empresa);
    if (p.produto) produtos.produto(r, p.produto);
    else produtos.todos(r);
    r.grava(texto(arquivo));
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE EstoqueServer::RelatorioPontoReposicao(BSTR arquivo, BSTR razao_social, BSTR modelo,
                                                                 QV_PONTO_REPOSICAO_20 pedido) noexcept try {
    if (HRESULT hr = faults().enter("RelatorioPontoReposicao", hex_bytes(&pedido, sizeof pedido)); hr != S_OK) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    const auto p = de_bloco<REQ_PONTO_REPOSICAO>(pedido);
    arquivo_relatorio r("PONTO DE REPOSIÇÃO", texto(razao_social), texto(modelo));
    r.parametro("Filial", std::to_string(p.filial));
    leitor_produtos(m_store, m_empresa).todos(r);
    r.grava(texto(arquivo));
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

}  // namespace inhouse

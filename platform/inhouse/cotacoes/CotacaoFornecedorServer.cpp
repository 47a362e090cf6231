#include "platform/inhouse/cotacoes/CotacaoFornecedorServer.h"

#include <cstring>
#include <string>
#include <vector>

#include "base/CQVChaveOrigem.h"
#include "base/QVDataCurta.h"
#include "platform/com/wire_pointer.h"
#include "platform/inhouse/compras/documentos_compras.h"
#include "platform/inhouse/core/dia_iso.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "platform/inhouse/cotacoes/registros_cotacao.h"
#include "platform/inhouse/login/registros_login.h"

namespace inhouse {

namespace {

using compras::blocos_resposta;

// A text as a task-memory block with its NUL: the length field's value and the wire field.
template <class Tamanho>
void poe_texto(blocos_resposta& blocos, const std::string& texto, Tamanho& tamanho, uint32_t& campo) {
    if (texto.empty()) return;
    tamanho = static_cast<Tamanho>(texto.size() + 1);
    campo = blocos.novo(texto.c_str(), texto.size() + 1);
}

// A server buffer that the caller only frees: its contents are of no interest here.
uint32_t buffer_servidor(blocos_resposta& blocos) {
    const uint8_t vazio[16] = {};
    return blocos.novo(vazio, sizeof vazio);
}

// The ordens of a quotation's items (their index in the record is their place here).
std::vector<int64_t> ordens_itens(store& s, const std::string& empresa, int64_t cotacao) {
    auto q = s.prepare("SELECT ordem FROM cotacao_item WHERE empresa = ? COLLATE NOCASE AND cotacao = ? ORDER BY ordem");
    q.bind_text(1, empresa).bind(2, cotacao);
    std::vector<int64_t> ordens;
    while (q.step()) ordens.push_back(q.column_int64(0));
    return ordens;
}

REG_FORNECEDOR_COTACAO fornecedor_da_linha(const sqlite::statement& q, blocos_resposta& blocos) {
    REG_FORNECEDOR_COTACAO f{};
    f.fornecedor = static_cast<uint32_t>(q.column_int64(1));
    poe_campo(f.simbolo_moeda, q.column_text(2));
    f.condicao = static_cast<uint16_t>(q.column_int(3));
    f.prazo_entrega = static_cast<uint16_t>(q.column_int(4));
    f.data_entrega = iso_dia(q.column_text(5));
    f.validade_proposta = iso_dia(q.column_text(6));
    f.primeiro_vencimento = iso_dia(q.column_text(7));
    f.tipo_periodo = static_cast<uint8_t>(q.column_int(8));
    f.respondida = static_cast<uint8_t>(q.column_int(9));
    f.frete = q.column_int64(10);
    poe_texto(blocos, q.column_text(11), f.tamanho_observacao, f.observacao);
    const std::string nome = q.column_text(12);
    f.nome = blocos.novo(nome.c_str(), nome.size() + 1);
    return f;
}

}  // namespace

HRESULT STDMETHODCALLTYPE CotacaoFornecedorServer::ValidaChave(GUID chave, LONG* ticket, BYTE* bloco) noexcept try {
    if (!ticket || !bloco) return E_POINTER;
    *ticket = 0;
    std::memset(bloco, 0, sizeof(REG_CHAVE_COTACAO));
    const std::string texto = guid_text(chave);
    if (HRESULT hr = faults().enter("ValidaChave", texto); FAILED(hr)) return hr;
    auto q = m_store.prepare(
        "SELECT f.rowid, f.empresa, f.fornecedor, f.cotacao, c.emissao FROM cotacao_fornecedor f"
        " JOIN cotacao c ON c.empresa = f.empresa AND c.chave = f.cotacao WHERE f.chave = ? COLLATE NOCASE");
    q.bind_text(1, texto);
    if (!q.step()) return S_FALSE;
    REG_CHAVE_COTACAO r{};
    copia_texto(r.empresa, sizeof r.empresa - 1, q.column_text(1));
    r.fornecedor = static_cast<uint32_t>(q.column_int64(2));
    r.cotacao = QVMontaChaveMesAno(QVConverteDataMesAno(iso_dia(q.column_text(4))), static_cast<uint32_t>(q.column_int64(3)));
    std::memcpy(bloco, &r, sizeof r);
    *ticket = static_cast<LONG>(q.column_int64(0));
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE CotacaoFornecedorServer::LeCotacao(ULONG numero, BYTE* registro) noexcept try {
    if (!registro) return E_POINTER;
    std::memset(registro, 0, sizeof(REG_COTACAO));
    if (HRESULT hr = faults().enter("LeCotacao", "numero=" + std::to_string(numero)); FAILED(hr)) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    const int64_t cotacao = numero >> 12;
    auto cabecalho = m_store.prepare(
        "SELECT emissao, limite, observacao, local_entrega FROM cotacao"
        " WHERE empresa = ? COLLATE NOCASE AND chave = ? AND cancelada = 0");
    cabecalho.bind_text(1, m_empresa).bind(2, cotacao);
    if (!cabecalho.step()) return QV_E_COTACAO_DESCONHECIDA;

    blocos_resposta blocos;
    REG_COTACAO r{};
    r.data = iso_dia(cabecalho.column_text(0));
    r.limite = iso_dia(cabecalho.column_text(1));
    poe_texto(blocos, cabecalho.column_text(2), r.tamanho_observacao, r.observacao);
    poe_texto(blocos, cabecalho.column_text(3), r.tamanho_local_entrega, r.local_entrega);

    std::vector<REG_ITEM_SOLICITADO_COTACAO> itens;
    std::vector<int64_t> ordens;
    auto q = m_store.prepare(
        "SELECT ordem, tipo, produto, item1, item2, item3, quantidade, unidade, complemento FROM cotacao_item"
        " WHERE empresa = ? COLLATE NOCASE AND cotacao = ? ORDER BY ordem");
    q.bind_text(1, m_empresa).bind(2, cotacao);
    while (q.step()) {
        REG_ITEM_SOLICITADO_COTACAO i{};
        ordens.push_back(q.column_int64(0));
        const std::string tipo = q.column_text(1);
        i.tipo = static_cast<uint8_t>(tipo.empty() ? 'P' : tipo[0]);
        i.produto = static_cast<uint32_t>(q.column_int64(2));
        for (int g = 0; g < 3; ++g) i.itens_grade[g] = static_cast<uint16_t>(q.column_int(3 + g));
        i.quantidade = q.column_int64(6);
        i.unidade = static_cast<uint16_t>(q.column_int(7));
        const std::string complemento = q.column_text(8);
        if (!complemento.empty()) i.complemento = blocos.novo(complemento.c_str(), complemento.size() + 1);
        i.dados = buffer_servidor(blocos);
        REG_DETALHE_ITEM_COTACAO detalhe{};
        detalhe.dados = buffer_servidor(blocos);
        i.quantidade_detalhes = 1;
        i.detalhes = blocos.novo(&detalhe, sizeof detalhe);
        itens.push_back(i);
    }

    std::vector<REG_FORNECEDOR_COTACAO> fornecedores;
    std::vector<int64_t> posicoes;
    auto f = m_store.prepare(
        "SELECT f.ordem, f.fornecedor, f.moeda, f.condicao, f.prazo_entrega, f.data_entrega, f.validade_proposta,"
        " f.primeiro_vencimento, f.tipo_periodo, f.respondida, f.frete, f.observacao,"
        " COALESCE((SELECT nome FROM cfrt WHERE empresa = f.empresa AND posicao = f.fornecedor), '')"
        " FROM cotacao_fornecedor f WHERE f.empresa = ? COLLATE NOCASE AND f.cotacao = ? ORDER BY f.ordem");
    f.bind_text(1, m_empresa).bind(2, cotacao);
    auto parcelas = m_store.prepare(
        "SELECT numero, valor, vencimento, tipo FROM cotacao_resposta_parcela"
        " WHERE empresa = ? COLLATE NOCASE AND cotacao = ? AND fornecedor = ? ORDER BY numero");
    while (f.step()) {
        REG_FORNECEDOR_COTACAO e = fornecedor_da_linha(f, blocos);
        posicoes.push_back(e.fornecedor);
        std::vector<tagREG_COTACAOITEMFATURAPS> plano;
        parcelas.reset();
        parcelas.bind_text(1, m_empresa).bind(2, cotacao).bind(3, static_cast<int64_t>(e.fornecedor));
        while (parcelas.step()) {
            tagREG_COTACAOITEMFATURAPS p{};
            p.numero = static_cast<uint8_t>(parcelas.column_int(0));
            p.valor = parcelas.column_int64(1);
            p.vencimento = iso_dia(parcelas.column_text(2));
            p.tipo_vencimento = static_cast<uint8_t>(parcelas.column_int(3));
            plano.push_back(p);
        }
        e.quantidade_parcelas = static_cast<uint16_t>(plano.size());
        e.parcelas = blocos.novo(plano);
        fornecedores.push_back(e);
    }

    // One answer per item and supplier, item by item.
    std::vector<REG_ITEM_COTADO> cotados;
    auto resposta = m_store.prepare(
        "SELECT preco, desconto, total, ipi, icms, observacao FROM cotacao_resposta"
        " WHERE empresa = ? COLLATE NOCASE AND cotacao = ? AND fornecedor = ? AND item = ?");
    for (size_t i = 0; i < itens.size(); ++i)
        for (size_t s = 0; s < fornecedores.size(); ++s) {
            REG_ITEM_COTADO c{};
            c.fornecedor = static_cast<uint16_t>(s);
            c.item = static_cast<uint16_t>(i);
            resposta.reset();
            resposta.bind_text(1, m_empresa).bind(2, cotacao).bind(3, posicoes[s]).bind(4, ordens[i]);
            if (resposta.step()) {
                c.preco = resposta.column_int64(0);
                c.desconto = resposta.column_int64(1);
                c.total = resposta.column_int64(2);
                c.ipi = resposta.column_int64(3);
                c.icms = resposta.column_int64(4);
                poe_texto(blocos, resposta.column_text(5), c.tamanho_observacao, c.observacao);
            }
            cotados.push_back(c);
        }

    r.quantidade_itens = static_cast<uint16_t>(itens.size());
    r.itens = blocos.novo(itens);
    r.quantidade_fornecedores = static_cast<uint16_t>(fornecedores.size());
    r.fornecedores = blocos.novo(fornecedores);
    r.quantidade_cotados = static_cast<uint16_t>(cotados.size());
    r.cotados = blocos.novo(cotados);
    std::memcpy(registro, &r, sizeof r);
    blocos.entrega();
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE CotacaoFornecedorServer::Grava(LONG ticket, LONG quantidade, BYTE* itens, LONG fornecedor,
                                                         QV_FORNECEDOR_COTACAO_126 entrada) noexcept try {
    if (quantidade < 0 || (quantidade > 0 && !itens)) return E_POINTER;
    REG_FORNECEDOR_COTACAO e;
    std::memcpy(&e, entrada.dados, sizeof e);
    std::vector<REG_ITEM_COTADO> cotados(static_cast<size_t>(quantidade));
    if (quantidade > 0) std::memcpy(cotados.data(), itens, cotados.size() * sizeof(REG_ITEM_COTADO));
    if (HRESULT hr = faults().enter("Grava", "ticket=" + std::to_string(ticket) + " itens=" + std::to_string(quantidade) +
                                                 " fornecedor=" + std::to_string(fornecedor) +
                                                 " respondida=" + std::to_string(e.respondida) +
                                                 " parcelas=" + std::to_string(e.quantidade_parcelas));
        FAILED(hr))
        return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;

    auto dono = m_store.prepare(
        "SELECT cotacao, fornecedor, (SELECT COUNT(*) FROM cotacao_fornecedor o WHERE o.empresa = f.empresa"
        " AND o.cotacao = f.cotacao AND o.ordem < f.ordem) FROM cotacao_fornecedor f"
        " WHERE f.rowid = ? AND f.empresa = ? COLLATE NOCASE");
    dono.bind(1, static_cast<int64_t>(ticket)).bind_text(2, m_empresa);
    if (!dono.step()) return QV_E_COTACAO_ACESSO;
    const int64_t cotacao = dono.column_int64(0);
    const int64_t posicao = dono.column_int64(1);
    const int64_t indice = dono.column_int64(2);
    // A ticket writes its own supplier's answer and nobody else's.
    if (fornecedor != indice || e.fornecedor != posicao) return QV_E_COTACAO_ACESSO;
    for (const REG_ITEM_COTADO& c : cotados)
        if (c.fornecedor != indice) return QV_E_COTACAO_ACESSO;
    const std::vector<int64_t> ordens = ordens_itens(m_store, m_empresa, cotacao);
    for (const REG_ITEM_COTADO& c : cotados)
        if (c.item >= ordens.size()) return E_INVALIDARG;
    const auto* plano = static_cast<const tagREG_COTACAOITEMFATURAPS*>(com::wire_pointer_get(e.parcelas));
    if (e.quantidade_parcelas > 0 && !plano) return E_POINTER;

    m_store.write([&] {
        auto item = m_store.prepare(
            "INSERT OR REPLACE INTO cotacao_resposta (empresa, cotacao, fornecedor, item, preco, desconto, total, ipi,"
            " icms, observacao) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        for (const REG_ITEM_COTADO& c : cotados) {
            item.reset();
            item.bind_text(1, m_empresa).bind(2, cotacao).bind(3, posicao).bind(4, ordens[c.item]);
            item.bind(5, c.preco).bind(6, c.desconto).bind(7, c.total).bind(8, c.ipi).bind(9, c.icms);
            item.bind_text(10, com::wire_text(c.observacao, c.tamanho_observacao));
            item.run();
        }
        m_store
            .prepare("UPDATE cotacao_fornecedor SET condicao = ?, prazo_entrega = ?, data_entrega = ?, validade_proposta = ?,"
                     " primeiro_vencimento = ?, tipo_periodo = ?, respondida = ?, frete = ?, observacao = ?"
                     " WHERE empresa = ? COLLATE NOCASE AND cotacao = ? AND fornecedor = ?")
            .bind(1, static_cast<int64_t>(e.condicao))
            .bind(2, static_cast<int64_t>(e.prazo_entrega))
            .bind_text(3, dia_iso(e.data_entrega))
            .bind_text(4, dia_iso(e.validade_proposta))
            .bind_text(5, dia_iso(e.primeiro_vencimento))
            .bind(6, static_cast<int64_t>(e.tipo_periodo))
            .bind(7, static_cast<int64_t>(e.respondida ? 1 : 0))
            .bind(8, e.frete)
            .bind_text(9, com::wire_text(e.observacao, e.tamanho_observacao))
            .bind_text(10, m_empresa)
            .bind(11, cotacao)
            .bind(12, posicao)
            .run();
        m_store.prepare("DELETE FROM cotacao_resposta_parcela WHERE empresa = ? COLLATE NOCASE AND cotacao = ? AND fornecedor = ?")
            .bind_text(1, m_empresa)
            .bind(2, cotacao)
            .bind(3, posicao)
            .run();
        auto parcela = m_store.prepare(
            "INSERT INTO cotacao_resposta_parcela (empresa, cotacao, fornecedor, numero, valor, vencimento, tipo)"
            " VALUES (?, ?, ?, ?, ?, ?, ?)");
        for (uint16_t n = 0; n < e.quantidade_parcelas; ++n) {
            parcela.reset();
            parcela.bind_text(1, m_empresa).bind(2, cotacao).bind(3, posicao).bind(4, static_cast<int64_t>(plano[n].numero));
            parcela.bind(5, plano[n].valor).bind_text(6, dia_iso(plano[n].vencimento));
            parcela.bind(7, static_cast<int64_t>(plano[n].tipo_vencimento));
            parcela.run();
        }
    });
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

}  // namespace inhouse

#include "platform/inhouse/pedidos/pedidos_store.h"

#include <objbase.h>

#include <cstring>
#include <memory>

#include "base/CQVChaveOrigem.h"
#include "base/CQVData.h"
#include "base/QVDataCurta.h"
#include "ft/ftlibrary/registro_parcela.h"
#include "platform/com/failure.h"
#include "platform/com/wire_pointer.h"

namespace inhouse {

namespace {

// The bytes of `n` records of type T at a wire pointer of the caller's record (not taken: the
// arrays stay the caller's).
template <class T>
const T* array_de(uint32_t campo, size_t n) {
    if (n == 0) return nullptr;
    const auto* p = static_cast<const T*>(com::wire_pointer_get(campo));
    if (!p) throw com::failure{QV_E_PEDIDO_INVALIDO, "registro de pedido sem o bloco que anuncia"};
    return p;
}

std::string bytes_de(const void* p, size_t n) { return n ? std::string(static_cast<const char*>(p), n) : std::string(); }

// The 32-byte entries as kept: their own block's pointer is not kept (its size is the caller's).
std::string entradas_de(const REG_ENTRADA_PEDIDO* entradas, size_t n) {
    std::string bytes = bytes_de(entradas, n * sizeof(REG_ENTRADA_PEDIDO));
    for (size_t k = 0; k < n; ++k) std::memset(bytes.data() + k * sizeof(REG_ENTRADA_PEDIDO) + 28, 0, 4);
    return bytes;
}

int64_t cy(const CURRENCY& c) { return c.int64; }

// What the order list shows as the order's total: the instalments when there are any (they are
// what the customer pays), else the products and services less their discounts plus the taxes
// charged on top (IPI and ICMS-ST).
int64_t total_de(const REG_PEDIDO& r, const REG_PARCELA_PEDIDO* parcelas) {
    if (r.QtdParcelas > 0) {
        int64_t soma = 0;
        for (size_t k = 0; k < r.QtdParcelas; ++k) soma += parcelas[k].Valor.int64;
        return soma;
    }
    return cy(r.TotalProdutos) + cy(r.TotalServicos) - cy(r.DescontoProdutos) - cy(r.DescontoServicos) +
           cy(r.TotalIPI) + cy(r.TotalICMSST);
}

// A task-memory block owned until it is hung on a record.
struct libera_cotask {
    void operator()(void* p) const noexcept { CoTaskMemFree(p); }
};
using bloco = std::unique_ptr<void, libera_cotask>;

bloco aloca(size_t n) {
    bloco b(CoTaskMemAlloc(n ? n : 1));
    if (!b) throw std::bad_alloc();
    std::memset(b.get(), 0, n ? n : 1);
    return b;
}

// Hangs the blocks on their fields; when a field cannot be had every field hung so far is taken
// back, so nothing is left half hung.
class pendura {
public:
    ~pendura() {
        if (m_ok) return;
        for (auto* f : m_campos) com::wire_pointer_take(*f);
    }
    void poe(uint32_t& campo, bloco& b) {
        campo = com::wire_pointer_put(b.get());
        m_campos.push_back(&campo);
        m_blocos.push_back(std::move(b));
    }
    // Everything hung: the record owns the blocks now.
    void entrega() {
        for (auto& b : m_blocos) b.release();
        m_ok = true;
    }

private:
    std::vector<uint32_t*> m_campos;
    std::vector<bloco> m_blocos;
    bool m_ok = false;
};

sqlite::statement consulta_pedido(store& dados, const std::string& empresa, uint32_t posicao, const char* colunas) {
    auto q = dados.prepare(std::string("SELECT ") + colunas + " FROM pedido WHERE empresa = ? AND posicao = ?");
    q.bind_text(1, empresa).bind(2, static_cast<int64_t>(posicao));
    if (!q.step()) throw com::failure{QV_E_PEDIDO_DESCONHECIDO, "pedido desconhecido"};
    return q;
}

// Copies a kept blob into a record of `tamanho` bytes (a shorter blob, as a seeded row's empty
// one, leaves the rest zero).
void copia_blob(void* destino, size_t tamanho, const std::string& blob) {
    std::memcpy(destino, blob.data(), blob.size() < tamanho ? blob.size() : tamanho);
}

}  // namespace

uint32_t grava_pedido(store& dados, const std::string& empresa, const REG_PEDIDO& pedido, int32_t sessao) {
    const auto* itens = array_de<REG_ITEM_PEDIDO>(pedido.Itens, pedido.QtdItens);
    const auto* parcelas = array_de<REG_PARCELA_PEDIDO>(pedido.Parcelas, pedido.QtdParcelas);
    const auto* entradas = array_de<REG_ENTRADA_PEDIDO>(pedido.Entradas, pedido.QtdEntradas);
    const auto* observacoes = array_de<char>(pedido.Observacoes, pedido.TamanhoObservacoes);

    uint16_t emissao = pedido.DataEmissao;
    if (emissao == 0) {
        CQVData hoje;
        hoje.Hoje();
        emissao = hoje.GetDataCurta();
    }
    const uint16_t mes = QVConverteDataMesAno(emissao);
    if (mes == 0) throw com::failure{QV_E_PEDIDO_INVALIDO, "data de emissão inválida"};

    REG_PEDIDO guardado = pedido;
    guardado.Observacoes = guardado.Itens = guardado.Parcelas = guardado.Entradas = guardado.Bloco = 0;

    uint32_t posicao = 0;
    dados.write([&] {
        auto q = dados.prepare("SELECT COALESCE(MAX(sequencia), 0) + 1 FROM pedido WHERE empresa = ? AND mes = ?");
        q.bind_text(1, empresa).bind(2, static_cast<int64_t>(mes));
        q.step();
        const auto sequencia = static_cast<uint32_t>(q.column_int64(0));
        if (sequencia > 524287) throw com::failure{QV_E_PEDIDO_INVALIDO, "numeração do mês esgotada"};
        posicao = QVMontaChaveMesAno(mes, sequencia);

        auto p = dados.prepare(
            "INSERT INTO pedido (empresa, posicao, mes, sequencia, representante, cliente, filial, data_emissao,"
            " data_entrega, total, em_analise, sessao, observacoes, entradas, registro)"
            " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        const std::string obs = bytes_de(observacoes, pedido.TamanhoObservacoes);
        const std::string ent = entradas_de(entradas, pedido.QtdEntradas);
        p.bind_text(1, empresa).bind(2, static_cast<int64_t>(posicao)).bind(3, static_cast<int64_t>(mes));
        p.bind(4, static_cast<int64_t>(sequencia)).bind(5, static_cast<int64_t>(pedido.PosicaoRepresentante));
        p.bind(6, static_cast<int64_t>(pedido.PosicaoCliente)).bind(7, static_cast<int64_t>(pedido.PosicaoFilial));
        p.bind(8, static_cast<int64_t>(emissao)).bind(9, static_cast<int64_t>(pedido.DataEntrega));
        p.bind(10, total_de(pedido, parcelas)).bind(11, static_cast<int64_t>(pedido.Byte1933 ? 1 : 0));
        p.bind(12, static_cast<int64_t>(sessao));
        p.bind_blob(13, obs.data(), obs.size()).bind_blob(14, ent.data(), ent.size());
        p.bind_blob(15, &guardado, sizeof guardado);
        p.step();

        auto i = dados.prepare(
            "INSERT INTO pedido_item (empresa, pedido, indice, produto, quantidade, valor_unitario, valor, sub_entradas,"
            " registro) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)");
        for (size_t k = 0; k < pedido.QtdItens; ++k) {
            REG_ITEM_PEDIDO item = itens[k];
            const auto* sub = array_de<REG_ENTRADA_PEDIDO>(item.Blocos[0], item.QtdSubEntradas);
            const std::string sub_bytes = entradas_de(sub, item.QtdSubEntradas);
            std::memset(item.Blocos, 0, sizeof item.Blocos);
            i.reset();
            i.bind_text(1, empresa).bind(2, static_cast<int64_t>(posicao)).bind(3, static_cast<int64_t>(k));
            i.bind(4, static_cast<int64_t>(item.Posicao.Produto)).bind(5, item.Quantidade.int64);
            i.bind(6, item.ValorUnitario).bind(7, item.Valor.int64);
            i.bind_blob(8, sub_bytes.data(), sub_bytes.size()).bind_blob(9, &item, sizeof item);
            i.step();
        }
        auto c = dados.prepare(
            "INSERT INTO pedido_parcela (empresa, pedido, indice, valor, vencimento, registro) VALUES (?, ?, ?, ?, ?, ?)");
        for (size_t k = 0; k < pedido.QtdParcelas; ++k) {
            c.reset();
            c.bind_text(1, empresa).bind(2, static_cast<int64_t>(posicao)).bind(3, static_cast<int64_t>(k));
            c.bind(4, parcelas[k].Valor.int64).bind(5, static_cast<int64_t>(parcelas[k].DataVencimento));
            c.bind_blob(6, &parcelas[k], sizeof parcelas[k]);
            c.step();
        }
    });
    return posicao;
}

uint32_t proxima_sequencia(store& dados, const std::string& empresa, uint16_t mes) {
    auto q = dados.prepare("SELECT COALESCE(MAX(sequencia), 0) + 1 FROM pedido WHERE empresa = ? AND mes = ?");
    q.bind_text(1, empresa).bind(2, static_cast<int64_t>(mes));
    q.step();
    return static_cast<uint32_t>(q.column_int64(0));
}

std::vector<uint32_t> busca_pedidos(store& dados, const std::string& empresa, const REG_FAIXA_PEDIDOS& faixa,
                                    uint32_t representante) {
    auto q = dados.prepare(
        "SELECT posicao FROM pedido WHERE empresa = ? AND data_emissao >= ? AND (? = 0 OR data_emissao <= ?)"
        " AND (? = 0 OR representante = ?) ORDER BY mes, sequencia");
    q.bind_text(1, empresa).bind(2, static_cast<int64_t>(faixa.DataInicial));
    q.bind(3, static_cast<int64_t>(faixa.DataFinal)).bind(4, static_cast<int64_t>(faixa.DataFinal));
    q.bind(5, static_cast<int64_t>(representante)).bind(6, static_cast<int64_t>(representante));
    std::vector<uint32_t> posicoes;
    while (q.step()) posicoes.push_back(static_cast<uint32_t>(q.column_int64(0)));
    return posicoes;
}

REG_PEDIDO* le_pedido(store& dados, const std::string& empresa, uint32_t posicao) {
    auto q = consulta_pedido(dados, empresa, posicao,
                             "registro, observacoes, entradas, representante, cliente, filial, data_emissao,"
                             " data_entrega, atendido, cancelado, faturado_parcial, atendido_parcial, faturado,"
                             " bloqueado, em_analise");
    bloco registro = aloca(sizeof(REG_PEDIDO));
    auto& r = *static_cast<REG_PEDIDO*>(registro.get());
    const std::string bytes = q.column_blob(0);
    copia_blob(&r, sizeof r, bytes);
    if (bytes.empty()) {
        // A seeded order: its columns are the whole of it.
        r.PosicaoRepresentante = static_cast<int32_t>(q.column_int64(3));
        r.PosicaoCliente = static_cast<int32_t>(q.column_int64(4));
        r.PosicaoFilial = static_cast<uint16_t>(q.column_int(5));
        r.DataEmissao = static_cast<uint16_t>(q.column_int(6));
        r.DataEntrega = static_cast<uint16_t>(q.column_int(7));
        r.Byte1933 = q.column_int(14) ? 1 : 0;
    }
    // The marks the server owns (an order attended, invoiced ... later) over what was saved.
    static constexpr struct {
        int coluna;
        size_t offset;
    } marcas[] = {{8, 1915}, {9, 1916}, {10, 1917}, {11, 1918}, {12, 1919}, {13, 1931}};
    for (const auto& m : marcas)
        if (q.column_int(m.coluna)) reinterpret_cast<uint8_t*>(&r)[m.offset] = 1;

    pendura hung;
    const std::string obs = q.column_blob(1);
    r.TamanhoObservacoes = static_cast<uint16_t>(obs.size());
    if (!obs.empty()) {
        bloco b = aloca(obs.size());
        std::memcpy(b.get(), obs.data(), obs.size());
        hung.poe(r.Observacoes, b);
    }
    const std::string ent = q.column_blob(2);
    r.QtdEntradas = static_cast<uint16_t>(ent.size() / sizeof(REG_ENTRADA_PEDIDO));
    if (r.QtdEntradas) {
        bloco b = aloca(ent.size());
        std::memcpy(b.get(), ent.data(), ent.size());
        hung.poe(r.Entradas, b);
    }

    auto i = dados.prepare(
        "SELECT registro, sub_entradas, produto, quantidade, valor_unitario, valor FROM pedido_item"
        " WHERE empresa = ? AND pedido = ? ORDER BY indice");
    i.bind_text(1, empresa).bind(2, static_cast<int64_t>(posicao));
    std::vector<REG_ITEM_PEDIDO> itens;
    std::vector<std::string> subs;
    while (i.step()) {
        REG_ITEM_PEDIDO item{};
        const std::string b = i.column_blob(0);
        copia_blob(&item, sizeof item, b);
        if (b.empty()) {
            item.Posicao.Produto = static_cast<int32_t>(i.column_int64(2));
            item.Quantidade.int64 = i.column_int64(3);
            item.ValorUnitario = i.column_int64(4);
            item.Valor.int64 = i.column_int64(5);
        }
        itens.push_back(item);
        subs.push_back(i.column_blob(1));
    }
    r.QtdItens = static_cast<uint16_t>(itens.size());
    if (!itens.empty()) {
        bloco b = aloca(itens.size() * sizeof(REG_ITEM_PEDIDO));
        auto* destino = static_cast<REG_ITEM_PEDIDO*>(b.get());
        std::memcpy(destino, itens.data(), itens.size() * sizeof(REG_ITEM_PEDIDO));
        hung.poe(r.Itens, b);
        for (size_t k = 0; k < itens.size(); ++k) {
            destino[k].QtdSubEntradas = static_cast<uint16_t>(subs[k].size() / sizeof(REG_ENTRADA_PEDIDO));
            if (!destino[k].QtdSubEntradas) continue;
            bloco s = aloca(subs[k].size());
            std::memcpy(s.get(), subs[k].data(), subs[k].size());
            hung.poe(destino[k].Blocos[0], s);
        }
    }

    auto c = dados.prepare(
        "SELECT registro, valor, vencimento FROM pedido_parcela WHERE empresa = ? AND pedido = ? ORDER BY indice");
    c.bind_text(1, empresa).bind(2, static_cast<int64_t>(posicao));
    std::vector<REG_PARCELA_PEDIDO> parcelas;
    while (c.step()) {
        REG_PARCELA_PEDIDO p{};
        const std::string b = c.column_blob(0);
        copia_blob(&p, sizeof p, b);
        if (b.empty()) {
            p.Valor.int64 = c.column_int64(1);
            p.DataVencimento = static_cast<uint16_t>(c.column_int(2));
        }
        parcelas.push_back(p);
    }
    r.QtdParcelas = static_cast<uint8_t>(parcelas.size() > 255 ? 255 : parcelas.size());
    if (r.QtdParcelas) {
        bloco b = aloca(r.QtdParcelas * sizeof(REG_PARCELA_PEDIDO));
        std::memcpy(b.get(), parcelas.data(), r.QtdParcelas * sizeof(REG_PARCELA_PEDIDO));
        hung.poe(r.Parcelas, b);
    }
    hung.entrega();
    return static_cast<REG_PEDIDO*>(registro.release());
}

REG_LISTA_PEDIDO le_lista_pedido(store& dados, const std::string& empresa, uint32_t posicao) {
    auto q = consulta_pedido(dados, empresa, posicao,
                             "total, cliente, data_emissao, data_entrega, atendido, cancelado, faturado_parcial,"
                             " atendido_parcial, faturado, bloqueado, em_analise");
    REG_LISTA_PEDIDO r{};
    r.ValorTotal.int64 = q.column_int64(0);
    r.Numero = posicao;
    r.PosicaoCliente = static_cast<int32_t>(q.column_int64(1));
    r.DataEmissao = static_cast<uint16_t>(q.column_int(2));
    r.DataEntrega = static_cast<uint16_t>(q.column_int(3));
    r.Atendido = q.column_int(4) ? 1 : 0;
    r.Cancelado = q.column_int(5) ? 1 : 0;
    r.FaturadoParcial = q.column_int(6) ? 1 : 0;
    r.AtendidoParcial = q.column_int(7) ? 1 : 0;
    r.Faturado = q.column_int(8) ? 1 : 0;
    r.Bloqueado = q.column_int(9) ? 1 : 0;
    r.EmAnalise = q.column_int(10) ? 1 : 0;
    return r;
}

}  // namespace inhouse

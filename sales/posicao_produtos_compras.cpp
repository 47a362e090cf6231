// The product position's purchase side: the last purchases (a loader) and the quantities on open
// quotations and purchase orders (asked for on every read), and its storage places.
#include <objbase.h>

#include <cstring>
#include <memory>
#include <vector>

#include "platform/com/wire_pointer.h"
#include "platform/inhouse/compras/registros_compras.h"
#include "sales/CTW_FT_PosicaoProdutos.h"
#include "sales/messages.h"
#include "sales/posicao_produtos_textos.h"
#include "server/holders/CCacheServidores.h"

namespace sales {

namespace {

server::CCacheServidores& cache() { return *server::CCacheServidores::GetInstancia(); }

struct libera_tarefa {
    void operator()(void* p) const noexcept { CoTaskMemFree(p); }
};
template <class T>
using bloco_tarefa = std::unique_ptr<T, libera_tarefa>;
template <class T>
bloco_tarefa<T> toma(uint32_t campo) noexcept {
    return bloco_tarefa<T>(static_cast<T*>(com::wire_pointer_take(campo)));
}

// The branch list a search filter points at: a task-memory array of the branch numbers, freed
// after the call.
class filiais_filtro {
public:
    filiais_filtro(uint16_t quantidade, uint16_t filial) : m_quantidade(quantidade) {
        if (quantidade == 0) return;
        m_bloco.reset(static_cast<uint16_t*>(CoTaskMemAlloc(sizeof(uint16_t))));
        if (!m_bloco) throw std::bad_alloc();
        *m_bloco = filial;
        m_campo = com::wire_pointer_put(m_bloco.get());
    }
    ~filiais_filtro() {
        if (m_campo) com::wire_pointer_take(m_campo);
    }
    filiais_filtro(const filiais_filtro&) = delete;
    filiais_filtro& operator=(const filiais_filtro&) = delete;
    uint16_t quantidade() const noexcept { return m_quantidade; }
    uint32_t campo() const noexcept { return m_campo; }

private:
    uint16_t m_quantidade;
    bloco_tarefa<uint16_t> m_bloco;
    uint32_t m_campo = 0;
};

// A key list the position owns: the list block and its two arrays.
struct lista_chaves {
    bloco_tarefa<inhouse::LISTA_CHAVES> lista;
    bloco_tarefa<int64_t> chaves;
    bloco_tarefa<uint16_t> dias;

    explicit lista_chaves(BYTE* bloco) noexcept : lista(reinterpret_cast<inhouse::LISTA_CHAVES*>(bloco)) {
        if (!lista) return;
        chaves = toma<int64_t>(lista->chaves);
        dias = toma<uint16_t>(lista->dias);
    }
    int32_t quantidade() const noexcept { return lista && chaves ? lista->quantidade : 0; }
    // The list as the documents read takes it back, by value.
    QV_LISTA_CHAVES_12 cabecalho() const {
        inhouse::LISTA_CHAVES l{quantidade(), com::wire_pointer_put(chaves.get()), com::wire_pointer_put(dias.get())};
        QV_LISTA_CHAVES_12 bloco;
        std::memcpy(bloco.dados, &l, sizeof l);
        return bloco;
    }
    static void esquece(const QV_LISTA_CHAVES_12& bloco) noexcept {
        inhouse::LISTA_CHAVES l;
        std::memcpy(&l, bloco.dados, sizeof l);
        com::wire_pointer_take(l.chaves);
        com::wire_pointer_take(l.dias);
    }
};

// The documents and statuses of a read, owned from the answer on, with every document's items.
template <class Documento, class Item>
struct documentos_lidos {
    bloco_tarefa<Documento> documentos;
    bloco_tarefa<inhouse::SITUACAO_DOCUMENTO> situacoes;
    std::vector<bloco_tarefa<Item>> itens;
    int32_t quantidade = 0;

    explicit documentos_lidos(const inhouse::RESPOSTA_DOCUMENTOS& r) {
        documentos = toma<Documento>(r.documentos);
        situacoes = toma<inhouse::SITUACAO_DOCUMENTO>(r.situacoes);
        if (!documentos || !situacoes) return;
        quantidade = r.quantidade;
        itens.reserve(static_cast<size_t>(quantidade));
        for (int32_t n = 0; n < quantidade; ++n) itens.push_back(toma<Item>(documentos.get()[n].itens));
    }
};

}  // namespace

void CTW_FT_PosicaoProdutos::CarregaUltimasCompras() noexcept {
    m_ultimas_compras.clear();
    if (!Instalado(21)) return;
    try {
        com::com_ptr<IQVCP_Compras> compras = cache().GetServidorCompras();
        if (!compras) com::fail(msg::carregar_compras, E_FAIL);
        filiais_filtro filiais(m_filial != 0 ? 1 : 0, m_filial);
        inhouse::FILTRO_COMPRAS filtro{};
        filtro.produto = {m_ponteiro, m_itens[0], m_itens[1], m_itens[2]};
        filtro.marca = 'S';
        filtro.quantidade_filiais = filiais.quantidade();
        filtro.filiais = filiais.campo();
        QV_FILTRO_COMPRAS_310 f;
        std::memcpy(f.dados, &filtro, sizeof filtro);
        BYTE* bloco = nullptr;
        const HRESULT hr = compras->BuscaCompras(m_inicio, m_fim, f, &bloco);
        lista_chaves lista(bloco);
        if (FAILED(hr)) com::fail(msg::carregar_compras, hr);
        // S_FALSE: no purchase.
        if (hr != S_OK) return;

        const inhouse::CHAVE_PRODUTO_GRADE minha = filtro.produto;
        std::vector<tagREG_RE> linhas;
        for (int32_t n = lista.quantidade() - 1; n >= 0 && linhas.size() < 5; --n) {
            const int64_t chave = lista.chaves.get()[n];
            inhouse::SITUACAO_DOCUMENTO situacao{};
            if (HRESULT s = compras->SituacaoCompra(chave, reinterpret_cast<BYTE*>(&situacao)); s != S_OK)
                com::fail(msg::carregar_compras, FAILED(s) ? s : E_FAIL);
            if (situacao.cancelado != 0) continue;
            inhouse::COMPRA compra{};
            const HRESULT lida = compras->LeCompra(chave, reinterpret_cast<BYTE*>(&compra));
            bloco_tarefa<inhouse::ITEM_COMPRA> itens(toma<inhouse::ITEM_COMPRA>(compra.itens));
            if (lida != S_OK) com::fail(msg::carregar_compras, FAILED(lida) ? lida : E_FAIL);
            for (uint16_t i = 0; itens && i < compra.quantidade_itens && linhas.size() < 5; ++i) {
                const inhouse::ITEM_COMPRA& item = itens.get()[i];
                if (!(item.produto == minha)) continue;
                if (compra.emissao < 0 || compra.emissao > 0xFFFF || compra.entrada < 0 || compra.entrada > 0xFFFF)
                    com::fail(msg::carregar_compras, DISP_E_OVERFLOW);
                linhas.push_back({static_cast<uint16_t>(compra.emissao), static_cast<uint16_t>(compra.entrada), compra.fornecedor,
                                  TicksDe8Casas(item.quantidade), TicksDe8Casas(item.valor_unitario)});
            }
        }
        m_ultimas_compras = std::move(linhas);
    } catch (...) {
        m_ultimas_compras.clear();
        try {
            throw;
        } catch (const com::failure& f) {
            m_falha_compras = f;
        } catch (...) {
            m_falha_compras = com::failure{E_OUTOFMEMORY, msg::carregar_compras};
        }
    }
}

int64_t CTW_FT_PosicaoProdutos::SomaCotacoes() const {
    com::com_ptr<IQVCP_Cotacoes> cotacoes = cache().GetServidorCotacoes();
    if (!cotacoes) com::fail(msg::dados_cotacao, E_FAIL);
    // The quotations always name one branch, 0 included.
    filiais_filtro filiais(1, m_filial);
    inhouse::FILTRO_COTACOES filtro{};
    filtro.produto = {m_ponteiro, m_itens[0], m_itens[1], m_itens[2]};
    filtro.marca20 = 1;
    filtro.marca23 = 1;
    filtro.marca308 = 'S';
    filtro.quantidade_filiais = filiais.quantidade();
    filtro.filiais = filiais.campo();
    QV_FILTRO_COTACOES_438 f;
    std::memcpy(f.dados, &filtro, sizeof filtro);
    BYTE* bloco = nullptr;
    const HRESULT hr = cotacoes->BuscaCotacoes(m_inicio, m_fim, f, &bloco);
    lista_chaves lista(bloco);
    if (FAILED(hr)) com::fail(msg::dados_cotacao, hr);
    if (lista.quantidade() <= 0) return 0;

    const QV_LISTA_CHAVES_12 cabecalho = lista.cabecalho();
    inhouse::RESPOSTA_DOCUMENTOS resposta{};
    const HRESULT lida = cotacoes->LeCotacoes(cabecalho, reinterpret_cast<BYTE*>(&resposta));
    lista_chaves::esquece(cabecalho);
    documentos_lidos<inhouse::COTACAO, inhouse::ITEM_COTACAO> lidas(resposta);
    if (FAILED(lida)) com::fail(msg::lista_cotacoes, lida);

    const inhouse::CHAVE_PRODUTO_GRADE minha = filtro.produto;
    int64_t soma = 0;
    for (int32_t n = 0; n < lidas.quantidade; ++n) {
        if (lidas.situacoes.get()[n].cancelado != 0) continue;
        const inhouse::COTACAO& cotacao = lidas.documentos.get()[n];
        const inhouse::ITEM_COTACAO* itens = lidas.itens[static_cast<size_t>(n)].get();
        for (uint16_t i = 0; itens && i < cotacao.quantidade_itens; ++i)
            if (itens[i].tipo == 'P' && itens[i].produto == minha) soma += itens[i].quantidade;
    }
    return soma;
}

int64_t CTW_FT_PosicaoProdutos::SomaOrdensCompra() const {
    com::com_ptr<IQVCP_OrdensCompra> ordens = cache().GetServidorOrdensCompra();
    if (!ordens) com::fail(msg::carregar_ordens_compra, E_FAIL);
    filiais_filtro filiais(m_filial != 0 ? 1 : 0, m_filial);
    inhouse::FILTRO_ORDENS filtro{};
    filtro.produto = {m_ponteiro, m_itens[0], m_itens[1], m_itens[2]};
    filtro.marca118[0] = filtro.marca118[1] = 'S';
    filtro.marca123 = 'S';
    filtro.quantidade_filiais = filiais.quantidade();
    filtro.filiais = filiais.campo();
    QV_FILTRO_ORDENS_234 f;
    std::memcpy(f.dados, &filtro, sizeof filtro);
    BYTE* bloco = nullptr;
    const HRESULT hr = ordens->BuscaOrdens(m_inicio, m_fim, f, &bloco);
    lista_chaves lista(bloco);
    if (FAILED(hr)) com::fail(msg::carregar_ordens_compra, hr);
    if (hr != S_OK || lista.quantidade() <= 0) return 0;

    const QV_LISTA_CHAVES_12 cabecalho = lista.cabecalho();
    inhouse::RESPOSTA_DOCUMENTOS resposta{};
    const HRESULT lida = ordens->LeOrdens(cabecalho, reinterpret_cast<BYTE*>(&resposta));
    lista_chaves::esquece(cabecalho);
    documentos_lidos<inhouse::ORDEM_COMPRA, inhouse::ITEM_ORDEM> lidas(resposta);
    if (lida != S_OK) com::fail(msg::carregar_ordens_compra, FAILED(lida) ? lida : E_FAIL);

    const inhouse::CHAVE_PRODUTO_GRADE minha = filtro.produto;
    const auto confere = [&minha](const inhouse::ITEM_ORDEM& item) { return item.produto == minha && item.cancelado == 0; };
    int64_t soma = 0;
    for (int32_t n = 0; n < lidas.quantidade && n < lista.quantidade(); ++n) {
        if (lidas.situacoes.get()[n].cancelado != 0) continue;
        const inhouse::ORDEM_COMPRA& ordem = lidas.documentos.get()[n];
        const inhouse::ITEM_ORDEM* itens = lidas.itens[static_cast<size_t>(n)].get();
        if (!itens) continue;
        if (ordem.tipo == 0) {
            for (uint16_t i = 0; i < ordem.quantidade_itens; ++i)
                if (confere(itens[i])) soma += itens[i].quantidade;
        } else if (ordem.tipo == 1) {
            // What the purchases already received of each matching item is still to come no more.
            std::vector<inhouse::ATENDIMENTO_ORDEM> pedidos(ordem.quantidade_itens), respostas(ordem.quantidade_itens);
            for (uint16_t i = 0; i < ordem.quantidade_itens; ++i) {
                pedidos[i] = {};
                respostas[i] = {};
                if (confere(itens[i])) {
                    pedidos[i].ordem = lista.chaves.get()[n];
                    pedidos[i].item = i;
                }
            }
            com::com_ptr<IQVCP_Compras> compras = cache().GetServidorCompras();
            if (!compras) com::fail(msg::carregar_ordens_compra, E_FAIL);
            const HRESULT atendidos = compras->Atendimentos(
                m_inicio, m_fim, 0, ordem.quantidade_itens, reinterpret_cast<BYTE*>(pedidos.data()),
                reinterpret_cast<BYTE*>(respostas.data()));
            if (atendidos != S_OK) com::fail(msg::carregar_ordens_compra, FAILED(atendidos) ? atendidos : E_FAIL);
            for (uint16_t i = 0; i < ordem.quantidade_itens; ++i)
                if (confere(itens[i]) && itens[i].encerrado != 1) soma += itens[i].quantidade - respostas[i].recebido;
        }
    }
    return soma;
}

}  // namespace sales

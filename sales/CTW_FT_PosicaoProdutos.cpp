#include "sales/CTW_FT_PosicaoProdutos.h"

#include <objbase.h>

#include <cstring>
#include <memory>
#include <string>

#include "base/CQVCurrencyEx8.h"
#include "base/QVCurrency.h"
#include "base/QVDataCurta.h"
#include "platform/com/out_param.h"
#include "platform/com/text.h"
#include "platform/com/unique.h"
#include "platform/com/wire_pointer.h"
#include "platform/inhouse/acesso/QVAcesso.h"
#include "platform/inhouse/compras/registros_compras.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "platform/inhouse/produtos/registros_preco.h"
#include "sales/messages.h"
#include "sales/posicao_produtos_textos.h"
#include "server/holders/CBufferCFRT.h"
#include "server/holders/CCacheServidores.h"
#include "server/holders/CPoolConexoes.h"
#include "server/holders/CSessaoGlobal.h"

namespace sales {

namespace {

server::CPoolConexoes& pool() { return *server::CPoolConexoes::GetInstancia(); }
server::CCacheServidores& cache() { return *server::CCacheServidores::GetInstancia(); }

void verifica(HRESULT hr, const char* texto) {
    if (FAILED(hr)) com::fail(texto, hr);
}

// The cache's accessor drops its servers after a failed call: it starts again with the session
// it kept.
CBufferCFRT& buffer_cfrt() {
    CBufferCFRT& buffer = *cache().GetBufferCFRT();
    if (!buffer.GetServidorCadastro()) buffer.Inicializa(buffer.GetEmpresa(), buffer.GetUsuario(), buffer.GetSessao());
    return buffer;
}

IQVDF_Produto& servidor_produto() {
    IQVDF_Produto* servidor = pool().GetMyConexaoProduto()->GetInterface();
    if (!servidor) com::fail(msg::carregar_produto, E_FAIL);
    return *servidor;
}

// The failure being handled, kept for the getters of a part that did not load.
com::failure falha_atual(const char* texto) {
    try {
        throw;
    } catch (const com::failure& f) {
        return f;
    } catch (const std::bad_alloc&) {
        return {E_OUTOFMEMORY, texto};
    } catch (...) {
        return {E_UNEXPECTED, texto};
    }
}

// The balance query (66 bytes) and its answer's three 128-byte blocks from offset 10.
#pragma pack(push, 1)
struct CONSULTA_SALDO {
    int32_t produto;              // +0
    uint16_t item1, item2, item3; // +4
    uint16_t filial;              // +10
    int32_t menos_um12[4];        // +12, each -1
    int32_t zero28;               // +28
    int32_t menos_um32[3];        // +32, each -1
    int32_t zero44;               // +44
    uint8_t marca48;              // +48, 0xFF
    uint8_t reservado49[17];
};
#pragma pack(pop)
static_assert(sizeof(CONSULTA_SALDO) == 66 && offsetof(CONSULTA_SALDO, filial) == 10 &&
              offsetof(CONSULTA_SALDO, menos_um32) == 32 && offsetof(CONSULTA_SALDO, marca48) == 48);
constexpr size_t tamanho_resultado_saldo = 396;
constexpr size_t inicio_blocos_saldo = 10;

int64_t le_int64(const BYTE* base, size_t offset) {
    int64_t v;
    std::memcpy(&v, base + offset, sizeof v);
    return v;
}

// A task-memory block the position owns from the moment it takes it out of a wire field.
struct libera_tarefa {
    void operator()(void* p) const noexcept { CoTaskMemFree(p); }
};
template <class T>
using bloco_tarefa = std::unique_ptr<T, libera_tarefa>;
template <class T>
bloco_tarefa<T> toma(uint32_t campo) noexcept {
    return bloco_tarefa<T>(static_cast<T*>(com::wire_pointer_take(campo)));
}

}  // namespace

com::com_ptr<CTW_FT_PosicaoProdutos> CTW_FT_PosicaoProdutos::Cria(const filtro_posicao& f) {
    com::com_ptr<CTW_FT_PosicaoProdutos> posicao;
    try {
        posicao = com::make<CTW_FT_PosicaoProdutos>();
    } catch (const std::bad_alloc&) {
        com::fail(msg::instanciar_posicao, E_OUTOFMEMORY);
    }
    const server::CSessaoGlobal& sessao = *server::CSessaoGlobal::GetInstancia();
    posicao->Inicializa(sessao.GetEmpresa(), static_cast<uint16_t>(sessao.GetUsuario()), sessao.GetNumeroSessao(), f.filial);
    posicao->CarregaProduto(f.tabela, f.codigo, f.grade1, f.grade2, f.grade3);
    posicao->SetTipoEstoque(f.ep, f.ept, f.etpe);
    posicao->CarregaSaldos();
    posicao->CarregaNotaFiscal();
    posicao->CarregaUltimasCompras();
    return posicao;
}

void CTW_FT_PosicaoProdutos::Inicializa(const std::string& empresa, uint16_t usuario, int32_t sessao, uint16_t filial) {
    m_empresa = empresa;
    m_usuario = usuario;
    m_sessao = sessao;
    m_filial = filial;
    CConexaoFilial& filiais = *pool().GetConexaoFilial();
    if (!filiais.GetServidor()) verifica(filiais.CriaServidor(), msg::carregar_periodo);
    IQVCN_Filial* servidor = filiais.GetServidor();
    if (!servidor) com::fail(msg::carregar_periodo, E_FAIL);
    uint16_t periodo[4] = {};
    verifica(servidor->LePeriodo(reinterpret_cast<BYTE*>(periodo)), msg::carregar_periodo);
    m_inicio = periodo[0];
    m_fim = periodo[1];
    m_tipos = server::CSessaoGlobal::GetInstancia()->GetTiposVevureze();
}

void CTW_FT_PosicaoProdutos::CarregaProduto(const std::string& tabela, const std::string& codigo, const std::string& grade1,
                                            const std::string& grade2, const std::string& grade3) {
    m_codigo = codigo;
    m_grades = {grade1, grade2, grade3};
    m_tabela = QVConverteTextoUI2(tabela.c_str());
    CMyConexaoProduto& produtos = *pool().GetMyConexaoProduto();
    long ponteiro = 0;
    _REG_PRODUTOPS produto{};
    const int achado = produtos.ExisteProduto(codigo.c_str(), 'A', m_tabela, &ponteiro, &produto);
    if (achado < 0) com::fail(msg::carregar_produto, achado);
    m_ponteiro = achado == 1 ? static_cast<int32_t>(ponteiro) : 0;
    m_itens[0] = m_itens[1] = m_itens[2] = 0;
    m_produto = {};
    m_nome.clear();
    // A code that is not there leaves a position of nothing: no name, and nothing matches it.
    if (m_ponteiro == 0) return;
    verifica(produtos.LeProduto(m_ponteiro, m_tabela, &m_produto), msg::carregar_produto);
    m_nome = std::string(inhouse::texto_campo(m_produto.nome));
    const uint16_t grades[3] = {m_produto.grade1, m_produto.grade2, m_produto.grade3};
    CConexaoGradesProduto& conexao_grades = *pool().GetConexaoGradesProduto();
    for (int k = 0; k < 3; ++k) {
        if (grades[k] == 0) continue;
        _REG_ITENS_GRADE_PRODUTOPS item{};
        WORD posicao = 0;
        const int resposta = conexao_grades.ExisteItemGrade(grades[k], m_grades[k].c_str(), &posicao, &item);
        if (resposta < 0) com::fail(msg::carregar_item_grade, resposta);
        m_itens[k] = resposta == 1 ? posicao : 0;
        if (m_itens[k] != 0) JuntaItemGrade(m_nome, k, inhouse::texto_campo(item.descricao));
    }
}

void CTW_FT_PosicaoProdutos::SetTipoEstoque(bool ep, bool ept, bool etpe) noexcept {
    m_ep = ep;
    m_ept = ept;
    m_etpe = etpe;
}

void CTW_FT_PosicaoProdutos::CarregaSaldos() noexcept {
    if (!Instalado(22)) return;
    try {
        _REG_UNIDADES_MEDIDAPS unidade{};
        verifica(servidor_produto().LeUnidadeProduto(m_produto.unidade, reinterpret_cast<QV_UNIDADE_72*>(&unidade)),
                 msg::carregar_unidade);
        const int casas = CasasSaldo(unidade.casas);

        CONSULTA_SALDO consulta{};
        consulta.produto = m_ponteiro;
        consulta.item1 = m_itens[0];
        consulta.item2 = m_itens[1];
        consulta.item3 = m_itens[2];
        consulta.filial = m_filial;
        for (int32_t& v : consulta.menos_um12) v = -1;
        for (int32_t& v : consulta.menos_um32) v = -1;
        consulta.marca48 = 0xFF;
        QV_CONSULTA_SALDO_66 bloco;
        std::memcpy(bloco.dados, &consulta, sizeof consulta);
        uint8_t resultado[tamanho_resultado_saldo] = {};
        com::com_ptr<IQVES_Estoque> estoque = cache().GetServidorEstoque();
        if (!estoque) com::fail(msg::carregar_saldo, E_FAIL);
        verifica(estoque->Saldo(bloco, resultado, 0, 0, 0), msg::carregar_saldo);

        const saldos_texto saldos = SomaSaldos(resultado, m_ep, m_ept, m_etpe, casas);
        m_saldo_total = saldos.total;
        m_saldo_disponivel = saldos.disponivel;
        m_saldo_indisponivel = saldos.indisponivel;
        m_saldo_reservado = saldos.reservado;
        m_saldo_pre_baixa = saldos.pre_baixa;

        CQVCurrencyEx8 custo;
        custo.SetModo(rounding::half_away);
        custo.SetCasasDecimais(m_produto.casas_custo > 8 ? 8 : m_produto.casas_custo);
        custo.SetValor(le_int64(resultado + inicio_blocos_saldo, 96));
        m_custo_medio = QVFormataCYDecimais(CURRENCY{.int64 = TicksDe8Casas(custo.GetValor64())}, casas);
    } catch (...) {
        m_falha_saldos = falha_atual(msg::carregar_saldo);
    }
}

void CTW_FT_PosicaoProdutos::CarregaNotaFiscal() noexcept {
    // Product 0 in the invoice filter stands for every product: a code that is not there has no
    // invoice of its own.
    if (!Instalado(25) || m_ponteiro == 0) return;
    try {
        com::com_ptr<IQVFT_NotasFiscais> notas = cache().GetServidorNotasFiscais();
        if (!notas) com::fail(msg::buscar_notas, E_FAIL);
        inhouse::PERIODO_NOTAS periodo{};
        periodo.inicio = static_cast<int32_t>(m_inicio);
        periodo.fim = static_cast<int32_t>(m_fim);
        periodo.um = 1;
        inhouse::FILTRO_NOTAS filtro{};
        filtro.produto = m_ponteiro;
        filtro.marca1072 = 1;
        filtro.marca1095 = 1;
        QV_PERIODO_NOTAS_24 p;
        std::memcpy(p.dados, &periodo, sizeof periodo);
        QV_FILTRO_NOTAS_1136 f;
        std::memcpy(f.dados, &filtro, sizeof filtro);
        BYTE* resposta = nullptr;
        const HRESULT hr = notas->BuscaNotas(p, f, &resposta);
        bloco_tarefa<inhouse::LISTA_NOTAS> lista(reinterpret_cast<inhouse::LISTA_NOTAS*>(resposta));
        bloco_tarefa<int32_t> chaves(lista ? toma<int32_t>(lista->chaves) : nullptr);
        verifica(hr, msg::buscar_notas);
        if (!lista || lista->quantidade <= 0 || !chaves) return;

        inhouse::CHAVE_NOTA chave{};
        chave.chave = chaves.get()[lista->quantidade - 1];
        QV_CHAVE_NOTA_38 k;
        std::memcpy(k.dados, &chave, sizeof chave);
        inhouse::NOTA_FISCAL nota{};
        const HRESULT lida = notas->LeNota(k, reinterpret_cast<BYTE*>(&nota));
        bloco_tarefa<inhouse::ITEM_NOTA> itens(toma<inhouse::ITEM_NOTA>(nota.itens));
        verifica(lida, msg::buscar_nota);

        const inhouse::CHAVE_PRODUTO_GRADE minha{m_ponteiro, m_itens[0], m_itens[1], m_itens[2]};
        for (uint16_t n = 0; itens && n < nota.quantidade_itens; ++n) {
            const inhouse::ITEM_NOTA& item = itens.get()[n];
            if (!(item.produto == minha)) continue;
            m_valor_unitario = QVFormataCYDecimais(CURRENCY{.int64 = TicksDe8Casas(item.valor_unitario)},
                                                   item.casas_valor > 4 ? 4 : item.casas_valor);
            // An item without quantity has no value per unit: the texts stay empty.
            if (auto icms = ValorPorUnidade(item.valor_icms, item.quantidade)) m_valor_icms = QVFormataCYDecimais(CURRENCY{.int64 = *icms}, 2);
            if (auto ipi = ValorPorUnidade(item.valor_ipi, item.quantidade)) m_valor_ipi = QVFormataCYDecimais(CURRENCY{.int64 = *ipi}, 2);
            m_quantidade = QVFormataCYDecimais(CURRENCY{.int64 = item.quantidade}, CasasQuantidadeNota(item.casas_quantidade));
            m_cfop = std::string(inhouse::texto_campo(item.cfop));
            break;
        }

        m_condicao.clear();
        com::com_ptr<IQVFT_CondicoesPagamento> condicoes = cache().GetServidorCondicoesPagamento();
        inhouse::CONDICAO_PAGAMENTO_CACHE condicao{};
        if (condicoes && SUCCEEDED(condicoes->LeCondicao(nota.condicao, reinterpret_cast<BYTE*>(&condicao)))) {
            const std::string nome(inhouse::texto_campo(condicao.nome));
            m_condicao = nome.empty() ? "(Nenhum)" : nome;
        }
        m_emissao = QVFormataData(nota.emissao, false);
        m_numero_nf = TextoNumeroNF(nota.numero);
        m_frete = TextoFrete(nota.frete);
    } catch (...) {
        m_falha_nota = falha_atual(msg::buscar_notas);
    }
}

HRESULT CTW_FT_PosicaoProdutos::Texto(BSTR* pVal, const std::optional<com::failure>& falha, const std::string& texto) {
    if (falha) throw *falha;
    return com::put_text(pVal, texto);
}

HRESULT CTW_FT_PosicaoProdutos::get_Codigo(BSTR* pVal) noexcept { return com::put_text(pVal, m_codigo); }

HRESULT CTW_FT_PosicaoProdutos::get_Nome(BSTR* pVal) noexcept {
    if (!pVal) return E_POINTER;
    if (m_produto.ofertado == 0) return S_OK;
    return com::put_text(pVal, m_nome);
}

HRESULT CTW_FT_PosicaoProdutos::get_Descricao(BSTR* pVal) noexcept try {
    if (!pVal) return E_POINTER;
    com::unique_bstr descricao;
    verifica(servidor_produto().Descricao(static_cast<LONG>(m_produto.descricao), descricao.put()), msg::carregar_descricao);
    return com::put_text(pVal, com::from_bstr(descricao.get()));
} catch (...) {
    return report();
}

HRESULT CTW_FT_PosicaoProdutos::get_CodTabPrecos(BSTR* pVal) noexcept try {
    return com::put_text(pVal, std::to_string(m_tabela));
} catch (...) {
    return report();
}

HRESULT CTW_FT_PosicaoProdutos::get_TabPrecos(BSTR* pVal) noexcept try {
    if (!pVal) return E_POINTER;
    _REG_TABELA_PRECOSPS tabela{};
    verifica(pool().GetMyConexaoProduto()->LeTabelaPreco(m_tabela, &tabela), msg::carregar_tabela_preco);
    return com::put_text(pVal, inhouse::texto_campo(tabela.nome));
} catch (...) {
    return report();
}

HRESULT CTW_FT_PosicaoProdutos::get_PrecoVenda(BSTR* pVal) noexcept try {
    if (!pVal) return E_POINTER;
    // Without a product there is no price to ask for.
    if (m_ponteiro == 0) com::fail(msg::produto_zerado);
    CHAVE_ITENS_PRECO k{};
    k.produto = m_ponteiro;
    k.tabela = m_tabela;
    k.item1 = m_itens[0];
    k.item2 = m_itens[1];
    k.item3 = m_itens[2];
    QV_CHAVE_24 chave;
    std::memcpy(chave.dados, &k, sizeof k);
    RESPOSTA_ITENS_PRECO resposta{};
    const HRESULT hr = servidor_produto().ItensPreco(chave, reinterpret_cast<BYTE*>(&resposta));
    bloco_tarefa<_REG_ITENS_TABELA_PRECOPS> itens(resposta.itens);
    verifica(hr, msg::itens_tabela_preco);
    if (resposta.quantidade == 0 || !itens) return com::put_text(pVal, "");
    return com::put_text(pVal, QVFormataCYMilhar(CURRENCY{.int64 = TicksDe8Casas(itens.get()[0].preco)}));
} catch (...) {
    return report();
}

HRESULT CTW_FT_PosicaoProdutos::get_CustoMedio(BSTR* pVal) noexcept try {
    return Texto(pVal, m_falha_saldos, m_custo_medio);
} catch (...) {
    return report();
}

#define ZU_SALDO(Getter, membro)                                          \
    HRESULT CTW_FT_PosicaoProdutos::Getter(BSTR* pVal) noexcept try {     \
        if (!pVal) return E_POINTER;                                      \
        if (!Instalado(22)) return S_OK;                                  \
        return Texto(pVal, m_falha_saldos, membro);                       \
    } catch (...) {                                                       \
        return report();                                                  \
    }
ZU_SALDO(get_SaldoTotal, m_saldo_total)
ZU_SALDO(get_SaldoReservado, m_saldo_reservado)
ZU_SALDO(get_SaldoPreBaixa, m_saldo_pre_baixa)
ZU_SALDO(get_SaldoIndisponivel, m_saldo_indisponivel)
ZU_SALDO(get_SaldoDisponivel, m_saldo_disponivel)
#undef ZU_SALDO

#define ZU_NOTA(Getter, membro)                                           \
    HRESULT CTW_FT_PosicaoProdutos::Getter(BSTR* pVal) noexcept try {     \
        if (!pVal) return E_POINTER;                                      \
        if (!Instalado(25)) return S_OK;                                  \
        return Texto(pVal, m_falha_nota, membro);                         \
    } catch (...) {                                                       \
        return report();                                                  \
    }
ZU_NOTA(get_ValorUnitario, m_valor_unitario)
ZU_NOTA(get_CondPagamento, m_condicao)
ZU_NOTA(get_ValorICMS, m_valor_icms)
ZU_NOTA(get_DataEmissao, m_emissao)
ZU_NOTA(get_ValorIPI, m_valor_ipi)
ZU_NOTA(get_NumeroNF, m_numero_nf)
ZU_NOTA(get_Quantidade, m_quantidade)
ZU_NOTA(get_CFOP, m_cfop)
ZU_NOTA(get_FretePorConta, m_frete)
#undef ZU_NOTA

HRESULT CTW_FT_PosicaoProdutos::get_QuantidadeCotacao(BSTR* pVal) noexcept try {
    if (!pVal) return E_POINTER;
    if (!Instalado(21)) return S_OK;
    return com::put_text(pVal, QVFormataCYDecimais(CURRENCY{.int64 = SomaCotacoes()}, m_produto.casas_preco > 4 ? 4 : m_produto.casas_preco));
} catch (...) {
    return report();
}

HRESULT CTW_FT_PosicaoProdutos::get_QuantidadeOC(BSTR* pVal) noexcept try {
    if (!pVal) return E_POINTER;
    if (!Instalado(21)) return S_OK;
    return com::put_text(pVal, QVFormataCYDecimais(CURRENCY{.int64 = SomaOrdensCompra()}, m_produto.casas_preco > 4 ? 4 : m_produto.casas_preco));
} catch (...) {
    return report();
}

HRESULT CTW_FT_PosicaoProdutos::get_LocalPadrao(BSTR* pVal) noexcept try {
    if (!pVal) return E_POINTER;
    if (!ComLocais()) return S_OK;
    std::string codigo, nome;
    LeLocal(LocalPadrao(), codigo, nome);
    return com::put_text(pVal, codigo);
} catch (...) {
    return report();
}

HRESULT CTW_FT_PosicaoProdutos::get_NomeLocalPadrao(BSTR* pVal) noexcept try {
    if (!pVal) return E_POINTER;
    if (!ComLocais()) return S_OK;
    std::string codigo, nome;
    LeLocal(LocalPadrao(), codigo, nome);
    return com::put_text(pVal, nome);
} catch (...) {
    return report();
}

HRESULT CTW_FT_PosicaoProdutos::get_LocalMaiorEstoque(BSTR* pVal) noexcept try {
    if (!pVal) return E_POINTER;
    if (!ComLocais()) return S_OK;
    std::string codigo, nome;
    LeLocal(LocalMaiorEstoque(), codigo, nome);
    return com::put_text(pVal, codigo);
} catch (...) {
    return report();
}

HRESULT CTW_FT_PosicaoProdutos::get_NomeLocalMaiorEstoque(BSTR* pVal) noexcept try {
    if (!pVal) return E_POINTER;
    if (!ComLocais()) return S_OK;
    std::string codigo, nome;
    LeLocal(LocalMaiorEstoque(), codigo, nome);
    return com::put_text(pVal, nome);
} catch (...) {
    return report();
}

HRESULT CTW_FT_PosicaoProdutos::get_QtdUltimasCompras(LONG* pVal) noexcept try {
    if (!pVal) return E_POINTER;
    if (m_falha_compras) throw *m_falha_compras;
    return com::put_number(pVal, m_ultimas_compras.size());
} catch (...) {
    return report();
}

HRESULT CTW_FT_PosicaoProdutos::GetUltimaCompra(LONG lPos, LONG lCampo, BSTR* pbsValor) noexcept try {
    if (!pbsValor) return E_POINTER;
    if (m_falha_compras) throw *m_falha_compras;
    if (lPos < 0 || static_cast<size_t>(lPos) >= m_ultimas_compras.size() || lCampo < 1 || lCampo > 6) return S_OK;
    const tagREG_RE& r = m_ultimas_compras[static_cast<size_t>(lPos)];
    switch (lCampo) {
    case 1: return com::put_text(pbsValor, QVFormataData(r.data1, false));
    case 2: return com::put_text(pbsValor, QVFormataData(r.data2, false));
    case 3:
    case 4: {
        if (r.fornecedor == 0) return S_OK;
        QVCFRT fornecedor{};
        fornecedor.posicao_plano = r.fornecedor;
        verifica(buffer_cfrt().Le(&fornecedor, 0), msg::ler_fornecedor);
        return com::put_text(pbsValor, lCampo == 3 ? inhouse::texto_campo(fornecedor.nome) : inhouse::texto_campo(fornecedor.texto_1132));
    }
    case 5: return com::put_text(pbsValor, QVFormataCYMilhar(CURRENCY{.int64 = r.quantidade}));
    default: return com::put_text(pbsValor, QVFormataCYMilhar(CURRENCY{.int64 = r.valor_unitario}));
    }
} catch (...) {
    return report();
}

}  // namespace sales

#include "platform/inhouse/produtos/ProdutoServer.h"

#include <objbase.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "base/CQVData.h"
#include "platform/com/text.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "platform/inhouse/login/registros_login.h"
#include "platform/inhouse/produtos/valores_produto.h"

namespace inhouse {

namespace {

// The columns every product read takes, in the order produto_de reads them; ?1 company, ?2 price table.
constexpr const char colunas_produto[] =
    "SELECT p.posicao, p.codigo, p.nome, p.classificacao, p.tipo, p.unidade, p.grade1, p.grade2, p.grade3,"
    " p.casas_preco, p.ativo, pp.preco, COALESCE(pi.regra_propria, 0), COALESCE(pi.diferimento, 0),"
    " p.peso_bruto, p.casas_peso_bruto, p.peso_liquido, p.casas_peso_liquido, p.embalagem, p.pallet,"
    " p.desconto_unitario, p.prazo_entrega, p.comissao, p.estoque_minimo, p.estoque_maximo, p.origem, p.familia,"
    " p.referencia FROM produto p LEFT JOIN produto_preco pp"
    " ON pp.empresa = p.empresa AND pp.produto = p.posicao AND pp.tabela = ?2"
    " LEFT JOIN produto_icms pi ON pi.empresa = p.empresa AND pi.produto = p.posicao ";

// A weight in kilograms as the record holds it: its decimals code 2 to 6 adds 1 to 5 decimals to
// a CURRENCY's four.
int64_t peso_do_registro(const std::string& quilos, uint8_t casas) {
    const int mais = casas >= 2 && casas <= 6 ? casas - 1 : 0;
    return valor_decimal(quilos, 4 + mais);
}

// A product priced in `tabela`: offered when it is active and, with a table, has a price in it.
_REG_PRODUTOPS produto_de(sqlite::statement& q, WORD tabela) {
    _REG_PRODUTOPS r{};
    r.ponteiro = static_cast<uint32_t>(q.column_int64(0));
    r.descricao = r.ponteiro;
    poe_campo(r.codigo, q.column_text(1));
    poe_campo(r.nome, q.column_text(2));
    poe_campo(r.classificacao, q.column_text(3));
    const std::string tipo = q.column_text(4);
    r.tipo = static_cast<uint8_t>(tipo.empty() ? 'A' : tipo[0]);
    r.unidade = static_cast<uint16_t>(q.column_int(5));
    r.grade1 = static_cast<uint16_t>(q.column_int(6));
    r.grade2 = static_cast<uint16_t>(q.column_int(7));
    r.grade3 = static_cast<uint16_t>(q.column_int(8));
    r.casas_preco = static_cast<uint8_t>(q.column_int(9));
    r.casas_custo = r.casas_preco;   // costs are kept with the price's decimals
    const bool com_preco = !q.is_null(11);
    if (com_preco) r.preco = valor_decimal(q.column_text(11), 8);
    r.ofertado = q.column_int(10) == 1 && (tabela == 0 || com_preco) ? 1 : 0;
    r.regra_icms_propria = q.column_int(12) ? 1 : 0;
    r.diferimento = q.column_int(13) ? 1 : 0;
    r.casas_peso_bruto = static_cast<uint8_t>(q.column_int(15));
    r.peso_bruto = peso_do_registro(q.column_text(14), r.casas_peso_bruto);
    r.casas_peso_liquido = static_cast<uint8_t>(q.column_int(17));
    r.peso_liquido = peso_do_registro(q.column_text(16), r.casas_peso_liquido);
    r.embalagem = valor_decimal(q.column_text(18), 4);
    r.pallet = static_cast<uint32_t>(q.column_int64(19));
    r.desconto_unitario = static_cast<uint16_t>(q.column_int(20));
    r.prazo_entrega = static_cast<uint16_t>(q.column_int(21));
    r.comissao = static_cast<uint32_t>(q.column_int64(22));
    r.estoque_minimo = static_cast<uint32_t>(q.column_int64(23));
    r.estoque_maximo = static_cast<uint32_t>(q.column_int64(24));
    r.origem = static_cast<uint16_t>(q.column_int(25));
    r.familia = static_cast<uint16_t>(q.column_int(26));
    poe_campo(r.referencia, q.column_text(27));
    return r;
}

constexpr const char colunas_tabela[] =
    "SELECT posicao, codigo, nome, validade, bloqueada, tipo FROM tabela_preco ";

HRESULT tabela_de(sqlite::statement& q, _REG_TABELA_PRECOSPS& r) {
    r = {};
    if (!dia_curto(q.column_text(3), r.validade)) return QV_E_DATA_FORA_DO_CAMPO;
    poe_campo(r.codigo, q.column_text(1));
    poe_campo(r.nome, q.column_text(2));
    r.bloqueada = q.column_int(4) != 0 ? 1 : 0;
    const std::string tipo = q.column_text(5);
    r.tipo = static_cast<uint8_t>(tipo.empty() ? 'V' : tipo[0]);
    return S_OK;
}

constexpr const char colunas_servico[] =
    "SELECT posicao, codigo, nome, classificacao, unidade, preco, casas FROM servico ";

_REG_SERVICOSPS servico_de(sqlite::statement& q) {
    _REG_SERVICOSPS r{};
    poe_campo(r.codigo, q.column_text(1));
    poe_campo(r.nome, q.column_text(2));
    poe_campo(r.classificacao, q.column_text(3));
    r.unidade = static_cast<uint16_t>(q.column_int(4));
    r.preco = valor_decimal(q.column_text(5), 4);
    r.casas = static_cast<uint8_t>(q.column_int(6));
    return r;
}

std::string texto_tabela(BYTE servicos, BYTE tipo) {
    return "servicos=" + std::to_string(servicos) + " tipo=" + std::string(1, static_cast<char>(tipo));
}

}  // namespace

HRESULT ProdutoServer::create_servicos(store& data, std::shared_ptr<fault_plan> faults, REFIID iid, void** ppv) noexcept try {
    auto servidor = com::make<ProdutoServer>(data, std::move(faults));
    servidor->m_servicos = true;
    return servidor->QueryInterface(iid, ppv);
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE ProdutoServer::Quantidade(BSTR tipos, LONG opcao, LONG* quantidade) noexcept try {
    if (!quantidade) return E_POINTER;
    *quantidade = 0;
    const std::string t = com::from_bstr(tipos);
    if (HRESULT hr = faults().enter("Quantidade", "tipos=" + t + " opcao=" + std::to_string(opcao)); hr != S_OK)
        return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    if (m_servicos) {
        // The register's positions, deleted ones included: the last position in use.
        auto q = m_store.prepare("SELECT COALESCE(MAX(posicao), 0) FROM servico WHERE empresa = ? COLLATE NOCASE");
        q.bind_text(1, m_empresa);
        if (q.step()) *quantidade = static_cast<LONG>(q.column_int64(0));
        return S_OK;
    }
    auto q = m_store.prepare("SELECT COUNT(*) FROM produto WHERE empresa = ?1 COLLATE NOCASE"
                             " AND (instr(?2, 'X') > 0 OR instr(?2, tipo) > 0)");
    q.bind_text(1, m_empresa).bind_text(2, t);
    if (q.step()) *quantidade = static_cast<LONG>(q.column_int64(0));
    m_tipos = t;
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE ProdutoServer::PonteirosProdutos(LONG quantidade, WORD tabela, BYTE opcao, LONG* encontrados,
                                                           LONG* ponteiros) noexcept try {
    if (!encontrados) return E_POINTER;
    *encontrados = 0;
    if (HRESULT hr = faults().enter("PonteirosProdutos", "quantidade=" + std::to_string(quantidade) + " tabela=" +
                                                             std::to_string(tabela) + " opcao=" + std::to_string(opcao));
        hr != S_OK)
        return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    if (quantidade <= 0) return S_OK;
    if (!ponteiros) return E_POINTER;
    // Like the maker's library, it reports every product it has now, even when products were
    // added since the count; it writes no more than asked for. With a price table, only the
    // products priced in it: a page listing a table of ten thousand out of a register of a
    // hundred thousand then reads ten thousand products, not the whole register.
    auto q = m_store.prepare("SELECT posicao FROM produto p WHERE empresa = ?1 COLLATE NOCASE"
                             " AND (instr(?2, 'X') > 0 OR instr(?2, tipo) > 0)"
                             " AND (?3 = 0 OR EXISTS (SELECT 1 FROM produto_preco pp WHERE pp.empresa = p.empresa"
                             " AND pp.tabela = ?3 AND pp.produto = p.posicao)) ORDER BY codigo");
    q.bind_text(1, m_empresa).bind_text(2, m_tipos).bind(3, static_cast<int64_t>(tabela));
    LONG n = 0;
    for (; q.step(); ++n)
        if (n < quantidade) ponteiros[n] = static_cast<LONG>(q.column_int64(0));
    *encontrados = n;
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE ProdutoServer::LeProdutoTabela(LONG ponteiro, WORD tabela, QV_PRODUTO_984* produto) noexcept try {
    if (!produto) return E_POINTER;
    if (HRESULT hr = faults().enter("LeProdutoTabela", "ponteiro=" + std::to_string(ponteiro) + " tabela=" +
                                                           std::to_string(tabela));
        hr != S_OK)
        return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto q = m_store.prepare(std::string(colunas_produto) + "WHERE p.empresa = ?1 COLLATE NOCASE AND p.posicao = ?3");
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(tabela)).bind(3, static_cast<int64_t>(ponteiro));
    if (!q.step()) return QV_E_PRODUTO_DESCONHECIDO;
    *produto = como_bloco<QV_PRODUTO_984>(produto_de(q, tabela));
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE ProdutoServer::LeProduto(LONG ponteiro, LONG opcao, QV_PRODUTO_984* produto) noexcept try {
    if (!produto) return E_POINTER;
    if (HRESULT hr = faults().enter("LeProduto", "ponteiro=" + std::to_string(ponteiro) + " opcao=" + std::to_string(opcao));
        hr != S_OK)
        return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto q = m_store.prepare(std::string(colunas_produto) + "WHERE p.empresa = ?1 COLLATE NOCASE AND p.posicao = ?3");
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(0)).bind(3, static_cast<int64_t>(ponteiro));
    if (!q.step()) return QV_E_PRODUTO_DESCONHECIDO;
    *produto = como_bloco<QV_PRODUTO_984>(produto_de(q, 0));
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE ProdutoServer::ExisteProduto(BSTR codigo, BYTE tipo, WORD tabela, LONG* ponteiro,
                                                       QV_PRODUTO_984* produto) noexcept try {
    if (!ponteiro || !produto) return E_POINTER;
    *ponteiro = 0;
    std::memset(produto, 0, sizeof *produto);
    const std::string c = com::from_bstr(codigo);
    if (HRESULT hr = faults().enter("ExisteProduto", "codigo=" + c + " tipo=" + std::string(1, static_cast<char>(tipo)) +
                                                         " tabela=" + std::to_string(tabela));
        hr != S_OK)
        return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto q = m_store.prepare(std::string(colunas_produto) +
                             "WHERE p.empresa = ?1 COLLATE NOCASE AND p.codigo = ?3 AND (?4 = 'X' OR p.tipo = ?4)");
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(tabela)).bind_text(3, c);
    q.bind_text(4, std::string(1, static_cast<char>(tipo)));
    if (!q.step()) return S_OK;
    const _REG_PRODUTOPS r = produto_de(q, tabela);
    *produto = como_bloco<QV_PRODUTO_984>(r);
    *ponteiro = static_cast<LONG>(r.ponteiro);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE ProdutoServer::Descricao(LONG ponteiro, BSTR* descricao) noexcept try {
    if (!descricao) return E_POINTER;
    *descricao = nullptr;
    if (HRESULT hr = faults().enter("Descricao", "ponteiro=" + std::to_string(ponteiro)); hr != S_OK) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto q = m_store.prepare("SELECT nome FROM produto WHERE empresa = ? COLLATE NOCASE AND posicao = ?");
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(ponteiro));
    if (!q.step()) return QV_E_PRODUTO_DESCONHECIDO;
    *descricao = com::to_bstr(q.column_text(0)).release();
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE ProdutoServer::QuantidadeTabelas(BYTE servicos, BYTE tipo, WORD* quantidade) noexcept try {
    if (!quantidade) return E_POINTER;
    *quantidade = 0;
    if (HRESULT hr = faults().enter("QuantidadeTabelas", texto_tabela(servicos, tipo)); hr != S_OK) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto q = m_store.prepare("SELECT COUNT(*) FROM tabela_preco WHERE empresa = ? COLLATE NOCASE AND servicos = ?"
                             " AND tipo = ? AND bloqueada = 0");
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(servicos != 0)).bind_text(3, std::string(1, static_cast<char>(tipo)));
    if (q.step()) *quantidade = static_cast<WORD>(q.column_int(0));
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE ProdutoServer::PonteirosTabelas(BYTE servicos, WORD quantidade, BYTE tipo, WORD* ponteiros) noexcept try {
    if (HRESULT hr = faults().enter("PonteirosTabelas", texto_tabela(servicos, tipo) + " quantidade=" + std::to_string(quantidade));
        hr != S_OK)
        return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    if (quantidade == 0) return S_OK;
    if (!ponteiros) return E_POINTER;
    std::memset(ponteiros, 0, quantidade * sizeof(WORD));
    auto q = m_store.prepare("SELECT posicao FROM tabela_preco WHERE empresa = ? COLLATE NOCASE AND servicos = ?"
                             " AND tipo = ? AND bloqueada = 0 ORDER BY posicao LIMIT ?");
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(servicos != 0)).bind_text(3, std::string(1, static_cast<char>(tipo)));
    q.bind(4, static_cast<int64_t>(quantidade));
    for (size_t n = 0; q.step(); ++n) ponteiros[n] = static_cast<WORD>(q.column_int(0));
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE ProdutoServer::LeTabela(BYTE servicos, LONG ponteiro, QV_TABELA_PRECO_102* tabela) noexcept try {
    if (!tabela) return E_POINTER;
    if (HRESULT hr = faults().enter("LeTabela", "servicos=" + std::to_string(servicos) + " ponteiro=" + std::to_string(ponteiro));
        hr != S_OK)
        return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto q = m_store.prepare(std::string(colunas_tabela) + "WHERE empresa = ? COLLATE NOCASE AND servicos = ? AND posicao = ?");
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(servicos != 0)).bind(3, static_cast<int64_t>(ponteiro));
    if (!q.step()) return QV_E_TABELA_DESCONHECIDA;
    _REG_TABELA_PRECOSPS r;
    if (HRESULT hr = tabela_de(q, r); FAILED(hr)) return hr;
    *tabela = como_bloco<QV_TABELA_PRECO_102>(r);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE ProdutoServer::ExisteTabela(BYTE servicos, BSTR codigo, BYTE tipo, LONG* ponteiro,
                                                      QV_TABELA_PRECO_102* tabela) noexcept try {
    if (!ponteiro || !tabela) return E_POINTER;
    *ponteiro = 0;
    std::memset(tabela, 0, sizeof *tabela);
    const std::string c = com::from_bstr(codigo);
    if (HRESULT hr = faults().enter("ExisteTabela", texto_tabela(servicos, tipo) + " codigo=" + c); hr != S_OK) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto q = m_store.prepare(std::string(colunas_tabela) +
                             "WHERE empresa = ? COLLATE NOCASE AND servicos = ? AND tipo = ? AND codigo = ?");
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(servicos != 0)).bind_text(3, std::string(1, static_cast<char>(tipo)));
    q.bind_text(4, c);
    if (!q.step()) return S_OK;
    _REG_TABELA_PRECOSPS r;
    if (HRESULT hr = tabela_de(q, r); FAILED(hr)) return hr;
    *tabela = como_bloco<QV_TABELA_PRECO_102>(r);
    *ponteiro = static_cast<LONG>(q.column_int64(0));
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE ProdutoServer::ExisteTabelaPreco(BSTR codigo, BYTE tipo, WORD* ponteiro,
                                                           QV_TABELA_PRECO_102* tabela) noexcept try {
    if (!ponteiro || !tabela) return E_POINTER;
    *ponteiro = 0;
    LONG p = 0;
    const HRESULT hr = ExisteTabela(0, codigo, tipo, &p, tabela);
    *ponteiro = static_cast<WORD>(p);
    return hr;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE ProdutoServer::LeServico(LONG ponteiro, WORD tabela, QV_SERVICO_522* servico) noexcept try {
    if (!servico) return E_POINTER;
    if (HRESULT hr = faults().enter("LeServico", "ponteiro=" + std::to_string(ponteiro) + " tabela=" + std::to_string(tabela));
        hr != S_OK)
        return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto q = m_store.prepare(std::string(colunas_servico) + "WHERE empresa = ? COLLATE NOCASE AND posicao = ?");
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(ponteiro));
    if (q.step()) {
        *servico = como_bloco<QV_SERVICO_522>(servico_de(q));
        return S_OK;
    }
    // A position below the last one in use belonged to a service that was deleted.
    auto ultima = m_store.prepare("SELECT COALESCE(MAX(posicao), 0) FROM servico WHERE empresa = ? COLLATE NOCASE");
    ultima.bind_text(1, m_empresa);
    const bool excluido = ponteiro > 0 && ultima.step() && ponteiro < ultima.column_int64(0);
    return excluido ? QV_E_SERVICO_EXCLUIDO : QV_E_SERVICO_DESCONHECIDO;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE ProdutoServer::LeParametros(BYTE* parametros) noexcept try {
    if (!parametros) return E_POINTER;
    std::memset(parametros, 0, sizeof(_REG_PARAMETROS_PRODUTOPS));
    if (HRESULT hr = faults().enter("LeParametros"); hr != S_OK) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto q = m_store.prepare("SELECT usa_referencia FROM parametro_produto WHERE empresa = ? COLLATE NOCASE");
    q.bind_text(1, m_empresa);
    _REG_PARAMETROS_PRODUTOPS r{};
    if (q.step()) r.usa_referencia = static_cast<uint8_t>(q.column_int(0));
    std::memcpy(parametros, &r, sizeof r);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE ProdutoServer::ExisteServico(BSTR codigo, BYTE tipo, LONG* ponteiro, QV_SERVICO_522* servico) noexcept try {
    if (!ponteiro || !servico) return E_POINTER;
    *ponteiro = 0;
    std::memset(servico, 0, sizeof *servico);
    const std::string c = com::from_bstr(codigo);
    if (HRESULT hr = faults().enter("ExisteServico", "codigo=" + c + " tipo=" + std::string(1, static_cast<char>(tipo)));
        hr != S_OK)
        return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto q = m_store.prepare(std::string(colunas_servico) + "WHERE empresa = ? COLLATE NOCASE AND codigo = ?");
    q.bind_text(1, m_empresa).bind_text(2, c);
    if (!q.step()) return S_OK;
    *servico = como_bloco<QV_SERVICO_522>(servico_de(q));
    *ponteiro = static_cast<LONG>(q.column_int64(0));
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE ProdutoServer::LeUnidadeProduto(WORD unidade, QV_UNIDADE_72* registro) noexcept try {
    if (!registro) return E_POINTER;
    if (HRESULT hr = faults().enter("LeUnidadeProduto", "unidade=" + std::to_string(unidade)); hr != S_OK) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto q = m_store.prepare("SELECT sigla, descricao, casas FROM produto_unidade WHERE empresa = ? COLLATE NOCASE AND posicao = ?");
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(unidade));
    if (!q.step()) return QV_E_UNIDADE_DESCONHECIDA;
    _REG_UNIDADES_MEDIDAPS r{};
    poe_campo(r.unidade, q.column_text(0));
    poe_campo(r.descricao, q.column_text(1));
    r.casas = static_cast<uint8_t>(q.column_int(2));
    *registro = como_bloco<QV_UNIDADE_72>(r);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE ProdutoServer::LeUnidadeServico(WORD unidade, QV_UNIDADE_76* registro) noexcept try {
    if (!registro) return E_POINTER;
    if (HRESULT hr = faults().enter("LeUnidadeServico", "unidade=" + std::to_string(unidade)); hr != S_OK) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto q = m_store.prepare("SELECT sigla, descricao, casas, horario FROM produto_unidade"
                             " WHERE empresa = ? COLLATE NOCASE AND posicao = ?");
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(unidade));
    if (!q.step()) return QV_E_UNIDADE_DESCONHECIDA;
    _REG_UNIDADES_MEDIDA_SERVICOSPS r{};
    poe_campo(r.unidade, q.column_text(0));
    poe_campo(r.descricao, q.column_text(1));
    r.casas = static_cast<uint8_t>(q.column_int(2));
    r.horario = q.column_int(3) == 1 ? 1 : 0;
    *registro = como_bloco<QV_UNIDADE_76>(r);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE ProdutoServer::LeGrade(WORD grade, QV_GRADE_64* registro) noexcept try {
    if (!registro) return E_POINTER;
    if (HRESULT hr = faults().enter("LeGrade", "grade=" + std::to_string(grade)); hr != S_OK) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto q = m_store.prepare("SELECT codigo, descricao FROM produto_grade WHERE empresa = ? COLLATE NOCASE AND posicao = ?");
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(grade));
    if (!q.step()) return QV_E_GRADE_DESCONHECIDA;
    _REG_GRADES_PRODUTOPS r{};
    r.ponteiro = grade;
    r.codigo = static_cast<uint16_t>(q.column_int(0));
    poe_campo(r.descricao, q.column_text(1));
    *registro = como_bloco<QV_GRADE_64>(r);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE ProdutoServer::LeItemGrade(WORD grade, WORD item, QV_GRADE_64* registro) noexcept try {
    if (!registro) return E_POINTER;
    if (HRESULT hr = faults().enter("LeItemGrade", "grade=" + std::to_string(grade) + " item=" + std::to_string(item));
        hr != S_OK)
        return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto q = m_store.prepare("SELECT codigo, descricao FROM produto_grade_item"
                             " WHERE empresa = ? COLLATE NOCASE AND grade = ? AND posicao = ?");
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(grade)).bind(3, static_cast<int64_t>(item));
    if (!q.step()) return QV_E_GRADE_DESCONHECIDA;
    _REG_ITENS_GRADE_PRODUTOPS r{};
    r.ponteiro = item;
    poe_campo(r.codigo, q.column_text(0));
    poe_campo(r.descricao, q.column_text(1));
    *registro = como_bloco<QV_GRADE_64>(r);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE ProdutoServer::ExisteItemGrade(WORD grade, BSTR codigo, WORD* item, QV_GRADE_64* registro) noexcept try {
    if (!item || !registro) return E_POINTER;
    *item = 0;
    std::memset(registro, 0, sizeof *registro);
    const std::string c = com::from_bstr(codigo);
    if (HRESULT hr = faults().enter("ExisteItemGrade", "grade=" + std::to_string(grade) + " codigo=" + c); hr != S_OK)
        return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto q = m_store.prepare("SELECT posicao, codigo, descricao FROM produto_grade_item"
                             " WHERE empresa = ? COLLATE NOCASE AND grade = ? AND codigo = ? ORDER BY posicao");
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(grade)).bind_text(3, c);
    if (!q.step()) return S_OK;
    _REG_ITENS_GRADE_PRODUTOPS r{};
    r.ponteiro = static_cast<uint16_t>(q.column_int(0));
    poe_campo(r.codigo, q.column_text(1));
    poe_campo(r.descricao, q.column_text(2));
    *registro = como_bloco<QV_GRADE_64>(r);
    *item = r.ponteiro;
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE ProdutoServer::ItensGrade(WORD grade, WORD* quantidade, WORD** itens) noexcept try {
    if (!quantidade || !itens) return E_POINTER;
    *quantidade = 0;
    *itens = nullptr;
    if (HRESULT hr = faults().enter("ItensGrade", "grade=" + std::to_string(grade)); hr != S_OK) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto q = m_store.prepare("SELECT posicao FROM produto_grade_item WHERE empresa = ? COLLATE NOCASE AND grade = ?"
                             " ORDER BY posicao LIMIT 65535");
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(grade));
    std::vector<WORD> lidos;
    while (q.step()) lidos.push_back(static_cast<WORD>(q.column_int(0)));
    if (lidos.empty()) return S_OK;
    auto* bloco = bloco_tarefa(lidos);
    if (!bloco) return E_OUTOFMEMORY;
    *itens = bloco;
    *quantidade = static_cast<WORD>(lidos.size());
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

}  // namespace inhouse

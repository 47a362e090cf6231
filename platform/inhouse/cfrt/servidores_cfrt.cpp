#include "platform/inhouse/cfrt/servidores_cfrt.h"

#include <cstring>
#include <string_view>
#include <vector>

#include "platform/com/failure.h"
#include "platform/com/text.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "platform/inhouse/cfrt/registros_tavon.h"
#include "platform/inhouse/cfrt/relatorio_plano.h"

namespace inhouse {

namespace {

template <size_t N>
std::string campo(const char (&c)[N]) {
    return std::string(texto_campo(c));
}
char letra(const std::string& t, char padrao) { return t.empty() ? padrao : t[0]; }

constexpr HRESULT nao_encontrado = S_FALSE;
// GravaConta's answer for a new account whose classification another account has.
constexpr LONG classificacao_recusada = -2;

// Reads a part kept as a blob; false when the row has none (or one of another size).
template <class Block>
bool de_blob(const sqlite::statement& q, int coluna, Block& out) {
    if (q.is_null(coluna)) return false;
    const std::string b = q.column_blob(coluna);
    if (b.size() != sizeof(Block)) return false;
    std::memcpy(&out, b.data(), sizeof out);
    return true;
}

uint8_t bits_tipo(char tipo, char situacao, char pessoa) {
    uint8_t b = 0;
    switch (tipo) {
        case 'C': b = 1; break;
        case 'F': b = 2; break;
        case 'R': b = 4; break;
        case 'T': b = 8; break;
        case 'D': b = 16; break;
        default: break;
    }
    if (situacao != 'A') b |= 64;
    if (pessoa == 'F') b |= 128;
    return b;
}

std::string letra_tipo(uint8_t b) {
    return (b & 1) ? "C" : (b & 2) ? "F" : (b & 4) ? "R" : (b & 8) ? "T" : (b & 16) ? "D" : " ";
}

void conta_de_linha(const sqlite::statement& q, _RegContaPS& c) {
    // columns: posicao, classificacao, codigo, nome, segundo_nome, tipo, caractere, posicao_cadastro, marcas, marcas_extras
    c = _RegContaPS{};
    c.posicao = q.column_int(0);
    c.posicao_2 = c.posicao;
    poe_campo(c.classificacao, q.column_text(1));
    poe_campo(c.codigo, q.column_text(2));
    // With own codes in use the server writes the own code into both fields; the store keeps the
    // code only, and the own code read back is that code, as far as its field holds.
    poe_campo(c.codigo_proprio, q.column_text(2));
    poe_campo(c.nome, q.column_text(3));
    poe_campo(c.segundo_nome, q.column_text(4));
    c.tipo = letra(q.column_text(5), 'A');
    c.caractere = letra(q.column_text(6), '\0');
    c.posicao_cadastro = q.column_int(7);
    const std::string marcas = q.column_text(8);
    std::memset(c.marcas, 'N', sizeof c.marcas);
    std::memcpy(c.marcas, marcas.data(), std::min(marcas.size(), sizeof c.marcas));
    const std::string extras = q.column_blob(9);
    std::memcpy(c.marcas_extras, extras.data(), std::min(extras.size(), sizeof c.marcas_extras));
}

constexpr const char* colunas_conta =
    "posicao, classificacao, codigo, nome, segundo_nome, tipo, caractere, posicao_cadastro, marcas, marcas_extras";

}  // namespace

// ---- Chart ----

HRESULT STDMETHODCALLTYPE PlanoServer::LeConta(LONG posicao, BYTE* conta) noexcept try {
    if (!conta) return E_POINTER;
    if (HRESULT hr = faults().enter("LeConta", "posicao=" + std::to_string(posicao)); hr != S_OK) return hr;
    if (!m_inicializado) return E_UNEXPECTED;
    _RegContaPS c{};
    auto q = m_store.prepare(sql(std::string("SELECT ") + colunas_conta + " FROM plano_conta WHERE empresa = ? AND posicao = ?"));
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(posicao));
    const bool achou = q.step();
    if (achou) conta_de_linha(q, c);
    std::memcpy(conta, &c, sizeof c);
    return achou ? S_OK : nao_encontrado;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE PlanoServer::GravaConta(LONG posicao, const BYTE* conta, LONG* nova_posicao) noexcept try {
    if (!conta || !nova_posicao) return E_POINTER;
    _RegContaPS c;
    std::memcpy(&c, conta, sizeof c);
    if (HRESULT hr = faults().enter("GravaConta", "posicao=" + std::to_string(posicao) +
                                                      " classificacao=" + campo(c.classificacao));
        hr != S_OK)
        return hr;
    if (!m_inicializado) return E_UNEXPECTED;
    LONG alvo = posicao != 0 ? posicao : c.posicao;
    bool recusada = false;
    m_store.write([&] {
        if (alvo == 0) {
            // A new account never takes the place of another one with its classification.
            auto existe = m_store.prepare(sql("SELECT 1 FROM plano_conta WHERE empresa = ? AND classificacao = ?"));
            existe.bind_text(1, m_empresa).bind_text(2, campo(c.classificacao));
            if (existe.step()) {
                recusada = true;
                return;
            }
            auto q = m_store.prepare(sql("SELECT COALESCE(MAX(posicao), 0) + 1 FROM plano_conta WHERE empresa = ?"));
            q.bind_text(1, m_empresa);
            q.step();
            alvo = q.column_int(0);
        }
        m_store
            .prepare(sql("INSERT OR REPLACE INTO plano_conta (empresa, posicao, classificacao, codigo, nome,"
                         " segundo_nome, tipo, caractere, posicao_cadastro, marcas, marcas_extras)"
                         " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"))
            .bind_text(1, m_empresa)
            .bind(2, static_cast<int64_t>(alvo))
            .bind_text(3, campo(c.classificacao))
            .bind_text(4, campo(c.codigo))
            .bind_text(5, campo(c.nome))
            .bind_text(6, campo(c.segundo_nome))
            .bind_text(7, std::string(1, c.tipo ? c.tipo : 'A'))
            .bind_text(8, c.caractere ? std::string(1, c.caractere) : std::string())
            .bind(9, static_cast<int64_t>(c.posicao_cadastro))
            .bind_text(10, std::string(c.marcas, sizeof c.marcas))
            .bind_blob(11, c.marcas_extras, sizeof c.marcas_extras)
            .run();
    });
    *nova_posicao = recusada ? classificacao_recusada : alvo;
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE PlanoServer::BuscaCpfCnpj(BSTR cpf_cnpj, BYTE tipo, BYTE* conta) noexcept try {
    if (!conta) return E_POINTER;
    const std::string numero = com::from_bstr(cpf_cnpj);
    const std::string letra_tipo(1, static_cast<char>(tipo));
    if (HRESULT hr = faults().enter("BuscaCpfCnpj", "cpf_cnpj=" + numero + " tipo=" + letra_tipo); hr != S_OK)
        return hr;
    if (!m_inicializado) return E_UNEXPECTED;
    _RegContaPS c{};
    // The register's CFRT of that kind, through the chart account that points at it. Numbers
    // typed long ago keep whatever mask they were typed with: only their digits are compared.
    std::string digitos;
    for (char ch : numero)
        if (ch >= '0' && ch <= '9') digitos += ch;
    auto q = m_store.prepare(sql(std::string("SELECT ") + colunas_conta +
                                 " FROM plano_conta WHERE empresa = ? AND posicao_cadastro > 0 AND posicao_cadastro IN"
                                 " (SELECT posicao FROM cfrt WHERE empresa = ? AND tipo = ? AND"
                                 "  replace(replace(replace(replace(cnpj_cpf, '.', ''), '-', ''), '/', ''), ' ', '') = ?)"
                                 " ORDER BY posicao LIMIT 1"));
    q.bind_text(1, m_empresa).bind_text(2, m_empresa).bind_text(3, letra_tipo).bind_text(4, digitos);
    if (!digitos.empty() && q.step()) conta_de_linha(q, c);
    std::memcpy(conta, &c, sizeof c);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE PlanoServer::LeConfiguracao(BYTE* configuracao) noexcept try {
    if (!configuracao) return E_POINTER;
    if (HRESULT hr = faults().enter("LeConfiguracao"); hr != S_OK) return hr;
    if (!m_inicializado) return E_UNEXPECTED;
    std::memset(configuracao, 0, QV_CFRT_TAMANHO_CONFIGURACAO);
    configuracao[QV_CFRT_CONFIG_CODIGO] = 'N';
    configuracao[QV_CFRT_CONFIG_REGRA_POSICAO] = 'N';
    auto q = m_store.prepare(
        "SELECT codigo_proprio, regra_posicao, proxima_cliente, proxima_fornecedor, proxima_representante,"
        " proxima_transportadora FROM plano_configuracao WHERE empresa = ?");
    q.bind_text(1, m_empresa);
    if (q.step()) {
        configuracao[QV_CFRT_CONFIG_CODIGO] = static_cast<BYTE>(letra(q.column_text(0), 'N'));
        for (int i = 0; i < 4; ++i) {
            const std::string t = q.column_text(2 + i).substr(0, 31);
            std::memcpy(configuracao + 626 + 32 * i, t.data(), t.size());
        }
        // The carrier's next classification starts right after the position rule's byte.
        configuracao[QV_CFRT_CONFIG_REGRA_POSICAO] = static_cast<BYTE>(letra(q.column_text(1), 'N'));
    }
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

// The position an account of this classification has or will have; the account is written by
// GravaConta. 0: the classification cannot be an account's (empty or too long).
HRESULT PlanoServer::registra(BSTR classificacao, LONG* posicao, const char* metodo) noexcept try {
    if (!posicao) return E_POINTER;
    *posicao = 0;
    const std::string c = com::from_bstr(classificacao);
    if (HRESULT hr = faults().enter(metodo, "classificacao=" + c); hr != S_OK) return hr;
    if (!m_inicializado) return E_UNEXPECTED;
    if (c.empty() || c.size() > 31) return S_OK;
    auto q = m_store.prepare(sql("SELECT posicao FROM plano_conta WHERE empresa = ? AND classificacao = ?"));
    q.bind_text(1, m_empresa).bind_text(2, c);
    if (q.step()) {
        *posicao = q.column_int(0);
        return S_OK;
    }
    auto m = m_store.prepare(sql("SELECT COALESCE(MAX(posicao), 0) + 1 FROM plano_conta WHERE empresa = ?"));
    m.bind_text(1, m_empresa);
    m.step();
    *posicao = m.column_int(0);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE PlanoServer::RegistraClassificacao(BSTR classificacao, LONG* posicao) noexcept {
    return registra(classificacao, posicao, "RegistraClassificacao");
}

HRESULT STDMETHODCALLTYPE PlanoServer::RegistraClassificacaoSintetica(BSTR classificacao, LONG* posicao) noexcept {
    return registra(classificacao, posicao, "RegistraClassificacaoSintetica");
}

HRESULT STDMETHODCALLTYPE PlanoServer::BuscaClassificacao(BSTR classificacao, LONG* posicao) noexcept try {
    if (!posicao) return E_POINTER;
    *posicao = 0;
    const std::string c = com::from_bstr(classificacao);
    if (HRESULT hr = faults().enter("BuscaClassificacao", "classificacao=" + c); hr != S_OK) return hr;
    if (!m_inicializado) return E_UNEXPECTED;
    auto q = m_store.prepare(sql("SELECT posicao FROM plano_conta WHERE empresa = ? AND classificacao = ?"));
    q.bind_text(1, m_empresa).bind_text(2, c);
    if (q.step()) *posicao = q.column_int(0);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE PlanoServer::BuscaCodigo(BSTR codigo, LONG* posicao, BYTE* conta) noexcept try {
    if (!posicao || !conta) return E_POINTER;
    *posicao = 0;
    const std::string c = com::from_bstr(codigo);
    if (HRESULT hr = faults().enter("BuscaCodigo", "codigo=" + c); hr != S_OK) return hr;
    if (!m_inicializado) return E_UNEXPECTED;
    _RegContaPS r{};
    // The own code first, then the classification.
    auto q = m_store.prepare(sql(std::string("SELECT ") + colunas_conta +
                                 " FROM plano_conta WHERE empresa = ? AND (codigo = ? COLLATE NOCASE OR classificacao = ?)"
                                 " ORDER BY codigo = ? COLLATE NOCASE DESC LIMIT 1"));
    q.bind_text(1, m_empresa).bind_text(2, c).bind_text(3, c).bind_text(4, c);
    const bool achou = !c.empty() && q.step();
    if (achou) {
        conta_de_linha(q, r);
        *posicao = r.posicao;
    }
    std::memcpy(conta, &r, sizeof r);
    return achou ? S_OK : nao_encontrado;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE PlanoServer::CodigoProprioEmUso(BSTR codigo, LONG* em_uso) noexcept try {
    if (!em_uso) return E_POINTER;
    *em_uso = 0;
    const std::string c = com::from_bstr(codigo);
    if (HRESULT hr = faults().enter("CodigoProprioEmUso", "codigo=" + c); hr != S_OK) return hr;
    if (!m_inicializado) return E_UNEXPECTED;
    auto q = m_store.prepare(sql("SELECT 1 FROM plano_conta WHERE empresa = ? AND codigo = ? COLLATE NOCASE"));
    q.bind_text(1, m_empresa).bind_text(2, c);
    *em_uso = !c.empty() && q.step() ? 1 : 0;
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

namespace {
// "X" (or nothing) asks for every account, any other text for the accounts of that type letter.
bool todos_os_tipos(const std::string& tipo) { return tipo.empty() || tipo == "X"; }
}  // namespace

HRESULT STDMETHODCALLTYPE PlanoServer::QuantidadeContas(BSTR tipo, LONG opcao, LONG* quantidade) noexcept try {
    if (!quantidade) return E_POINTER;
    *quantidade = 0;
    const std::string t = com::from_bstr(tipo);
    if (HRESULT hr = faults().enter("QuantidadeContas", "tipo=" + t + " opcao=" + std::to_string(opcao)); hr != S_OK)
        return hr;
    if (!m_inicializado) return E_UNEXPECTED;
    auto q = m_store.prepare(sql("SELECT COUNT(*) FROM plano_conta WHERE empresa = ? AND (? OR tipo = ?)"));
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(todos_os_tipos(t))).bind_text(3, t.substr(0, 1));
    q.step();
    *quantidade = q.column_int(0);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

// The index in position order. The top byte of each entry's first word carries the account's
// type letter: the record pointer is its low 24 bits.
HRESULT STDMETHODCALLTYPE PlanoServer::LeIndices(LONG quantidade, BYTE* indices) noexcept try {
    if (!indices) return E_POINTER;
    if (HRESULT hr = faults().enter("LeIndices", "quantidade=" + std::to_string(quantidade)); hr != S_OK) return hr;
    if (!m_inicializado) return E_UNEXPECTED;
    if (quantidade < 0) return E_INVALIDARG;
    std::memset(indices, 0, sizeof(_REGCON_INDEXPS) * static_cast<size_t>(quantidade));
    auto q = m_store.prepare(sql("SELECT posicao, tipo FROM plano_conta WHERE empresa = ? ORDER BY posicao LIMIT ?"));
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(quantidade));
    for (size_t i = 0; q.step(); ++i) {
        _REGCON_INDEXPS e{};
        const auto tipo = static_cast<uint8_t>(letra(q.column_text(1), 'A'));
        e.ponteiro = (static_cast<uint32_t>(q.column_int(0)) & 0x00FFFFFFu) | (static_cast<uint32_t>(tipo) << 24);
        std::memcpy(indices + i * sizeof e, &e, sizeof e);
    }
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE PlanoServer::GeraRelatorio(BSTR arquivo, BSTR modelo, BSTR razao_social, LONG posicao,
                                                     LONG opcao1, LONG opcao2) noexcept try {
    if (HRESULT hr = faults().enter("GeraRelatorio", "modelo=" + com::from_bstr(modelo) +
                                                         " posicao=" + std::to_string(posicao) + " opcoes=" +
                                                         std::to_string(opcao1) + "," + std::to_string(opcao2));
        hr != S_OK)
        return hr;
    if (!m_inicializado) return E_UNEXPECTED;
    if (!arquivo || SysStringLen(arquivo) == 0) return E_INVALIDARG;
    std::string raiz;   // the classification the report starts from; empty: the whole chart
    if (posicao != 0) {
        auto r = m_store.prepare(sql("SELECT classificacao FROM plano_conta WHERE empresa = ? AND posicao = ?"));
        r.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(posicao));
        if (!r.step()) return E_INVALIDARG;
        raiz = r.column_text(0);
    }
    auto q = m_store.prepare(sql("SELECT classificacao, codigo, nome, tipo FROM plano_conta WHERE empresa = ?"
                                 " AND (? = '' OR classificacao = ? OR substr(classificacao, 1, length(?) + 1) = ? || '.')"
                                 " ORDER BY classificacao"));
    q.bind_text(1, m_empresa).bind_text(2, raiz).bind_text(3, raiz).bind_text(4, raiz).bind_text(5, raiz);
    std::string texto = relatorio_plano_titulo(com::from_bstr(razao_social));
    while (q.step())
        texto += relatorio_plano_linha(q.column_text(0), q.column_text(1), q.column_text(2), letra(q.column_text(3), ' '));
    grava_arquivo(std::wstring(arquivo, SysStringLen(arquivo)), texto);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE PlanoServer::BuscaContas(USHORT caracteristica, BSTR tipo, BYTE** resposta) noexcept try {
    if (!resposta) return E_POINTER;
    *resposta = nullptr;
    const std::string t = com::from_bstr(tipo);
    if (HRESULT hr = faults().enter("BuscaContas", "caracteristica=" + std::to_string(caracteristica) + " tipo=" + t);
        hr != S_OK)
        return hr;
    if (!m_inicializado) return E_UNEXPECTED;
    // The characteristic's bits and the mark each asks for (an account with any of them is listed).
    const int marcas = (caracteristica & 4 ? 1 : 0) | (caracteristica & 8 ? 2 : 0) | (caracteristica & 16 ? 4 : 0) |
                       (caracteristica & 32 ? 8 : 0);
    const LONG representante = m_tabela == "plano_conta" ? m_representante : 0;
    auto q = m_store.prepare(sql(
        "SELECT p.posicao FROM plano_conta p WHERE p.empresa = ? AND (? OR p.tipo = ?)"
        " AND (? = 0 OR (? & 1 AND substr(p.marcas, 3, 1) = 'S') OR (? & 2 AND substr(p.marcas, 4, 1) = 'S')"
        "  OR (? & 4 AND substr(p.marcas, 5, 1) = 'S') OR (? & 8 AND substr(p.marcas, 6, 1) = 'S'))"
        " AND (? = 0 OR EXISTS (SELECT 1 FROM cfrt c WHERE c.empresa = p.empresa AND c.posicao = p.posicao_cadastro"
        "  AND c.representante = ?))"
        " ORDER BY p.classificacao"));
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(todos_os_tipos(t))).bind_text(3, t.substr(0, 1));
    for (int i = 4; i <= 8; ++i) q.bind(i, static_cast<int64_t>(marcas));
    q.bind(9, static_cast<int64_t>(representante)).bind(10, static_cast<int64_t>(representante));
    std::vector<uint32_t> ponteiros;
    while (q.step()) ponteiros.push_back(static_cast<uint32_t>(q.column_int(0)));
    if (ponteiros.empty()) return S_OK;
    const size_t tamanho = sizeof(QV_PLANO_BUSCA) + ponteiros.size() * sizeof(uint32_t);
    auto* bloco = static_cast<BYTE*>(CoTaskMemAlloc(tamanho));
    if (!bloco) return E_OUTOFMEMORY;
    QV_PLANO_BUSCA cabecalho{static_cast<uint32_t>(ponteiros.size()),
                             reinterpret_cast<uint32_t*>(bloco + sizeof(QV_PLANO_BUSCA))};
    std::memcpy(bloco, &cabecalho, sizeof cabecalho);
    std::memcpy(bloco + sizeof(QV_PLANO_BUSCA), ponteiros.data(), ponteiros.size() * sizeof(uint32_t));
    *resposta = bloco;
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE PlanoServer::LimitaRepresentante(LONG posicao) noexcept try {
    if (HRESULT hr = faults().enter("LimitaRepresentante", "posicao=" + std::to_string(posicao)); hr != S_OK) return hr;
    if (!m_inicializado) return E_UNEXPECTED;
    m_representante = posicao;
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

std::string PlanoServer::sql(std::string texto) const {
    static constexpr std::string_view padrao = "plano_conta";
    for (size_t i = texto.find(padrao); i != std::string::npos; i = texto.find(padrao, i + m_tabela.size()))
        texto.replace(i, padrao.size(), m_tabela);
    return texto;
}

HRESULT PlanoServer::create_gerencial(store& data, std::shared_ptr<fault_plan> faults, REFIID iid, void** ppv) noexcept try {
    auto servidor = com::make<PlanoServer>(data, std::move(faults));
    servidor->m_tabela = "plano_gerencial_conta";
    return servidor->QueryInterface(iid, ppv);
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE PlanoServer::Prepara(LONG opcao1, LONG opcao2) noexcept try {
    return faults().enter("Prepara", std::to_string(opcao1) + "," + std::to_string(opcao2));
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE PlanoServer::Atualiza() noexcept try {
    return faults().enter("Atualiza");
} catch (...) {
    return stand_in_failure();
}

// ---- Register ----

namespace {

// The columns the parts are built from when they were never written (the seed's rows).
constexpr const char* colunas_cfrt =
    "posicao, posicao_plano, tipo, situacao, pessoa, codigo, nome, cnpj_cpf, contato, inscricao_estadual, rua,"
    " numero, complemento, bairro, municipio, uf, cep, ddd, telefone, email, condicao_pagamento, forma_pagamento,"
    " tipo_cobranca, tabela_preco_produtos, representante, texto1, texto2, posicao_municipio, posicao_transportadora,"
    " categoria_porte, categoria_tipo, categoria_regiao, venda_bloqueada, cliente_desde, data_situacao, frete";
enum coluna : int {
    c_posicao, c_posicao_plano, c_tipo, c_situacao, c_pessoa, c_codigo, c_nome, c_cnpj_cpf, c_contato, c_ie, c_rua,
    c_numero, c_complemento, c_bairro, c_municipio, c_uf, c_cep, c_ddd, c_telefone, c_email, c_condicao, c_forma,
    c_cobranca, c_tabela, c_representante, c_texto1, c_texto2, c_posicao_municipio, c_posicao_transportadora,
    c_categoria_porte, c_categoria_tipo, c_categoria_regiao, c_venda_bloqueada, c_cliente_desde, c_data_situacao,
    c_frete, c_blob   // the part's blob follows
};
// The byte of the extra information that holds the freight letter.
constexpr size_t info_extras_frete = 248;

QV_CFRT_PRINCIPAL principal_de_colunas(const sqlite::statement& q) {
    QV_CFRT_PRINCIPAL p{};
    p.posicao_cadastro = q.column_int(c_posicao);
    p.posicao_plano = q.column_int(c_posicao_plano);
    p.tipo = bits_tipo(letra(q.column_text(c_tipo), ' '), letra(q.column_text(c_situacao), 'A'),
                       letra(q.column_text(c_pessoa), 'J'));
    poe_campo(p.codigo, q.column_text(c_codigo));
    poe_campo(p.nome, q.column_text(c_nome));
    poe_campo(p.segundo_nome, q.column_text(c_cnpj_cpf));
    poe_campo(p.contato, q.column_text(c_contato));
    p.pagamento[0] = static_cast<uint16_t>(q.column_int(c_condicao));
    p.pagamento[1] = static_cast<uint16_t>(q.column_int(c_forma));
    p.pagamento[2] = static_cast<uint16_t>(q.column_int(c_cobranca));
    p.tabelas_preco[0] = static_cast<uint16_t>(q.column_int(c_tabela));
    p.categorias[0] = static_cast<uint16_t>(q.column_int(c_categoria_porte));
    p.categorias[1] = static_cast<uint16_t>(q.column_int(c_categoria_tipo));
    p.categorias[2] = static_cast<uint16_t>(q.column_int(c_categoria_regiao));
    const auto data_situacao = static_cast<uint16_t>(q.column_int(c_data_situacao));
    (p.tipo & 64 ? p.datas[1] : p.datas[0]) = data_situacao;
    p.datas[2] = static_cast<uint16_t>(q.column_int(c_cliente_desde));
    if (q.column_int(c_venda_bloqueada) != 0) p.flags3 |= 4;
    p.mascara = -1;
    p.chave_info_extras = p.posicao_cadastro;
    return p;
}

QV_CFRT_JURIDICA juridica_de_colunas(const sqlite::statement& q) {
    QV_CFRT_JURIDICA j{};
    poe_campo(j.inscricao_estadual, q.column_text(c_ie));
    return j;
}

QV_CFRT_ENDERECO endereco_de_colunas(const sqlite::statement& q) {
    QV_CFRT_ENDERECO e{};
    e.numero = q.column_int(c_numero);
    e.posicao_municipio = static_cast<uint16_t>(q.column_int(c_posicao_municipio));
    e.posicao_transportadora = q.column_int(c_posicao_transportadora);
    poe_campo(e.rua, q.column_text(c_rua));
    poe_campo(e.complemento, q.column_text(c_complemento));
    poe_campo(e.bairro, q.column_text(c_bairro));
    poe_campo(e.municipio, q.column_text(c_municipio));
    poe_campo(e.uf, q.column_text(c_uf));
    e.cep = q.column_int(c_cep);
    poe_campo(e.ddd, q.column_text(c_ddd));
    poe_campo(e.telefone, q.column_text(c_telefone));
    e.flags = 2;
    e.tem_info_extras = 1;
    return e;
}

QV_CFRT_COMPLEMENTO complemento_de_colunas(const sqlite::statement& q) {
    QV_CFRT_COMPLEMENTO k{};
    k.representante = q.column_int(c_representante);
    return k;
}

std::array<uint8_t, QV_CFRT_TAMANHO_INFO_EXTRAS> info_de_colunas(const sqlite::statement& q) {
    std::array<uint8_t, QV_CFRT_TAMANHO_INFO_EXTRAS> info{};
    const std::string email = q.column_text(c_email).substr(0, 251);
    std::memcpy(info.data(), email.data(), email.size());
    const std::string frete = q.column_text(c_frete);
    if (!frete.empty()) info[info_extras_frete] = static_cast<uint8_t>(frete[0]);
    return info;
}

}  // namespace

HRESULT STDMETHODCALLTYPE CFRTServer::Inicializa(BSTR empresa, LONG usuario, LONG sessao) noexcept try {
    const std::string e = com::from_bstr(empresa);
    if (HRESULT hr = faults().enter("Inicializa", descreve_sessao(e, usuario, sessao)); hr != S_OK) return hr;
    m_empresa = e;
    m_inicializado = true;
    m_atual = 0;
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

// One part of a CFRT: its blob when it was written, else built from the typed columns.
template <class Block>
HRESULT CFRTServer::le_parte(const char* metodo, LONG posicao, const char* coluna, BYTE* out) {
    if (!out) return E_POINTER;
    if (HRESULT hr = faults().enter(metodo, "posicao=" + std::to_string(posicao)); hr != S_OK) return hr;
    if (!m_inicializado) return E_UNEXPECTED;
    std::memset(out, 0, sizeof(Block));
    auto q = m_store.prepare(std::string("SELECT ") + colunas_cfrt + ", " + coluna +
                             " FROM cfrt WHERE empresa = ? AND posicao = ?");
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(posicao));
    if (!q.step()) return nao_encontrado;
    Block b{};
    if (!de_blob(q, c_blob, b)) {
        if constexpr (std::is_same_v<Block, QV_CFRT_JURIDICA>) b = juridica_de_colunas(q);
        if constexpr (std::is_same_v<Block, QV_CFRT_ENDERECO>) b = endereco_de_colunas(q);
        if constexpr (std::is_same_v<Block, QV_CFRT_COMPLEMENTO>) b = complemento_de_colunas(q);
        if constexpr (std::is_same_v<Block, QV_CFRT_PRINCIPAL>) b = principal_de_colunas(q);
    }
    if constexpr (std::is_same_v<Block, QV_CFRT_PRINCIPAL>) {
        // The free texts travel as addresses of texts that stay valid until the next read.
        for (int i = 0; i < 2; ++i) {
            m_textos[i] = q.is_null(c_texto1 + i) ? std::string() : q.column_text(c_texto1 + i);
            b.tem_texto[i] = q.is_null(c_texto1 + i) ? 0 : 1;
            const uint64_t endereco = b.tem_texto[i] ? reinterpret_cast<uintptr_t>(m_textos[i].c_str()) : 0;
            std::memcpy(&b.textos[i * 8], &endereco, sizeof endereco);
        }
    }
    std::memcpy(out, &b, sizeof b);
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CFRTServer::LePrincipal(LONG posicao, BYTE* principal, LONG mascara) noexcept try {
    (void)mascara;   // every part is always at hand here
    const HRESULT hr = le_parte<QV_CFRT_PRINCIPAL>("LePrincipal", posicao, "principal", principal);
    if (hr == S_OK) m_atual = posicao;
    return hr;
} catch (...) {
    return stand_in_failure();
}

#define ZU_LE_PARTE(Metodo, Block, coluna)                                         \
    HRESULT STDMETHODCALLTYPE CFRTServer::Metodo(LONG, BYTE* bloco) noexcept try { \
        if (m_atual == 0) return E_UNEXPECTED;                                     \
        return le_parte<Block>(#Metodo, m_atual, coluna, bloco);                   \
    } catch (...) {                                                                \
        return stand_in_failure();                                                 \
    }
ZU_LE_PARTE(LeJuridica, QV_CFRT_JURIDICA, "juridica")
ZU_LE_PARTE(LeFisica, QV_CFRT_FISICA, "fisica")
ZU_LE_PARTE(LeConjuge, QV_CFRT_CONJUGE, "conjuge")
ZU_LE_PARTE(LeEndereco, QV_CFRT_ENDERECO, "endereco")
ZU_LE_PARTE(LeComplemento, QV_CFRT_COMPLEMENTO, "complemento_parte")
ZU_LE_PARTE(LeComplemento2, QV_CFRT_COMPLEMENTO2, "complemento2")
#undef ZU_LE_PARTE

HRESULT STDMETHODCALLTYPE CFRTServer::LeInfoExtras(LONG, BYTE* bloco) noexcept try {
    if (m_atual == 0) return E_UNEXPECTED;
    return LeInfoExtrasChave(m_atual, bloco);
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE CFRTServer::LeInfoExtrasChave(LONG chave, BYTE* info) noexcept try {
    if (!info) return E_POINTER;
    if (HRESULT hr = faults().enter("LeInfoExtras", "chave=" + std::to_string(chave)); hr != S_OK) return hr;
    if (!m_inicializado) return E_UNEXPECTED;
    std::memset(info, 0, QV_CFRT_TAMANHO_INFO_EXTRAS);
    auto q = m_store.prepare(std::string("SELECT ") + colunas_cfrt + ", info_extras FROM cfrt WHERE empresa = ? AND posicao = ?");
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(chave));
    if (!q.step()) return nao_encontrado;
    std::array<uint8_t, QV_CFRT_TAMANHO_INFO_EXTRAS> b{};
    if (!de_blob(q, c_blob, b)) b = info_de_colunas(q);
    std::memcpy(info, b.data(), b.size());
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE CFRTServer::LeTaxas(LONG chave, BYTE* taxas) noexcept try {
    if (!taxas) return E_POINTER;
    if (HRESULT hr = faults().enter("LeTaxas", "chave=" + std::to_string(chave)); hr != S_OK) return hr;
    if (!m_inicializado) return E_UNEXPECTED;
    std::memset(taxas, 0, sizeof(QV_CFRT_TAXAS));
    auto q = m_store.prepare("SELECT taxas FROM cfrt WHERE empresa = ? AND posicao = ?");
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(chave));
    if (!q.step()) return nao_encontrado;
    QV_CFRT_TAXAS t{};
    de_blob(q, 0, t);
    std::memcpy(taxas, &t, sizeof t);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE CFRTServer::GravaPrincipal(LONG posicao, const BYTE* principal) noexcept try {
    if (!principal) return E_POINTER;
    QV_CFRT_PRINCIPAL p;
    std::memcpy(&p, principal, sizeof p);
    if (HRESULT hr = faults().enter("GravaPrincipal", "posicao=" + std::to_string(posicao) + " nome=" + campo(p.nome));
        hr != S_OK)
        return hr;
    if (!m_inicializado) return E_UNEXPECTED;
    std::string textos[2];
    bool tem[2] = {};
    for (int i = 0; i < 2; ++i) {
        if (!p.tem_texto[i]) continue;
        uint64_t endereco = 0;
        std::memcpy(&endereco, &p.textos[i * 8], sizeof endereco);
        if (const char* t = reinterpret_cast<const char*>(static_cast<uintptr_t>(endereco))) textos[i] = t;
        tem[i] = true;
    }
    // Addresses mean nothing once stored.
    std::memset(p.textos, 0, sizeof p.textos);
    LONG alvo = posicao;
    m_store.write([&] {
        if (alvo == 0) {
            auto q = m_store.prepare("SELECT COALESCE(MAX(posicao), 0) + 1 FROM cfrt WHERE empresa = ?");
            q.bind_text(1, m_empresa);
            q.step();
            alvo = q.column_int(0);
            m_store.prepare("INSERT INTO cfrt (empresa, posicao, tipo, pessoa) VALUES (?, ?, ' ', 'J')")
                .bind_text(1, m_empresa)
                .bind(2, static_cast<int64_t>(alvo))
                .run();
            if (!m_taxas_pendentes.empty()) {
                m_store.prepare("UPDATE cfrt SET taxas = ? WHERE empresa = ? AND posicao = ?")
                    .bind_blob(1, m_taxas_pendentes.data(), m_taxas_pendentes.size())
                    .bind_text(2, m_empresa)
                    .bind(3, static_cast<int64_t>(alvo))
                    .run();
                p.chave_taxas = alvo;
            }
        }
        p.posicao_cadastro = alvo;
        if (p.chave_info_extras == 0) p.chave_info_extras = alvo;
        if (p.chave_taxas == 0 && !m_taxas_pendentes.empty()) p.chave_taxas = alvo;
        auto u = m_store.prepare(
            "UPDATE cfrt SET posicao_plano = ?, tipo = ?, situacao = ?, pessoa = ?, codigo = ?, nome = ?, cnpj_cpf = ?,"
            " contato = ?, condicao_pagamento = ?, forma_pagamento = ?, tipo_cobranca = ?, tabela_preco_produtos = ?,"
            " principal = ?, texto1 = ?, texto2 = ? WHERE empresa = ? AND posicao = ?");
        u.bind(1, static_cast<int64_t>(p.posicao_plano))
            .bind_text(2, letra_tipo(p.tipo))
            .bind_text(3, (p.tipo & 64) ? "I" : "A")
            .bind_text(4, (p.tipo & 128) ? "F" : "J")
            .bind_text(5, campo(p.codigo))
            .bind_text(6, campo(p.nome))
            .bind_text(7, campo(p.segundo_nome))
            .bind_text(8, campo(p.contato))
            .bind(9, static_cast<int64_t>(p.pagamento[0]))
            .bind(10, static_cast<int64_t>(p.pagamento[1]))
            .bind(11, static_cast<int64_t>(p.pagamento[2]))
            .bind(12, static_cast<int64_t>(p.tabelas_preco[0]))
            .bind_blob(13, &p, sizeof p);
        for (int i = 0; i < 2; ++i)
            if (tem[i])
                u.bind_text(14 + i, textos[i]);
            else
                u.bind_null(14 + i);
        u.bind_text(16, m_empresa).bind(17, static_cast<int64_t>(alvo)).run();
        if (m_store.db().changes() == 0) com::fail("CFRT inexistente.", E_INVALIDARG);
        // The chart account of the CFRT points at its register record.
        if (p.posicao_plano != 0)
            m_store.prepare("UPDATE plano_conta SET posicao_cadastro = ? WHERE empresa = ? AND posicao = ?")
                .bind(1, static_cast<int64_t>(alvo))
                .bind_text(2, m_empresa)
                .bind(3, static_cast<int64_t>(p.posicao_plano))
                .run();
    });
    m_taxas_pendentes.clear();
    m_atual = alvo;
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

template <class Block>
HRESULT CFRTServer::grava_parte(const char* metodo, const char* coluna, const BYTE* in) {
    if (!in) return E_POINTER;
    if (HRESULT hr = faults().enter(metodo, "posicao=" + std::to_string(m_atual)); hr != S_OK) return hr;
    if (!m_inicializado || m_atual == 0) return E_UNEXPECTED;
    Block b;
    std::memcpy(&b, in, sizeof b);
    m_store.write([&] {
        m_store.prepare(std::string("UPDATE cfrt SET ") + coluna + " = ? WHERE empresa = ? AND posicao = ?")
            .bind_blob(1, &b, sizeof b)
            .bind_text(2, m_empresa)
            .bind(3, static_cast<int64_t>(m_atual))
            .run();
        if constexpr (std::is_same_v<Block, QV_CFRT_JURIDICA>)
            m_store.prepare("UPDATE cfrt SET inscricao_estadual = ? WHERE empresa = ? AND posicao = ?")
                .bind_text(1, campo(b.inscricao_estadual))
                .bind_text(2, m_empresa)
                .bind(3, static_cast<int64_t>(m_atual))
                .run();
        if constexpr (std::is_same_v<Block, QV_CFRT_COMPLEMENTO>)
            m_store.prepare("UPDATE cfrt SET representante = ? WHERE empresa = ? AND posicao = ?")
                .bind(1, static_cast<int64_t>(b.representante))
                .bind_text(2, m_empresa)
                .bind(3, static_cast<int64_t>(m_atual))
                .run();
        if constexpr (std::is_same_v<Block, QV_CFRT_ENDERECO>)
            m_store
                .prepare("UPDATE cfrt SET rua = ?, numero = ?, complemento = ?, bairro = ?, municipio = ?, uf = ?,"
                         " cep = ?, ddd = ?, telefone = ? WHERE empresa = ? AND posicao = ?")
                .bind_text(1, campo(b.rua))
                .bind(2, static_cast<int64_t>(b.numero))
                .bind_text(3, campo(b.complemento))
                .bind_text(4, campo(b.bairro))
                .bind_text(5, campo(b.municipio))
                .bind_text(6, campo(b.uf))
                .bind(7, static_cast<int64_t>(b.cep))
                .bind_text(8, campo(b.ddd))
                .bind_text(9, campo(b.telefone))
                .bind_text(10, m_empresa)
                .bind(11, static_cast<int64_t>(m_atual))
                .run();
        if constexpr (std::is_same_v<Block, std::array<uint8_t, QV_CFRT_TAMANHO_INFO_EXTRAS>>)
            m_store.prepare("UPDATE cfrt SET email = ? WHERE empresa = ? AND posicao = ?")
                .bind_text(1, std::string(texto_campo(reinterpret_cast<const char*>(b.data()), b.size())))
                .bind_text(2, m_empresa)
                .bind(3, static_cast<int64_t>(m_atual))
                .run();
    });
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CFRTServer::GravaJuridica(LONG, const BYTE* bloco) noexcept try {
    return grava_parte<QV_CFRT_JURIDICA>("GravaJuridica", "juridica", bloco);
} catch (...) {
    return stand_in_failure();
}
HRESULT STDMETHODCALLTYPE CFRTServer::GravaFisica(LONG, const BYTE* bloco) noexcept try {
    return grava_parte<QV_CFRT_FISICA>("GravaFisica", "fisica", bloco);
} catch (...) {
    return stand_in_failure();
}
HRESULT STDMETHODCALLTYPE CFRTServer::GravaConjuge(LONG, const BYTE* bloco) noexcept try {
    return grava_parte<QV_CFRT_CONJUGE>("GravaConjuge", "conjuge", bloco);
} catch (...) {
    return stand_in_failure();
}
HRESULT STDMETHODCALLTYPE CFRTServer::GravaComplemento(LONG, const BYTE* bloco) noexcept try {
    return grava_parte<QV_CFRT_COMPLEMENTO>("GravaComplemento", "complemento_parte", bloco);
} catch (...) {
    return stand_in_failure();
}
HRESULT STDMETHODCALLTYPE CFRTServer::GravaComplemento2(LONG, const BYTE* bloco) noexcept try {
    return grava_parte<QV_CFRT_COMPLEMENTO2>("GravaComplemento2", "complemento2", bloco);
} catch (...) {
    return stand_in_failure();
}
HRESULT STDMETHODCALLTYPE CFRTServer::GravaInfoExtras(LONG, const BYTE* bloco) noexcept try {
    return grava_parte<std::array<uint8_t, QV_CFRT_TAMANHO_INFO_EXTRAS>>("GravaInfoExtras", "info_extras", bloco);
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE CFRTServer::GravaEndereco(LONG, const BYTE* bloco, LONG* posicao) noexcept try {
    if (!posicao) return E_POINTER;
    if (HRESULT hr = grava_parte<QV_CFRT_ENDERECO>("GravaEndereco", "endereco", bloco); hr != S_OK) return hr;
    *posicao = m_atual;
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE CFRTServer::GravaTaxas(LONG posicao, const BYTE* taxas) noexcept try {
    if (!taxas) return E_POINTER;
    if (HRESULT hr = faults().enter("GravaTaxas", "posicao=" + std::to_string(posicao)); hr != S_OK) return hr;
    if (!m_inicializado) return E_UNEXPECTED;
    if (posicao == 0) {
        // A new CFRT gets its rates when its main part creates it.
        m_taxas_pendentes.assign(reinterpret_cast<const char*>(taxas), sizeof(QV_CFRT_TAXAS));
        return S_OK;
    }
    m_store.write([&] {
        m_store.prepare("UPDATE cfrt SET taxas = ? WHERE empresa = ? AND posicao = ?")
            .bind_blob(1, taxas, sizeof(QV_CFRT_TAXAS))
            .bind_text(2, m_empresa)
            .bind(3, static_cast<int64_t>(posicao))
            .run();
    });
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

// ---- Bearers ----

HRESULT STDMETHODCALLTYPE BancoServer::LeBanco(LONG chave, BYTE* banco) noexcept try {
    if (!banco) return E_POINTER;
    if (HRESULT hr = faults().enter("LeBanco", "chave=" + std::to_string(chave)); hr != S_OK) return hr;
    if (!m_inicializado) return E_UNEXPECTED;
    _REG_BANCO_ps r{};
    auto q = m_store.prepare("SELECT nome, limite_centavos, inativo FROM portador WHERE empresa = ? AND chave = ?");
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(chave));
    const bool achou = q.step();
    if (achou) {
        poe_campo(r.nome, q.column_text(0));
        r.limite = q.column_int64(1) * 100;
        r.inativo = q.column_int(2) ? 1 : 0;
    }
    std::memcpy(banco, &r, sizeof r);
    return achou ? S_OK : nao_encontrado;
} catch (...) {
    return stand_in_failure();
}

}  // namespace inhouse

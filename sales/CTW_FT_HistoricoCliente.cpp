#include "sales/CTW_FT_HistoricoCliente.h"

#include <cstdio>
#include <cstring>
#include <utility>

#include "base/QVCurrency.h"
#include "base/QVDataCurta.h"
#include "base/QVRelogio.h"
#include "platform/com/failure.h"
#include "platform/com/out_param.h"
#include "platform/com/text.h"
#include "platform/com/wire_pointer.h"
#include "platform/inhouse/acesso/CConexaoCliente.h"
#include "platform/inhouse/acesso/QVAcesso.h"
#include "platform/inhouse/cache/registros_cache.h"
#include "platform/inhouse/condicoes/condicoes_store.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "platform/inhouse/core/store_processo.h"
#include "platform/inhouse/login/registros_filial.h"
#include "platform/inhouse/produtos/registros_produto.h"
#include "sales/messages.h"
#include "sales/visita_registro.h"
#include "server/holders/CCacheServidores.h"
#include "server/holders/CPoolConexoes.h"
#include "server/holders/CRecPagTes.h"
#include "server/holders/CSessaoGlobal.h"

namespace sales {

using inhouse::texto_campo;

namespace {

server::CCacheServidores& cache() { return *server::CCacheServidores::GetInstancia(); }
server::CPoolConexoes& pool() { return *server::CPoolConexoes::GetInstancia(); }

std::string dinheiro(int64_t valor) {
    CURRENCY cy{};
    cy.int64 = valor;
    return std::string(QVFormataCYMilhar(cy).c_str());
}

std::string dia_longo(uint16_t dia) { return dia ? std::string(QVFormataData(dia, true).c_str()) : std::string(); }

// The first failure of the loaders: reported once all of them ran.
struct primeira_falha {
    const char* texto = nullptr;
    HRESULT hr = S_OK;
    void anota(const char* t, HRESULT h) {
        if (!texto) {
            texto = t;
            hr = h;
        }
    }
};

// Names of the rows' branch, salesperson and account; empty when they cannot be read.
std::string nome_filial(uint16_t posicao) {
    if (posicao == 0) return {};
    inhouse::REG_FILIAL filial{};
    CConexaoFilial* conexao = pool().GetConexaoFilial();
    if (!conexao || conexao->Le(posicao, &filial) != S_OK) return {};
    return std::string(texto_campo(filial.nome));
}

std::string nome_cfrt(uint32_t posicao) {
    if (posicao == 0) return {};
    CBufferCFRT* buffer = cache().GetBufferCFRT();
    if (!buffer) return {};
    buffer->Retoma();
    QVCFRT r{};
    r.posicao_plano = static_cast<int32_t>(posicao);
    if (buffer->Le(&r, 0) != S_OK) return {};
    return std::string(texto_campo(r.nome));
}

std::string nome_conta(uint32_t posicao) {
    if (posicao == 0) return {};
    _RegContaPS conta{};
    CConexaoPlano* plano = pool().GetConexaoPlano();
    if (!plano || plano->Le(posicao, &conta) != S_OK) return {};
    return std::string(texto_campo(conta.nome));
}

bool le_produto(uint32_t posicao, _REG_PRODUTOPS& produto) {
    produto = _REG_PRODUTOPS{};
    if (posicao == 0) return false;
    CMyConexaoProduto* conexao = pool().GetMyConexaoProduto();
    return conexao && conexao->LeProduto(static_cast<long>(posicao), 0, &produto) == S_OK;
}

}  // namespace

void CTW_FT_HistoricoCliente::limpa() {
    m_codigo.clear();
    m_posicao = 0;
    m_inicio = m_fim = 0;
    m_predatados.clear();
    m_devolvidos.clear();
    m_dados = CQVCFRTDados();
    m_resumo.reset();
    m_mais_comprados.reset();
    m_financeiro = inhouse::REG_POSICAO_FINANCEIRA{};
    m_ultimas.clear();
}

bool CTW_FT_HistoricoCliente::possui_financeiro() {
    return server::CSessaoGlobal::GetInstancia()->GetTiposVevureze()[20] != 0;
}

HRESULT CTW_FT_HistoricoCliente::SetDadosCliente(BSTR bsCodigo, BSTR bsDataInicial, BSTR bsDataFinal) noexcept try {
    // Each call starts afresh: nothing of an earlier customer or period stays.
    limpa();
    const std::string codigo = com::from_bstr(bsCodigo);
    const uint16_t inicio = dia_de_texto(com::from_bstr(bsDataInicial));
    const uint16_t fim = dia_de_texto(com::from_bstr(bsDataFinal));
    m_codigo = codigo;
    m_inicio = inicio;
    m_fim = fim;

    QVCFRT achado{};
    if (!pool().GetConexaoCliente()->Existe(codigo.c_str(), &achado) || achado.posicao_plano <= 0)
        com::fail(msg::carregar_conta, E_FAIL);
    m_posicao = static_cast<uint32_t>(achado.posicao_plano);

    CBufferCFRT* buffer = cache().GetBufferCFRT();
    if (!buffer) com::fail(msg::ler_cliente, E_FAIL);
    buffer->Retoma();
    CQVCFRTDados dados;
    dados.m_registro.posicao_plano = static_cast<int32_t>(m_posicao);
    if (const HRESULT hr = buffer->LeRegistro(&dados, static_cast<long>(0xFFFFFFFF)); hr != S_OK)
        com::fail(msg::ler_cliente, FAILED(hr) ? hr : E_FAIL);
    m_dados = dados;

    primeira_falha falha;
    if (const HRESULT hr = carrega_resumo(); FAILED(hr)) falha.anota(msg::resumo_vendas, hr);
    if (possui_financeiro()) {
        if (const HRESULT hr = carrega_financeiro(); FAILED(hr)) falha.anota(msg::posicao_financeira, hr);
        if (const HRESULT hr = carrega_cheques(); FAILED(hr)) falha.anota(msg::cheques_terceiros, hr);
    }
    if (falha.texto) com::fail(falha.texto, falha.hr);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_FT_HistoricoCliente::carrega_resumo() {
    com::com_ptr<IQVFT_NotasFiscais> notas = cache().GetServidorNotasFiscais();
    if (!notas) return E_FAIL;
    uint32_t posicao = m_posicao;
    inhouse::REG_PEDIDO_RESUMO_VENDAS p{};
    p.data_inicial = m_inicio;
    p.data_final = m_fim;
    p.opcao1 = 1;
    p.opcao2 = 1;
    p.quantidade = 1;
    p.posicoes = com::wire_pointer_put(&posicao);
    QV_RESUMO_VENDAS_12 pedido;
    std::memcpy(&pedido, &p, sizeof p);
    WORD quantidade = 0;
    BYTE* bloco = nullptr;
    const HRESULT hr = notas->ResumoVendas(pedido, &quantidade, &bloco);
    com::wire_pointer_take(p.posicoes);
    // Every block of the answer is ours to free, whatever the answer.
    struct blocos {
        void* resumo = nullptr;
        void* mais = nullptr;
        void* linhas = nullptr;
        ~blocos() {
            CoTaskMemFree(resumo);
            CoTaskMemFree(mais);
            CoTaskMemFree(linhas);
        }
    } dono;
    dono.resumo = bloco;
    inhouse::REG_RESUMO_VENDAS resumo{};
    if (bloco) {
        std::memcpy(&resumo, bloco, sizeof resumo);
        dono.mais = com::wire_pointer_take(resumo.mais_comprados);
        dono.linhas = com::wire_pointer_take(resumo.linhas);
    }
    if (FAILED(hr)) return hr;
    if (!bloco || quantidade == 0) return S_OK;
    std::vector<ultima_compra> ultimas;
    const auto* linhas = static_cast<const inhouse::REG_LINHA_RESUMO_VENDAS*>(dono.linhas);
    for (uint16_t i = 0; linhas && i < resumo.quantidade_linhas; ++i) {
        const auto& l = linhas[i];
        ultima_compra u;
        u.documento = std::string(texto_campo(l.documento));
        u.numero = std::to_string(l.numero);
        u.filial = nome_filial(l.filial);
        u.vendedor = nome_cfrt(l.vendedor);
        u.conta = nome_conta(l.conta);
        u.data1 = l.data1;
        u.data2 = l.data2;
        u.extra16 = l.extra16;
        u.extra32 = l.extra32;
        u.valor1 = l.valor1;
        u.valor2 = l.valor2;
        ultimas.push_back(std::move(u));
    }
    resumo.mais_comprados = 0;
    resumo.linhas = 0;
    m_resumo = resumo;
    if (dono.mais) {
        inhouse::REG_MAIS_COMPRADOS mais{};
        std::memcpy(&mais, dono.mais, sizeof mais);
        m_mais_comprados = mais;
    }
    m_ultimas = std::move(ultimas);
    return S_OK;
}

HRESULT CTW_FT_HistoricoCliente::carrega_financeiro() {
    com::com_ptr<IQVDF_Mestre> mestre = cache().GetServidorMestre();
    if (!mestre) return E_FAIL;
    inhouse::REG_PEDIDO_POSICAO_FINANCEIRA p{};
    p.data_inicial = m_inicio;
    p.data_final = m_fim;
    p.cliente = m_posicao;
    p.opcoes = 0x200000;
    QV_POSICAO_FINANCEIRA_56 pedido;
    std::memcpy(&pedido, &p, sizeof p);
    inhouse::REG_POSICAO_FINANCEIRA resposta{};
    const HRESULT hr = mestre->PosicaoFinanceira(pedido, reinterpret_cast<BYTE*>(&resposta));
    // A failed call leaves nothing: what the server wrote before failing is not an answer.
    if (FAILED(hr)) return hr;
    m_financeiro = resposta;
    return S_OK;
}

HRESULT CTW_FT_HistoricoCliente::carrega_cheques() {
    CRecPagTes* tesouraria = cache().GetRecPagTes();
    if (!tesouraria) return E_FAIL;
    // Post-dated: due after today, or after the period's end when that comes first.
    uint16_t limite = QVGetDataAtual(false);
    if (m_fim != 0 && m_fim < limite) limite = m_fim;
    inhouse::REG_FILTRO_CHEQUES_3 filtro{};
    filtro.cliente = m_posicao;
    const HRESULT hr = tesouraria->SetChequesTerceiros(filtro);
    if (FAILED(hr)) {
        tesouraria->RemoveChequesTerceiros();
        return hr;
    }
    int64_t predatados = 0, devolvidos = 0;
    const long quantidade = tesouraria->GetQuantidadeChequesTerceiros();
    for (long i = 0; i < quantidade; ++i) {
        inhouse::tagREG_CHEQUE_3PS cheque{};
        if (!tesouraria->GetChequeTerceiros(&cheque, i) || cheque.cliente != m_posicao) continue;
        if (cheque.situacao == 5 || cheque.situacao == 6 || cheque.situacao == 7)
            devolvidos += cheque.valor;
        else if (cheque.data > limite)
            predatados += cheque.valor;
    }
    tesouraria->RemoveChequesTerceiros();
    m_predatados = dinheiro(predatados);
    m_devolvidos = dinheiro(devolvidos);
    return S_OK;
}

template <class F>
HRESULT CTW_FT_HistoricoCliente::financeiro(BSTR* pVal, F&& texto) noexcept try {
    if (!pVal) return E_POINTER;
    *pVal = nullptr;
    if (!possui_financeiro()) return S_OK;
    return com::put_text(pVal, texto());
} catch (...) {
    return report();
}

std::string CTW_FT_HistoricoCliente::categoria(uint16_t codigo) const {
    // The register keeps the category's code; the categories server finds its name by code.
    if (codigo == 0) return {};
    com::com_ptr<IQVDF_Categorias> categorias = cache().GetServidorCategorias();
    if (!categorias) return {};
    LONG quantidade = 0;
    BYTE* nomes = nullptr;
    BYTE* codigos = nullptr;
    const HRESULT hr = categorias->BuscaCategorias(com::to_bstr(std::string()).get(), com::to_bstr(std::string()).get(),
                                                   codigo, &quantidade, &nomes, &codigos);
    std::string nome;
    if (SUCCEEDED(hr) && nomes && quantidade > 0)
        nome = std::string(texto_campo(reinterpret_cast<const char*>(nomes), sizeof(_REG_CATEGORIAS_PS::nome)));
    CoTaskMemFree(nomes);
    CoTaskMemFree(codigos);
    return nome;
}

std::string CTW_FT_HistoricoCliente::descricao_mais_comprado(const inhouse::REG_CHAVE_MAIS_COMPRADO& chave) const {
    _REG_PRODUTOPS produto{};
    le_produto(chave.produto, produto);
    const std::string codigo(texto_campo(produto.codigo));
    if (codigo.empty()) return {};
    std::string texto = codigo + " - " + std::string(texto_campo(produto.nome));
    const uint16_t grades[3] = {produto.grade1, produto.grade2, produto.grade3};
    CConexaoGradesProduto* conexao = pool().GetConexaoGradesProduto();
    for (int k = 0; k < 3; ++k) {
        if (chave.grade[k] == 0) continue;
        _REG_ITENS_GRADE_PRODUTOPS item{};
        if (conexao) conexao->LeItemGrade(grades[k], chave.grade[k], &item);
        texto += " - " + std::string(texto_campo(item.descricao)) + " ";
    }
    return texto;
}

std::string CTW_FT_HistoricoCliente::valor_mais_comprado(const inhouse::REG_CHAVE_MAIS_COMPRADO& chave, int64_t valor) const {
    _REG_PRODUTOPS produto{};
    le_produto(chave.produto, produto);
    CURRENCY cy{};
    cy.int64 = valor;
    const int casas = produto.casas_preco > 4 ? 4 : produto.casas_preco;
    return std::string(QVFormataCYDecimais(cy, casas).c_str());
}

HRESULT CTW_FT_HistoricoCliente::get_Codigo(BSTR* pVal) noexcept { return com::put_text(pVal, m_codigo); }
HRESULT CTW_FT_HistoricoCliente::get_Nome(BSTR* pVal) noexcept {
    return com::put_text(pVal, texto_campo(m_dados.m_registro.nome));
}
HRESULT CTW_FT_HistoricoCliente::get_CNPJ(BSTR* pVal) noexcept {
    return com::put_text(pVal, texto_campo(m_dados.m_registro.cnpj_cpf));
}
HRESULT CTW_FT_HistoricoCliente::get_InscEstadual(BSTR* pVal) noexcept {
    return com::put_text(pVal, texto_campo(m_dados.m_registro.inscricao_estadual));
}
HRESULT CTW_FT_HistoricoCliente::get_Contato(BSTR* pVal) noexcept {
    return com::put_text(pVal, texto_campo(m_dados.m_registro.contato));
}
HRESULT CTW_FT_HistoricoCliente::get_Telefone(BSTR* pVal) noexcept {
    return com::put_text(pVal, texto_campo(m_dados.m_registro.telefone));
}
HRESULT CTW_FT_HistoricoCliente::get_Email(BSTR* pVal) noexcept {
    // The register keeps the e-mail at the start of the extra information.
    const auto& extras = m_dados.m_registro.info_extras;
    return com::put_text(pVal, texto_campo(reinterpret_cast<const char*>(extras), sizeof extras));
}

HRESULT CTW_FT_HistoricoCliente::get_ClienteDesde(BSTR* pVal) noexcept try {
    return com::put_text(pVal, dia_longo(m_dados.m_registro.cliente_desde));
} catch (...) {
    return report();
}

HRESULT CTW_FT_HistoricoCliente::get_Endereco(BSTR* pVal) noexcept try {
    const QVCFRT& r = m_dados.m_registro;
    std::string linha = std::string(texto_campo(r.rua)) + ", ";
    linha += r.sem_numero == 'S' ? std::string("S/N") : std::to_string(r.numero);
    const std::string complemento(texto_campo(r.complemento)), bairro(texto_campo(r.bairro)),
        uf(texto_campo(r.uf)), cep(texto_campo(r.cep));
    if (!complemento.empty()) linha += " - " + complemento;
    if (!bairro.empty()) linha += " - Bairro: " + bairro;
    linha += " - Munic\xedpio: " + std::string(texto_campo(r.municipio));
    if (!uf.empty()) linha += " - UF: " + uf;
    if (!cep.empty()) linha += " - CEP: " + cep;
    return com::put_text(pVal, linha);
} catch (...) {
    return report();
}

HRESULT CTW_FT_HistoricoCliente::get_Categoria1(BSTR* pVal) noexcept try {
    return com::put_text(pVal, categoria(m_dados.m_registro.categoria));
} catch (...) {
    return report();
}
HRESULT CTW_FT_HistoricoCliente::get_Categoria2(BSTR* pVal) noexcept try {
    return com::put_text(pVal, categoria(m_dados.m_registro.categoria_tipo));
} catch (...) {
    return report();
}
HRESULT CTW_FT_HistoricoCliente::get_Categoria3(BSTR* pVal) noexcept try {
    return com::put_text(pVal, categoria(m_dados.m_registro.categoria_regiao));
} catch (...) {
    return report();
}

HRESULT CTW_FT_HistoricoCliente::get_ValorPedidos(BSTR* pVal) noexcept try {
    return com::put_text(pVal, dinheiro(m_resumo ? m_resumo->pedidos : 0));
} catch (...) {
    return report();
}
HRESULT CTW_FT_HistoricoCliente::get_ValorVendas(BSTR* pVal) noexcept try {
    return com::put_text(pVal, dinheiro(m_resumo ? m_resumo->vendas : 0));
} catch (...) {
    return report();
}
HRESULT CTW_FT_HistoricoCliente::get_ValorDevolucoes(BSTR* pVal) noexcept try {
    return com::put_text(pVal, dinheiro(m_resumo ? m_resumo->devolucoes : 0));
} catch (...) {
    return report();
}

HRESULT CTW_FT_HistoricoCliente::get_CondicaoPagamento(BSTR* pVal) noexcept try {
    std::string descricao;
    inhouse::store* store = inhouse::store_processo();
    const uint16_t codigo = m_dados.m_registro.condicao_pagamento;
    if (store && codigo != 0) {
        _REG_COND_PAGTOPS condicao{};
        std::vector<REG_LINHA_CONDICAO_PAGTO> linhas;
        if (inhouse::le_condicao_pagamento(*store, server::CSessaoGlobal::GetInstancia()->GetEmpresa().c_str(), codigo,
                                           condicao, linhas))
            descricao = std::string(texto_campo(condicao.Nome));
    }
    return com::put_text(pVal, descricao.empty() ? std::string("(Nenhum)") : descricao);
} catch (...) {
    return report();
}

HRESULT CTW_FT_HistoricoCliente::get_TabelaPrecos(BSTR* pVal) noexcept try {
    std::string descricao;
    const uint16_t tabela = m_dados.m_registro.tabela_preco_produtos;
    CMyConexaoProduto* conexao = tabela ? pool().GetMyConexaoProduto() : nullptr;
    _REG_TABELA_PRECOSPS r{};
    if (conexao && conexao->LeTabelaPreco(tabela, &r) == S_OK) descricao = std::string(texto_campo(r.nome));
    return com::put_text(pVal, descricao);
} catch (...) {
    return report();
}

HRESULT CTW_FT_HistoricoCliente::get_FreqMediaCompras(BSTR* pVal) noexcept try {
    const uint32_t dias = m_resumo ? m_resumo->intervalo_medio : 0;
    return com::put_text(pVal, dias ? std::to_string(dias) + " dias" : std::string());
} catch (...) {
    return report();
}

HRESULT CTW_FT_HistoricoCliente::get_ValorProdMaisCompradoValor(BSTR* pVal) noexcept try {
    if (!m_mais_comprados) return com::put_text(pVal, "");
    return com::put_text(pVal, valor_mais_comprado(m_mais_comprados->por_valor, m_mais_comprados->valor));
} catch (...) {
    return report();
}
HRESULT CTW_FT_HistoricoCliente::get_ValorProdMaisCompradoQtd(BSTR* pVal) noexcept try {
    if (!m_mais_comprados) return com::put_text(pVal, "");
    return com::put_text(pVal, valor_mais_comprado(m_mais_comprados->por_quantidade, m_mais_comprados->quantidade));
} catch (...) {
    return report();
}
HRESULT CTW_FT_HistoricoCliente::get_DescProdMaisCompradoValor(BSTR* pVal) noexcept try {
    return com::put_text(pVal, m_mais_comprados ? descricao_mais_comprado(m_mais_comprados->por_valor) : std::string());
} catch (...) {
    return report();
}
HRESULT CTW_FT_HistoricoCliente::get_DescProdMaisCompradoQtd(BSTR* pVal) noexcept try {
    return com::put_text(pVal, m_mais_comprados ? descricao_mais_comprado(m_mais_comprados->por_quantidade) : std::string());
} catch (...) {
    return report();
}

HRESULT CTW_FT_HistoricoCliente::get_LimiteValor(BSTR* pVal) noexcept {
    return financeiro(pVal, [this] { return dinheiro(m_financeiro.limite); });
}
HRESULT CTW_FT_HistoricoCliente::get_SaldoVencido(BSTR* pVal) noexcept {
    return financeiro(pVal, [this] { return dinheiro(m_financeiro.vencido); });
}
HRESULT CTW_FT_HistoricoCliente::get_SaldoAVencer(BSTR* pVal) noexcept {
    return financeiro(pVal, [this] { return dinheiro(m_financeiro.a_vencer); });
}
HRESULT CTW_FT_HistoricoCliente::get_Adiantamentos(BSTR* pVal) noexcept {
    return financeiro(pVal, [this] { return dinheiro(m_financeiro.adiantamentos); });
}
HRESULT CTW_FT_HistoricoCliente::get_MaiorAtraso(BSTR* pVal) noexcept {
    return financeiro(pVal, [this] { return dinheiro(m_financeiro.maior_atraso); });
}
HRESULT CTW_FT_HistoricoCliente::get_BaixasPorInadValor(BSTR* pVal) noexcept {
    return financeiro(pVal, [this] { return dinheiro(m_financeiro.baixas_inadimplencia); });
}
HRESULT CTW_FT_HistoricoCliente::get_LimiteData(BSTR* pVal) noexcept {
    return financeiro(pVal, [this] { return texto_dia_curto(m_financeiro.data_limite); });
}
HRESULT CTW_FT_HistoricoCliente::get_CreditoUtilizado(BSTR* pVal) noexcept {
    return financeiro(pVal, [this] { return dinheiro(m_financeiro.a_vencer + m_financeiro.vencido); });
}
HRESULT CTW_FT_HistoricoCliente::get_CreditoDisponivel(BSTR* pVal) noexcept {
    return financeiro(pVal, [this] {
        const auto& f = m_financeiro;
        return dinheiro(f.limite > 0 ? (f.limite + f.adiantamentos) - (f.a_vencer + f.vencido + f.comprometido) : 0);
    });
}
HRESULT CTW_FT_HistoricoCliente::get_MediaAtraso(BSTR* pVal) noexcept {
    return financeiro(pVal, [this] { return std::to_string(m_financeiro.media_atraso); });
}
HRESULT CTW_FT_HistoricoCliente::get_BaixasPorInad(BSTR* pVal) noexcept {
    return financeiro(pVal, [this] { return std::to_string(m_financeiro.quantidade_baixas); });
}
HRESULT CTW_FT_HistoricoCliente::get_MediaAtrasoUn(BSTR* pVal) noexcept { return com::put_text(pVal, "dias"); }
HRESULT CTW_FT_HistoricoCliente::get_ChequesPredatados(BSTR* pVal) noexcept {
    return financeiro(pVal, [this] { return m_predatados; });
}
HRESULT CTW_FT_HistoricoCliente::get_ChequesDevolvidos(BSTR* pVal) noexcept {
    return financeiro(pVal, [this] { return m_devolvidos; });
}
HRESULT CTW_FT_HistoricoCliente::get_Venda(BSTR* pVal) noexcept {
    return financeiro(pVal, [this] {
        return std::string(m_dados.m_registro.bloqueado_venda ? "BLOQUEADA" : "AUTORIZADA");
    });
}
HRESULT CTW_FT_HistoricoCliente::get_Anotacoes(BSTR* pVal) noexcept {
    return com::put_text(pVal, m_dados.m_sTexto1.c_str());
}
HRESULT CTW_FT_HistoricoCliente::get_QtdUltimasCompras(LONG* pVal) noexcept {
    return com::put_number(pVal, static_cast<LONG>(m_ultimas.size()));
}

HRESULT CTW_FT_HistoricoCliente::GetUltimaCompra(LONG lPos, LONG lCampo, BSTR* pbsValor) noexcept try {
    if (!pbsValor) return E_POINTER;
    *pbsValor = nullptr;
    if (lPos < 0 || static_cast<size_t>(lPos) >= m_ultimas.size() || lCampo < 1 || lCampo > 9) return S_OK;
    const ultima_compra& u = m_ultimas[static_cast<size_t>(lPos)];
    std::string valor;
    switch (lCampo) {
        case 1: valor = u.documento; break;
        case 2: valor = u.numero; break;
        case 3: valor = u.filial; break;
        case 4: valor = texto_dia_curto(u.data1); break;
        case 5: valor = texto_dia_curto(u.data2); break;
        case 6: valor = dinheiro(u.valor1); break;
        case 7: valor = dinheiro(u.valor2); break;
        case 8: valor = u.vendedor; break;
        default: valor = u.conta; break;
    }
    return com::put_text(pbsValor, valor);
} catch (...) {
    return report();
}

}  // namespace sales

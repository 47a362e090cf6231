#include "sales/CResultadoBuscaTabelaDePreco.h"

#include <string>

#include "platform/com/failure.h"
#include "platform/com/out_param.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "sales/CTabelaDePreco.h"
#include "sales/messages.h"

namespace sales {

namespace {

// Lower case of a CP1252 text, accented capitals included, whatever the process's locale.
std::string minusculas(std::string_view texto) {
    std::string r(texto);
    for (char& c : r) {
        const auto u = static_cast<unsigned char>(c);
        if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7)) c = static_cast<char>(u + 0x20);
    }
    return r;
}

}  // namespace

bool CResultadoBuscaTabelaDePreco::Mantida(const _REG_TABELA_PRECOSPS& t, uint16_t hoje) {
    if (minusculas(inhouse::texto_campo(t.nome)) == "padr\xe3o") return true;
    return t.bloqueada == 0 && (t.validade == 0 || t.validade > hoje);
}

void CResultadoBuscaTabelaDePreco::Busca(CMyConexaoProduto* conexao, com::com_ptr<IUnknown> dono, bool produto,
                                         BYTE tipo, uint16_t hoje) {
    m_conexao = conexao;
    m_dono = std::move(dono);
    m_produto = produto;
    m_posicoes.clear();
    m_tabelas.clear();
    const long n = produto ? conexao->BuscaQuantidadeTabelaPrecoOK(tipo) : conexao->BuscaQuantidadeTabelasPrecoServico(tipo);
    if (n < 0) com::fail(msg::buscar_tabelas_preco, n);
    std::vector<WORD> ponteiros(static_cast<size_t>(n));
    if (n > 0) {
        const HRESULT hr = produto ? conexao->BuscaPonteirosTabPrecosOK(static_cast<WORD>(n), tipo, ponteiros.data())
                                   : conexao->BuscaPonteirosTabelaPrecosServicos(static_cast<WORD>(n), tipo, ponteiros.data());
        com::check(hr, msg::buscar_tabelas_preco);
    }
    for (WORD p : ponteiros) {
        _REG_TABELA_PRECOSPS t{};
        com::check(produto ? conexao->LeTabelaPreco(p, &t) : conexao->LeTabelaPrecosServico(p, &t),
                   msg::ler_tabela_preco);
        if (!Mantida(t, hoje)) continue;
        // The table's own pointer: what the product server knows the table by.
        m_posicoes.push_back(p);
        m_tabelas.push_back(t);
    }
}

HRESULT CResultadoBuscaTabelaDePreco::get_Size(USHORT* pVal) noexcept { return com::put_number(pVal, m_posicoes.size()); }

HRESULT CResultadoBuscaTabelaDePreco::GetItem(USHORT i, ITabelaDePreco** ppTabela) noexcept try {
    if (!ppTabela) return E_POINTER;
    *ppTabela = nullptr;
    if (i >= m_posicoes.size()) return E_INVALIDARG;
    auto tabela = com::make<CTabelaDePreco>();
    tabela->Define(m_posicoes[i], m_produto, m_tabelas[i], m_conexao, m_dono);
    return com::put_object(ppTabela, com::com_ptr<ITabelaDePreco>::attach(tabela.detach()));
} catch (...) {
    return report();
}

HRESULT CResultadoBuscaTabelaDePreco::GetItemByTabela(USHORT iTabela, ITabelaDePreco** ppTabela) noexcept try {
    if (!ppTabela) return E_POINTER;
    *ppTabela = nullptr;
    for (size_t i = 0; i < m_posicoes.size(); ++i)
        if (m_posicoes[i] == iTabela) return GetItem(static_cast<USHORT>(i), ppTabela);
    return S_OK;
} catch (...) {
    return report();
}

}  // namespace sales

#pragma once
// The stock balances of one product per grid combination for one branch (root factory
// TW_ES_SaldoTotal): the setters choose product, grid items, branch, price table, the stock kinds
// summed and whether zero balances are kept; BuscaSaldos fetches the rows from the stock server;
// LePosicao loads one row's texts for the getters.
#include <array>
#include <string>
#include <vector>

#include "VAVEDERAZur.h"
#include "platform/com/object.h"
#include "platform/inhouse/cache/registros_estoque.h"
#include "platform/inhouse/produtos/registros_produto.h"

namespace sales {

class CTW_ES_SaldoTotal final : public com::object<CTW_ES_SaldoTotal, ITW_ES_SaldoTotal> {
public:
    HRESULT STDMETHODCALLTYPE SetProduto(BSTR bsCodigo, VARIANT_BOOL* pvbProdutoValido) noexcept override;
    HRESULT STDMETHODCALLTYPE SetGrade(USHORT uiPos, BSTR bsCodigo, VARIANT_BOOL* pvbGradeValida) noexcept override;
    HRESULT STDMETHODCALLTYPE SetFilial(USHORT uiFilial, VARIANT_BOOL* pvbFilialValida) noexcept override;
    HRESULT STDMETHODCALLTYPE SetTabelaPrecos(BSTR bsCodigo, VARIANT_BOOL* pvbTabelaValida) noexcept override;
    HRESULT STDMETHODCALLTYPE SetTipoLocal(VARIANT_BOOL vbEP, VARIANT_BOOL vbEPT, VARIANT_BOOL vbETPE) noexcept override;
    HRESULT STDMETHODCALLTYPE SetMostrarSaldoZero(VARIANT_BOOL vbMostrar) noexcept override;
    HRESULT STDMETHODCALLTYPE BuscaSaldos(ULONG* pulQuantidade) noexcept override;
    HRESULT STDMETHODCALLTYPE LePosicao(ULONG ulPosArray) noexcept override;
    HRESULT STDMETHODCALLTYPE GetCodigo(BSTR* pbsTexto) noexcept override;
    HRESULT STDMETHODCALLTYPE GetDescricao(BSTR* pbsTexto) noexcept override;
    HRESULT STDMETHODCALLTYPE GetGrade(USHORT uiPos, BSTR* pbsTexto) noexcept override;
    HRESULT STDMETHODCALLTYPE GetSaldo(BSTR* pbsTexto) noexcept override;
    HRESULT STDMETHODCALLTYPE GetPreco(BSTR* pbsTexto) noexcept override;

    // A code of 1 to 3 characters left-padded with "0" to 4; any other length unchanged.
    static std::string NormalizaCodigo(std::string codigo);

    // The texts of the row LePosicao loaded.
    struct linha_texto {
        std::string codigo, descricao;
        std::array<std::string, 3> grades;
        std::string saldo, preco;
    };

private:
    ~CTW_ES_SaldoTotal() override = default;   // objects come only from com::make

    // The row's balance of the stock kinds selected now.
    int64_t SomaSaldos(const inhouse::_REG_ES_SALDOS_PRODUTOSPS& linha) const;
    linha_texto CarregaLinha(const inhouse::_REG_ES_SALDOS_PRODUTOSPS& linha) const;

    bool m_ep = false, m_ept = false, m_etpe = false;
    bool m_mostrar_zero = false;
    WORD m_filial = 0;
    WORD m_tabela = 0;
    _REG_PRODUTOPS m_produto{};
    long m_ponteiro = 0;
    std::array<WORD, 3> m_itens{};
    std::vector<inhouse::_REG_ES_SALDOS_PRODUTOSPS> m_linhas;
    linha_texto m_atual;
};

}  // namespace sales

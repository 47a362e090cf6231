#pragma once
// The position of one product (and grid combination) as a salesperson sees it: made and filled
// only by the root factory TW_FT_PosicaoProdutos, then read through getters. Name, balances,
// average cost, the last invoice and the last purchases are loaded once; the sale price,
// description, price table, storage places and the quotation and purchase-order quantities are
// asked for again on every read.
//
// A part that failed to load never reads as if it were valid: its getters answer the load's
// failure (text and HRESULT). A getter whose module is not installed (or, for the storage places,
// with branch 0) leaves its out value as it was.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "VAVEDERAZur.h"
#include "platform/com/failure.h"
#include "platform/com/object.h"
#include "platform/inhouse/produtos/registros_produto.h"

namespace sales {

// One last-purchase row (24 bytes, as kept by the position).
struct tagREG_RE {
    uint16_t data1;          // the purchase's issue day
    uint16_t data2;          // its entry day
    int32_t fornecedor;      // the supplier's CFRT chart position
    int64_t quantidade;      // CURRENCY
    int64_t valor_unitario;  // CURRENCY
};
static_assert(sizeof(tagREG_RE) == 24);

// The filter of the root factory, read from the client's table.
struct filtro_posicao {
    std::string codigo, grade1, grade2, grade3, tabela;
    uint16_t filial = 0;
    bool ep = false, ept = false, etpe = false;
};

class CTW_FT_PosicaoProdutos final : public com::object<CTW_FT_PosicaoProdutos, ITW_FT_PosicaoProdutos> {
public:
    // The loaders, in the order the factory runs them (Cria). Inicializa and CarregaProduto throw
    // com::failure: without them there is no position. The others keep their failure for the
    // getters of their part.
    void Inicializa(const std::string& empresa, uint16_t usuario, int32_t sessao, uint16_t filial);
    void CarregaProduto(const std::string& tabela, const std::string& codigo, const std::string& grade1,
                        const std::string& grade2, const std::string& grade3);
    void SetTipoEstoque(bool ep, bool ept, bool etpe) noexcept;
    void CarregaSaldos() noexcept;
    void CarregaNotaFiscal() noexcept;
    void CarregaUltimasCompras() noexcept;

    // A new position filled from a filter with the process-wide session: what the factory hands out.
    static com::com_ptr<CTW_FT_PosicaoProdutos> Cria(const filtro_posicao& filtro);

    HRESULT STDMETHODCALLTYPE get_Codigo(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Nome(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Descricao(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_CodTabPrecos(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_TabPrecos(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_PrecoVenda(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_CustoMedio(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_LocalPadrao(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_NomeLocalPadrao(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_LocalMaiorEstoque(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_NomeLocalMaiorEstoque(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_QuantidadeCotacao(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_QuantidadeOC(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_SaldoTotal(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_SaldoReservado(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_SaldoPreBaixa(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_SaldoIndisponivel(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_SaldoDisponivel(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_ValorUnitario(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_CondPagamento(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_ValorICMS(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_DataEmissao(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_ValorIPI(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_NumeroNF(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Quantidade(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_CFOP(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_FretePorConta(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_QtdUltimasCompras(LONG* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE GetUltimaCompra(LONG lPos, LONG lCampo, BSTR* pbsValor) noexcept override;

    // For tests: the last-purchase rows.
    const std::vector<tagREG_RE>& UltimasCompras() const noexcept { return m_ultimas_compras; }

private:
    ~CTW_FT_PosicaoProdutos() override = default;   // objects come only from com::make

    // The product key of the position's items: product pointer and grid item pointers.
    struct chave_produto {
        int32_t produto;
        uint16_t item1, item2, item3;
    };
    chave_produto Chave() const noexcept { return {m_ponteiro, m_itens[0], m_itens[1], m_itens[2]}; }
    bool Instalado(size_t byte) const noexcept { return m_tipos[byte] != 0; }
    bool ComLocais() const noexcept { return Instalado(22) && m_filial != 0; }

    // The purchase side's computations (posicao_produtos_compras.cpp).
    int64_t SomaCotacoes() const;
    int64_t SomaOrdensCompra() const;
    // The default place pointer (0: none) and a place's code and name.
    uint16_t LocalPadrao() const;
    void LeLocal(uint16_t local, std::string& codigo, std::string& nome) const;
    uint16_t LocalMaiorEstoque() const;

    // A part's text, or its load's failure.
    static HRESULT Texto(BSTR* pVal, const std::optional<com::failure>& falha, const std::string& texto);

    std::string m_empresa;
    uint16_t m_usuario = 0;
    uint16_t m_filial = 0;
    int32_t m_sessao = 0;
    std::string m_codigo;
    std::string m_nome;
    std::vector<std::string> m_grades;
    std::string m_custo_medio, m_saldo_total, m_saldo_disponivel, m_saldo_reservado, m_saldo_indisponivel, m_saldo_pre_baixa;
    std::string m_valor_unitario, m_valor_icms, m_valor_ipi, m_quantidade, m_cfop, m_condicao, m_emissao, m_numero_nf, m_frete;
    bool m_ep = false, m_ept = false, m_etpe = false;
    uint16_t m_inicio = 0, m_fim = 0;
    uint16_t m_tabela = 0;
    _REG_PRODUTOPS m_produto{};
    std::array<uint8_t, 64> m_tipos{};
    int32_t m_ponteiro = 0;
    uint16_t m_itens[3]{};
    std::vector<tagREG_RE> m_ultimas_compras;

    std::optional<com::failure> m_falha_saldos, m_falha_nota, m_falha_compras;
};

}  // namespace sales

#pragma once
// A customer's commercial and financial picture (root factory TW_FT_HistoricoCliente):
// SetDadosCliente finds the customer by its code and loads, each afresh, the record, the sales
// summary of the period with its last purchases and most-bought products, and (with the finance
// module) the financial position and the cheques received from the customer; the getters answer
// from what was loaded.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "VAVEDERAZur.h"
#include "platform/com/object.h"
#include "platform/inhouse/cache/registros_historico.h"
#include "server/holders/CBufferCFRT.h"

namespace sales {

class CTW_FT_HistoricoCliente final : public com::object<CTW_FT_HistoricoCliente, ITW_FT_HistoricoCliente> {
public:
    HRESULT STDMETHODCALLTYPE SetDadosCliente(BSTR bsCodigo, BSTR bsDataInicial, BSTR bsDataFinal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Codigo(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Nome(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_CNPJ(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_InscEstadual(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Contato(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Telefone(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Email(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_ClienteDesde(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Endereco(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Categoria1(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Categoria2(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Categoria3(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_ValorPedidos(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_ValorVendas(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_ValorDevolucoes(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_CondicaoPagamento(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_TabelaPrecos(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_FreqMediaCompras(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_ValorProdMaisCompradoValor(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_ValorProdMaisCompradoQtd(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_DescProdMaisCompradoValor(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_DescProdMaisCompradoQtd(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_LimiteValor(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_SaldoVencido(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_SaldoAVencer(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Adiantamentos(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_MaiorAtraso(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_BaixasPorInadValor(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_LimiteData(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_CreditoUtilizado(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_CreditoDisponivel(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_MediaAtraso(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_BaixasPorInad(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_MediaAtrasoUn(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_ChequesPredatados(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_ChequesDevolvidos(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Venda(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Anotacoes(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_QtdUltimasCompras(LONG* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE GetUltimaCompra(LONG lPos, LONG lCampo, BSTR* pbsValor) noexcept override;

    // One last-purchase row (tagREG_ULTIMAS_COMPRAS).
    struct ultima_compra {
        std::string documento, numero, filial, vendedor, conta;
        uint16_t data1 = 0, data2 = 0;
        uint16_t extra16 = 0;
        uint32_t extra32 = 0;
        int64_t valor1 = 0, valor2 = 0;
    };

private:
    ~CTW_FT_HistoricoCliente() override = default;   // objects come only from com::make

    void limpa();
    HRESULT carrega_resumo();
    HRESULT carrega_financeiro();
    HRESULT carrega_cheques();
    // Whether the company has the finance module: the financial answers depend on it.
    static bool possui_financeiro();
    // A financial getter: the text when the finance module is there, else S_OK and no value.
    template <class F>
    HRESULT financeiro(BSTR* pVal, F&& texto) noexcept;
    std::string categoria(uint16_t codigo) const;
    std::string descricao_mais_comprado(const inhouse::REG_CHAVE_MAIS_COMPRADO& chave) const;
    std::string valor_mais_comprado(const inhouse::REG_CHAVE_MAIS_COMPRADO& chave, int64_t valor) const;

    std::string m_codigo;
    uint32_t m_posicao = 0;
    uint16_t m_inicio = 0;
    uint16_t m_fim = 0;
    std::string m_predatados;
    std::string m_devolvidos;
    CQVCFRTDados m_dados;
    std::optional<inhouse::REG_RESUMO_VENDAS> m_resumo;
    std::optional<inhouse::REG_MAIS_COMPRADOS> m_mais_comprados;
    inhouse::REG_POSICAO_FINANCEIRA m_financeiro{};
    std::vector<ultima_compra> m_ultimas;
};

}  // namespace sales

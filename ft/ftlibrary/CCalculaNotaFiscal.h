#pragma once
// The tax settings of one product of an invoice or order for a branch, a customer and an operation
// nature: ICMS and ICMS-ST rates and flags, IPI, the document model and the PIS/COFINS rates and
// tax situations. The rules live in the data servers (product, natures, municipality and state);
// this class gathers the records, reads the servers' answers and copies them into the 168-byte
// result record. Calls in this order: Inicializa, SetFilial, SetCliente, CalculaProduto.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ft/ftlibrary/itens_nota_fiscal.h"
#include "ft/ftlibrary/registros_nota_fiscal.h"
#include "ft/ftlibrary/registros_pedido.h"
#include "platform/inhouse/cfrt/QVCFRT.h"
#include "platform/inhouse/login/registros_filial.h"
#include "platform/inhouse/produtos/registros_impostos.h"
#include "platform/inhouse/produtos/registros_produto.h"

class CServidoresNotaFiscal;

class CCalculaNotaFiscal {
public:
    CCalculaNotaFiscal();
    // Tests hand in their own servers; the object owns them.
    explicit CCalculaNotaFiscal(std::unique_ptr<CServidoresNotaFiscal> servidores);
    virtual ~CCalculaNotaFiscal();
    CCalculaNotaFiscal(const CCalculaNotaFiscal&) = delete;
    CCalculaNotaFiscal& operator=(const CCalculaNotaFiscal&) = delete;

    // Keeps the session and creates and initialises the product, natures, municipality and state
    // servers, in this order; the first failure is returned.
    HRESULT Inicializa(REG_SESSAO_NOTA_FISCAL sessao);
    // The branch's tax settings (its number, the commercial master's code kept at offset 274 of
    // its record, and the branch record), then the branch's and the customer's states again.
    void SetFilial(uint16_t filial, uint16_t codigoMestre, const inhouse::REG_FILIAL& registro);
    // The customer's tax settings and its state and rate.
    void SetCliente(QVCFRT cliente);
    // The taxes of product `produto` (its 32-bit pointer) under nature `natureza` (0: every tax
    // charged, no nature read) on day `data` (16-bit day number) into *resultado, zeroed first.
    // A failure of a server is returned, and *resultado keeps what was filled before it.
    HRESULT CalculaProduto(int32_t produto, uint16_t natureza, uint16_t data, REG_IMPOSTOS_PRODUTO_NF* resultado);

    // What SetFilial and SetCliente derived (read by tests and by callers that show them).
    const CONFIG_FILIAL_NF& Filial() const noexcept { return m_Filial; }
    const CONFIG_CLIENTE_NF& Cliente() const noexcept { return m_Cliente; }

    // Today's day number for the rules read "as of today" (empty: the clock's).
    std::function<uint16_t()> m_Hoje;
    // The registers folder of the PIS/COFINS rates file (empty: the installation's).
    std::string m_PastaCadastros;

private:
    void DerivaFilial();
    void DerivaCliente();
    uint16_t Hoje() const;
    CHAVE_REGRA_PRODUTO_NF Chave(int32_t produto, uint16_t data, uint16_t estado) const;
    HRESULT LeRegraDocumento(int32_t produto, REG_REGRA_DOCUMENTO_NF& regra, REG_IMPOSTOS_PRODUTO_NF& r);
    HRESULT LeFilialProduto(int32_t produto, REG_IMPOSTOS_PRODUTO_NF& r);
    bool ICMSCobrado(const std::string& situacao, const _REG_NATUREZAPS& natureza, const _REG_PRODUTOPS& produto) const;
    HRESULT EscolheAliquotaICMS(int32_t produto, const _REG_PRODUTOPS& registro, REG_REGRA_ICMS_NF& regra,
                                REG_IMPOSTOS_PRODUTO_NF& r);

    std::unique_ptr<CServidoresNotaFiscal> m_Servidores;
    REG_SESSAO_NOTA_FISCAL m_Sessao{};
    CONFIG_FILIAL_NF m_Filial;
    CONFIG_CLIENTE_NF m_Cliente;
    int16_t m_TipoNota = 2;
    TOTAIS_NOTA_FISCAL m_Totais;
    std::vector<CItemNotaProduto> m_ItensProduto;
    std::vector<CItemNotaServico> m_ItensServico;
    std::vector<CItemNotaProdutoCalculado> m_ItensProdutoCalculado;
    std::vector<CItemNotaServicoCalculado> m_ItensServicoCalculado;
};

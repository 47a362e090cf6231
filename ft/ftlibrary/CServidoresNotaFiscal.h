#pragma once
// The data-server calls of the invoice tax calculation and of the PIS/COFINS suggestion, one
// virtual per call, so that the rules can be proved against tables of answers. The real servers
// are reached through CServidoresNotaFiscalCOM (the product, natures, municipality and state
// servers created through the retrying creation).
#include <windows.h>

#include <cstdint>
#include <string>

#include "ft/ftlibrary/registros_nota_fiscal.h"
#include "ft/ftlibrary/registros_pedido.h"
#include "platform/inhouse/produtos/registros_impostos.h"
#include "platform/inhouse/produtos/registros_produto.h"

// The product server's two PIS/COFINS calls.
class CServidorPisCofins {
public:
    virtual ~CServidorPisCofins() = default;
    // The code of a PIS/COFINS line: request {CST, code} zero-filled to 64 bytes; *codigo the
    // second 16-bit word of the 64-byte answer.
    virtual HRESULT CodigoPisCofins(uint16_t cst, uint16_t codigo, uint16_t& resposta) = 0;
    // The product's PIS/COFINS rule (the file had no line for it).
    virtual HRESULT RegraPisCofins(const REQ_REGRA_PIS_COFINS& pedido, REG_REGRA_PIS_COFINS& resposta) = 0;
};

class CServidoresNotaFiscal : public CServidorPisCofins {
public:
    // Creates and initialises the product, natures, municipality and state servers in this order;
    // the first failure is returned.
    virtual HRESULT Inicializa(const std::string& empresa, WORD usuario, LONG sessao) = 0;

    virtual HRESULT LeNatureza(uint16_t natureza, uint16_t data, _REG_NATUREZAPS& registro) = 0;
    virtual HRESULT LeProduto(int32_t produto, _REG_PRODUTOPS& registro) = 0;
    virtual HRESULT RegraICMS(const CHAVE_REGRA_PRODUTO_NF& chave, REG_REGRA_ICMS_NF& regra) = 0;
    virtual HRESULT RegraDocumento(const CHAVE_REGRA_PRODUTO_NF& chave, REG_REGRA_DOCUMENTO_NF& regra) = 0;
    // The text of a tax-situation code (the start of its 296-byte record).
    virtual HRESULT SituacaoTributaria(uint16_t codigo, std::string& texto) = 0;
    virtual HRESULT FilialProduto(uint16_t filial, int32_t produto, REG_FILIAL_PRODUTO_NF& resposta) = 0;

    // The state code of a municipality.
    virtual HRESULT EstadoMunicipio(uint16_t municipio, uint16_t& estado) = 0;
    // The state record of a code (only its success matters here).
    virtual HRESULT LeEstado(uint16_t estado) = 0;
    // The code of a state by its text ("SP").
    virtual HRESULT PesquisaEstado(const std::string& uf, uint16_t& estado) = 0;
    // The two rates (money, 4 implied decimals) of a state for a branch: the state's own and the
    // one of an operation from the branch's state to it.
    virtual HRESULT AliquotasEstado(uint16_t estado, uint16_t filial, int64_t& primeira, int64_t& segunda) = 0;
};

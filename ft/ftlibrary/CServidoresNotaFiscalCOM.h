#pragma once
// The invoice tax calculation's data servers as they really are: the product, natures,
// municipality and state servers, created through the retrying creation (context 23, retry while
// unavailable, report to the event log) and initialised with the session.
#include "ft/ftlibrary/CServidoresNotaFiscal.h"
#include "inhouse_localidades.h"
#include "inhouse_naturezas.h"
#include "inhouse_produtos.h"
#include "platform/com/com_ptr.h"

class CServidoresNotaFiscalCOM final : public CServidoresNotaFiscal {
public:
    HRESULT Inicializa(const std::string& empresa, WORD usuario, LONG sessao) override;

    HRESULT LeNatureza(uint16_t natureza, uint16_t data, _REG_NATUREZAPS& registro) override;
    HRESULT LeProduto(int32_t produto, _REG_PRODUTOPS& registro) override;
    HRESULT RegraICMS(const CHAVE_REGRA_PRODUTO_NF& chave, REG_REGRA_ICMS_NF& regra) override;
    HRESULT RegraDocumento(const CHAVE_REGRA_PRODUTO_NF& chave, REG_REGRA_DOCUMENTO_NF& regra) override;
    HRESULT SituacaoTributaria(uint16_t codigo, std::string& texto) override;
    HRESULT FilialProduto(uint16_t filial, int32_t produto, REG_FILIAL_PRODUTO_NF& resposta) override;
    HRESULT EstadoMunicipio(uint16_t municipio, uint16_t& estado) override;
    HRESULT LeEstado(uint16_t estado) override;
    HRESULT PesquisaEstado(const std::string& uf, uint16_t& estado) override;
    HRESULT AliquotasEstado(uint16_t estado, uint16_t filial, int64_t& primeira, int64_t& segunda) override;
    HRESULT CodigoPisCofins(uint16_t cst, uint16_t codigo, uint16_t& resposta) override;
    HRESULT RegraPisCofins(const REQ_REGRA_PIS_COFINS& pedido, REG_REGRA_PIS_COFINS& resposta) override;

private:
    com::com_ptr<IQVDF_Produto> m_Produto;
    com::com_ptr<IQVDF_Naturezas> m_Naturezas;
    com::com_ptr<IQVMunicipios> m_Municipio;
    com::com_ptr<IQVDF_Estado> m_Estado;
};

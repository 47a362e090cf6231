#pragma once
// The product server (IQVDF_Produto) over the store: products priced in price tables, units of
// measure, grids and their items, product and service price tables, and services. The services
// connection's server is the same class made by create_servicos: its Quantidade counts service
// positions instead of products. Calls before Inicializa answer QV_E_NAO_INICIALIZADO; the
// entries served later answer E_NOTIMPL.
// The tax rules of the invoice calculation are in regras_impostos.cpp.
#include <string>

#include "inhouse_produtos.h"
#include "platform/inhouse/core/servidor_sessao.h"
#include "platform/inhouse/produtos/registros_produto.h"

namespace inhouse {

class ProdutoServer final : public servidor_partes_sessao<ProdutoServer, IQVDF_Produto> {
public:
    using servidor_partes_sessao::servidor_partes_sessao;

    // The services connection's server.
    static HRESULT create_servicos(store& data, std::shared_ptr<fault_plan> faults, REFIID iid, void** ppv) noexcept;

    HRESULT STDMETHODCALLTYPE Quantidade(BSTR tipos, LONG opcao, LONG* quantidade) noexcept override;
    HRESULT STDMETHODCALLTYPE PonteirosProdutos(LONG quantidade, WORD tabela, BYTE opcao, LONG* encontrados,
                                                LONG* ponteiros) noexcept override;
    HRESULT STDMETHODCALLTYPE LeProdutoTabela(LONG ponteiro, WORD tabela, QV_PRODUTO_984* produto) noexcept override;
    HRESULT STDMETHODCALLTYPE ExisteProduto(BSTR codigo, BYTE tipo, WORD tabela, LONG* ponteiro,
                                            QV_PRODUTO_984* produto) noexcept override;
    HRESULT STDMETHODCALLTYPE QuantidadeTabelas(BYTE servicos, BYTE tipo, WORD* quantidade) noexcept override;
    HRESULT STDMETHODCALLTYPE PonteirosTabelas(BYTE servicos, WORD quantidade, BYTE tipo, WORD* ponteiros) noexcept override;
    HRESULT STDMETHODCALLTYPE LeTabela(BYTE servicos, LONG ponteiro, QV_TABELA_PRECO_102* tabela) noexcept override;
    HRESULT STDMETHODCALLTYPE ExisteTabela(BYTE servicos, BSTR codigo, BYTE tipo, LONG* ponteiro,
                                           QV_TABELA_PRECO_102* tabela) noexcept override;
    HRESULT STDMETHODCALLTYPE LeServico(LONG ponteiro, WORD tabela, QV_SERVICO_522* servico) noexcept override;
    HRESULT STDMETHODCALLTYPE ExisteServico(BSTR codigo, BYTE tipo, LONG* ponteiro, QV_SERVICO_522* servico) noexcept override;
    HRESULT STDMETHODCALLTYPE LeProduto(LONG ponteiro, LONG opcao, QV_PRODUTO_984* produto) noexcept override;
    HRESULT STDMETHODCALLTYPE LeGrade(WORD grade, QV_GRADE_64* registro) noexcept override;
    HRESULT STDMETHODCALLTYPE LeItemGrade(WORD grade, WORD item, QV_GRADE_64* registro) noexcept override;
    HRESULT STDMETHODCALLTYPE ExisteItemGrade(WORD grade, BSTR codigo, WORD* item, QV_GRADE_64* registro) noexcept override;
    HRESULT STDMETHODCALLTYPE ItensGrade(WORD grade, WORD* quantidade, WORD** itens) noexcept override;
    HRESULT STDMETHODCALLTYPE LeParametros(BYTE* parametros) noexcept override;
    ZU_RESERVADO(20) ZU_RESERVADO(21) ZU_RESERVADO(22) ZU_RESERVADO(23) ZU_RESERVADO(24)
    ZU_RESERVADO(25) ZU_RESERVADO(26) ZU_RESERVADO(27) ZU_RESERVADO(28) ZU_RESERVADO(29) ZU_RESERVADO(30)
    // The tax rules (platform/inhouse/produtos/regras_impostos.cpp).
    HRESULT STDMETHODCALLTYPE RegraICMS(QV_CHAVE_18 chave, BYTE* regra) noexcept override;
    ZU_RESERVADO(32) ZU_RESERVADO(33) ZU_RESERVADO(34) ZU_RESERVADO(35) ZU_RESERVADO(36) ZU_RESERVADO(37)
    HRESULT STDMETHODCALLTYPE Descricao(LONG, BSTR* descricao) noexcept override;
    ZU_RESERVADO(39) ZU_RESERVADO(40) ZU_RESERVADO(41) ZU_RESERVADO(42) ZU_RESERVADO(43) ZU_RESERVADO(44)
    ZU_RESERVADO(45) ZU_RESERVADO(46) ZU_RESERVADO(47) ZU_RESERVADO(48)
    HRESULT STDMETHODCALLTYPE RegraDocumento(QV_CHAVE_18 chave, BYTE* regra) noexcept override;
    ZU_RESERVADO(50) ZU_RESERVADO(51) ZU_RESERVADO(52) ZU_RESERVADO(53) ZU_RESERVADO(54) ZU_RESERVADO(55)
    ZU_RESERVADO(56) ZU_RESERVADO(57) ZU_RESERVADO(58) ZU_RESERVADO(59) ZU_RESERVADO(60) ZU_RESERVADO(61)
    ZU_RESERVADO(62) ZU_RESERVADO(63) ZU_RESERVADO(64) ZU_RESERVADO(65) ZU_RESERVADO(66) ZU_RESERVADO(67)
    ZU_RESERVADO(68) ZU_RESERVADO(69) ZU_RESERVADO(70) ZU_RESERVADO(71) ZU_RESERVADO(72) ZU_RESERVADO(73)
    ZU_RESERVADO(74) ZU_RESERVADO(75)
    HRESULT STDMETHODCALLTYPE LeUnidadeProduto(WORD unidade, QV_UNIDADE_72* registro) noexcept override;
    ZU_RESERVADO(77) ZU_RESERVADO(78) ZU_RESERVADO(79)
    HRESULT STDMETHODCALLTYPE LeUnidadeServico(WORD unidade, QV_UNIDADE_76* registro) noexcept override;
    ZU_RESERVADO(81)
    HRESULT STDMETHODCALLTYPE SituacaoTributaria(WORD codigo, BYTE* situacao) noexcept override;
    ZU_RESERVADO(83) ZU_RESERVADO(84) ZU_RESERVADO(85) ZU_RESERVADO(86) ZU_RESERVADO(87) ZU_RESERVADO(88)
    HRESULT STDMETHODCALLTYPE ExisteTabelaPreco(BSTR codigo, BYTE tipo, WORD* ponteiro,
                                                QV_TABELA_PRECO_102* tabela) noexcept override;
    ZU_RESERVADO(90) ZU_RESERVADO(91) ZU_RESERVADO(92) ZU_RESERVADO(93) ZU_RESERVADO(94)
    // The price items of a product (platform/inhouse/produtos/registros_preco.h).
    HRESULT STDMETHODCALLTYPE ItensPreco(QV_CHAVE_24 chave, BYTE* resposta) noexcept override;
    ZU_RESERVADO(96) ZU_RESERVADO(97) ZU_RESERVADO(98) ZU_RESERVADO(99) ZU_RESERVADO(100) ZU_RESERVADO(101)
    ZU_RESERVADO(102) ZU_RESERVADO(103) ZU_RESERVADO(104) ZU_RESERVADO(105) ZU_RESERVADO(106) ZU_RESERVADO(107)
    ZU_RESERVADO(108) ZU_RESERVADO(109) ZU_RESERVADO(110) ZU_RESERVADO(111) ZU_RESERVADO(112) ZU_RESERVADO(113)
    ZU_RESERVADO(114) ZU_RESERVADO(115) ZU_RESERVADO(116) ZU_RESERVADO(117) ZU_RESERVADO(118)
    // The product's tax answer (platform/inhouse/produtos/registros_referencia.h).
    HRESULT STDMETHODCALLTYPE ConsultaImposto(LONG seletor, QV_CHAVE_14 chave, BYTE* resposta) noexcept override;
    ZU_RESERVADO(120) ZU_RESERVADO(121) ZU_RESERVADO(122) ZU_RESERVADO(123) ZU_RESERVADO(124)
    // The grid references of a product and grid items (platform/inhouse/produtos/registros_referencia.h).
    HRESULT STDMETHODCALLTYPE ReferenciasGrade(QV_REFERENCIA_GRADE_86 referencia, BYTE* resposta) noexcept override;
    ZU_RESERVADO(126) ZU_RESERVADO(127) ZU_RESERVADO(128) ZU_RESERVADO(129) ZU_RESERVADO(130) ZU_RESERVADO(131)
    ZU_RESERVADO(132) ZU_RESERVADO(133) ZU_RESERVADO(134) ZU_RESERVADO(135) ZU_RESERVADO(136) ZU_RESERVADO(137)
    ZU_RESERVADO(138) ZU_RESERVADO(139) ZU_RESERVADO(140)
    // The payment conditions a price table does not allow (platform/inhouse/produtos/registros_preco.h).
    HRESULT STDMETHODCALLTYPE CondicoesNaoPermitidas(LONG posicao, BYTE tipo, BYTE* resposta) noexcept override;
    ZU_RESERVADO(142) ZU_RESERVADO(143) ZU_RESERVADO(144) ZU_RESERVADO(145) ZU_RESERVADO(146) ZU_RESERVADO(147)
    ZU_RESERVADO(148) ZU_RESERVADO(149)
    HRESULT STDMETHODCALLTYPE FilialProduto(WORD filial, LONG produto, BYTE* resposta) noexcept override;
    // The PIS/COFINS codes and rules (platform/inhouse/produtos/registros_impostos.h).
    HRESULT STDMETHODCALLTYPE CodigoPisCofins(BYTE* pedido, BYTE* resposta) noexcept override;
    HRESULT STDMETHODCALLTYPE RegraPisCofins(LONG um, LONG mascara, LONG produto, WORD chave, WORD data, BYTE entrada,
                                             BYTE* resposta) noexcept override;

private:
    ~ProdutoServer() override = default;   // objects come only from com::make

    bool m_servicos = false;      // the services connection's server
    std::string m_tipos;          // the product kinds Quantidade counted last
};

}  // namespace inhouse

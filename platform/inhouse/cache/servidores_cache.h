#pragma once
// Stand-ins of the data servers that the process-wide cache creates and initialises (the
// accounting master, slot 1, is the login's: servidores_login.h). What each one does beyond its
// initialisation comes with the objects that call it (servidores_cache.cpp); until then every
// other entry answers E_NOTIMPL. The initialisation is recorded in the fault plan as text: company,
// user and session (and the trailing value) for the BSTR forms, the record's bytes in hex
// ("bytes=00 1A ...") for the records passed by value.
#include "inhouse_cache.h"
#include "inhouse_registros.h"
#include "platform/inhouse/core/servidor_sessao.h"

namespace inhouse {

class SaldosContabeisServer final : public servidor_partes_sessao<SaldosContabeisServer, IQVCN_SaldosContabeis, LONG> {
public:
    using servidor_partes_sessao::servidor_partes_sessao;
    ZU_RESERVADO(03)

private:
    ~SaldosContabeisServer() override = default;   // objects come only from com::make
};

class PortadoresServer final : public servidor_partes_sessao<PortadoresServer, IQVFN_Portadores> {
public:
    using servidor_partes_sessao::servidor_partes_sessao;
    ZU_RESERVADO(03) ZU_RESERVADO(04) ZU_RESERVADO(05) ZU_RESERVADO(06)

private:
    ~PortadoresServer() override = default;   // objects come only from com::make
};

class NotasFiscaisServer final : public servidor_registro_sessao<NotasFiscaisServer, IQVFT_NotasFiscais, QV_SESSAO_34> {
public:
    using servidor_registro_sessao::servidor_registro_sessao;
    HRESULT STDMETHODCALLTYPE LeNota(QV_CHAVE_NOTA_38 chave, BYTE* nota) noexcept override;
    HRESULT STDMETHODCALLTYPE BuscaNotas(QV_PERIODO_NOTAS_24 periodo, QV_FILTRO_NOTAS_1136 filtro,
                                         BYTE** chaves) noexcept override;
    HRESULT STDMETHODCALLTYPE ResumoVendas(QV_RESUMO_VENDAS_12 pedido, WORD* quantidade, BYTE** resumo) noexcept override;
    // The sales report (relatorios_vendas.cpp).
    HRESULT STDMETHODCALLTYPE RelatorioVendas(QV_RELATORIO_VENDAS_912 pedido) noexcept override;
    ZU_RESERVADO(04) ZU_RESERVADO(06) ZU_RESERVADO(07)

private:
    ~NotasFiscaisServer() override = default;   // objects come only from com::make
};

class CondicoesPagamentoServer final : public servidor_partes_sessao<CondicoesPagamentoServer, IQVFT_CondicoesPagamento> {
public:
    using servidor_partes_sessao::servidor_partes_sessao;
    HRESULT STDMETHODCALLTYPE LeCondicao(WORD posicao, BYTE* condicao) noexcept override;
    ZU_RESERVADO(04)

private:
    ~CondicoesPagamentoServer() override = default;   // objects come only from com::make
};

class CategoriasServer final : public servidor_registro_sessao<CategoriasServer, IQVDF_Categorias, QV_SESSAO_36> {
public:
    using servidor_registro_sessao::servidor_registro_sessao;
    HRESULT STDMETHODCALLTYPE LeCategoria(LONG posicao, QV_CATEGORIA_80* categoria) noexcept override;
    HRESULT STDMETHODCALLTYPE BuscaCategorias(BSTR nome, BSTR tipo, LONG codigo, LONG* quantidade, BYTE** nomes,
                                              BYTE** codigos) noexcept override;
    ZU_RESERVADO(05) ZU_RESERVADO(06)

private:
    ~CategoriasServer() override = default;   // objects come only from com::make
};

class TabelasPrecoServer final : public servidor_partes_sessao<TabelasPrecoServer, IQVFT_TabelasPreco, LONG> {
public:
    using servidor_partes_sessao::servidor_partes_sessao;

private:
    ~TabelasPrecoServer() override = default;   // objects come only from com::make
};

// Visits over the store's agendamento_visita rows (platform/inhouse/cache/agendamentos.cpp).
class AgendamentosServer final : public servidor_partes_sessao<AgendamentosServer, IQVFT_Agendamentos> {
public:
    using servidor_partes_sessao::servidor_partes_sessao;
    HRESULT STDMETHODCALLTYPE BuscaAgendamentos(LONG intervalo, QV_FILTRO_VISITAS_354 filtro, BYTE* resposta) noexcept override;
    HRESULT STDMETHODCALLTYPE LeAgendamento(LONG posicao, BYTE* registro) noexcept override;
    HRESULT STDMETHODCALLTYPE GravaAgendamento(LONG posicao, QV_VISITA_1606 registro, LONG* resultado) noexcept override;

private:
    ~AgendamentosServer() override = default;   // objects come only from com::make
};

class EstoqueServer final : public servidor_partes_sessao<EstoqueServer, IQVES_Estoque, LONG> {
public:
    using servidor_partes_sessao::servidor_partes_sessao;
    HRESULT STDMETHODCALLTYPE Saldo(QV_CONSULTA_SALDO_66 consulta, BYTE* resultado, LONG reservado1, LONG reservado2,
                                    LONG reservado3) noexcept override;
    HRESULT STDMETHODCALLTYPE BuscaSaldos(QV_LISTA_SALDOS_60 pedido, BYTE* resposta) noexcept override;
    // The stock reports (relatorios_estoque.cpp).
    HRESULT STDMETHODCALLTYPE RelatorioRegistroEstoque(BSTR arquivo, BSTR razao_social, BSTR modelo,
                                                       QV_REGISTRO_ESTOQUE_52 pedido) noexcept override;
    HRESULT STDMETHODCALLTYPE RelatorioMovimentos(BSTR arquivo, BSTR razao_social, BSTR modelo,
                                                  QV_MOVIMENTOS_ESTOQUE_100 pedido) noexcept override;
    HRESULT STDMETHODCALLTYPE RelatorioInventario(BSTR arquivo, BSTR razao_social, BSTR modelo, QV_INVENTARIO_16 pedido,
                                                  LONG* situacao) noexcept override;
    HRESULT STDMETHODCALLTYPE RelatorioPontoReposicao(BSTR arquivo, BSTR razao_social, BSTR modelo,
                                                      QV_PONTO_REPOSICAO_20 pedido) noexcept override;
    ZU_RESERVADO(04) ZU_RESERVADO(05) ZU_RESERVADO(06) ZU_RESERVADO(07) ZU_RESERVADO(08) ZU_RESERVADO(09) ZU_RESERVADO(10) ZU_RESERVADO(11) ZU_RESERVADO(12) ZU_RESERVADO(13) ZU_RESERVADO(14) ZU_RESERVADO(15) ZU_RESERVADO(16) ZU_RESERVADO(17) ZU_RESERVADO(18) ZU_RESERVADO(19) ZU_RESERVADO(20) ZU_RESERVADO(21) ZU_RESERVADO(22) ZU_RESERVADO(23) ZU_RESERVADO(24) ZU_RESERVADO(25) ZU_RESERVADO(26) ZU_RESERVADO(27) ZU_RESERVADO(28) ZU_RESERVADO(29) ZU_RESERVADO(30) ZU_RESERVADO(31) ZU_RESERVADO(32) ZU_RESERVADO(33) ZU_RESERVADO(34) ZU_RESERVADO(35) ZU_RESERVADO(36) ZU_RESERVADO(37) ZU_RESERVADO(38) ZU_RESERVADO(39)

private:
    ~EstoqueServer() override = default;   // objects come only from com::make
};

class MestreServer final : public servidor_partes_sessao<MestreServer, IQVDF_Mestre> {
public:
    using servidor_partes_sessao::servidor_partes_sessao;
    HRESULT STDMETHODCALLTYPE LeMestre(QV_MESTRE_1324* mestre) noexcept override;
    // Over the store's posicao_financeira rows (platform/inhouse/cache/historico_cliente.cpp).
    HRESULT STDMETHODCALLTYPE PosicaoFinanceira(QV_POSICAO_FINANCEIRA_56 pedido, BYTE* posicao) noexcept override;
    ZU_RESERVADO(04)

private:
    ~MestreServer() override = default;   // objects come only from com::make
};

class RelatoriosMovimentosServer final : public stand_in_object<RelatoriosMovimentosServer, IQVFN_RelatoriosMovimentos> {
public:
    using stand_in_object::stand_in_object;
    // The commissions report (relatorios_comerciais.cpp).
    HRESULT STDMETHODCALLTYPE RelatorioComissoes(BYTE* pedido) noexcept override;

private:
    ~RelatoriosMovimentosServer() override = default;   // objects come only from com::make
};

class SaldosBancariosServer final : public servidor_partes_sessao<SaldosBancariosServer, IQVFN_SaldosBancarios> {
public:
    using servidor_partes_sessao::servidor_partes_sessao;

private:
    ~SaldosBancariosServer() override = default;   // objects come only from com::make
};

class MestreComercialServer final : public servidor_partes_sessao<MestreComercialServer, IQVFT_MestreComercial> {
public:
    using servidor_partes_sessao::servidor_partes_sessao;

    // The sales parameter record is built from the company's parametro_venda rows.
    HRESULT STDMETHODCALLTYPE InicializaRegistro(QV_SESSAO_262 sessao) noexcept override;
    HRESULT STDMETHODCALLTYPE LeParametros(QV_PARAMETROS_472* parametros) noexcept override;
    HRESULT STDMETHODCALLTYPE Parametros(BYTE** parametros) noexcept override;

private:
    ~MestreComercialServer() override = default;   // objects come only from com::make
    HRESULT monta_parametros();
    QV_PARAMETROS_472 m_parametros{};
};

class OrdensCompraServer final : public servidor_registro_sessao<OrdensCompraServer, IQVCP_OrdensCompra, QV_SESSAO_262> {
public:
    using servidor_registro_sessao::servidor_registro_sessao;
    HRESULT STDMETHODCALLTYPE BuscaOrdens(LONG inicio, LONG fim, QV_FILTRO_ORDENS_234 filtro, BYTE** lista) noexcept override;
    HRESULT STDMETHODCALLTYPE LeOrdens(QV_LISTA_CHAVES_12 lista, BYTE* resposta) noexcept override;
    ZU_RESERVADO(04) ZU_RESERVADO(05) ZU_RESERVADO(06)
    ZU_RESERVADO(08) ZU_RESERVADO(09) ZU_RESERVADO(10) ZU_RESERVADO(11) ZU_RESERVADO(12) ZU_RESERVADO(13) ZU_RESERVADO(14) ZU_RESERVADO(15) ZU_RESERVADO(16) ZU_RESERVADO(17) ZU_RESERVADO(18) ZU_RESERVADO(19) ZU_RESERVADO(20)

private:
    ~OrdensCompraServer() override = default;   // objects come only from com::make
};

class CotacoesServer final : public servidor_registro_sessao<CotacoesServer, IQVCP_Cotacoes, QV_SESSAO_262> {
public:
    using servidor_registro_sessao::servidor_registro_sessao;
    HRESULT STDMETHODCALLTYPE BuscaCotacoes(LONG inicio, LONG fim, QV_FILTRO_COTACOES_438 filtro, BYTE** lista) noexcept override;
    HRESULT STDMETHODCALLTYPE LeCotacoes(QV_LISTA_CHAVES_12 lista, BYTE* resposta) noexcept override;
    ZU_RESERVADO(04) ZU_RESERVADO(05) ZU_RESERVADO(06)
    ZU_RESERVADO(08) ZU_RESERVADO(09) ZU_RESERVADO(10) ZU_RESERVADO(11) ZU_RESERVADO(12) ZU_RESERVADO(13) ZU_RESERVADO(14) ZU_RESERVADO(15) ZU_RESERVADO(16)

private:
    ~CotacoesServer() override = default;   // objects come only from com::make
};

class ComprasServer final : public servidor_registro_sessao<ComprasServer, IQVCP_Compras, QV_SESSAO_262> {
public:
    using servidor_registro_sessao::servidor_registro_sessao;
    HRESULT STDMETHODCALLTYPE LeCompra(LONGLONG chave, BYTE* compra) noexcept override;
    HRESULT STDMETHODCALLTYPE BuscaCompras(LONG inicio, LONG fim, QV_FILTRO_COMPRAS_310 filtro, BYTE** lista) noexcept override;
    HRESULT STDMETHODCALLTYPE Atendimentos(LONG inicio, LONG fim, LONGLONG origem, LONG quantidade, BYTE* pedidos,
                                           BYTE* respostas) noexcept override;
    HRESULT STDMETHODCALLTYPE SituacaoCompra(LONGLONG chave, BYTE* situacao) noexcept override;
    ZU_RESERVADO(04) ZU_RESERVADO(06) ZU_RESERVADO(07)
    ZU_RESERVADO(09) ZU_RESERVADO(10) ZU_RESERVADO(11) ZU_RESERVADO(12) ZU_RESERVADO(13) ZU_RESERVADO(14) ZU_RESERVADO(15) ZU_RESERVADO(16) ZU_RESERVADO(17) ZU_RESERVADO(18) ZU_RESERVADO(19) ZU_RESERVADO(20) ZU_RESERVADO(21) ZU_RESERVADO(22) ZU_RESERVADO(23) ZU_RESERVADO(24)
    ZU_RESERVADO(26) ZU_RESERVADO(27) ZU_RESERVADO(28) ZU_RESERVADO(29)

private:
    ~ComprasServer() override = default;   // objects come only from com::make
};

class LeiautesServer final : public stand_in_object<LeiautesServer, IQVGE_Leiautes> {
public:
    using stand_in_object::stand_in_object;
    ZU_RESERVADO(03)

private:
    ~LeiautesServer() override = default;   // objects come only from com::make
};

}  // namespace inhouse

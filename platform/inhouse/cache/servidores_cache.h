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

private:
    ~NotasFiscaisServer() override = default;   // objects come only from com::make
};

class CondicoesPagamentoServer final : public servidor_partes_sessao<CondicoesPagamentoServer, IQVFT_CondicoesPagamento> {
public:
    using servidor_partes_sessao::servidor_partes_sessao;

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

class AgendamentosServer final : public servidor_partes_sessao<AgendamentosServer, IQVFT_Agendamentos> {
public:
    using servidor_partes_sessao::servidor_partes_sessao;

private:
    ~AgendamentosServer() override = default;   // objects come only from com::make
};

class EstoqueServer final : public servidor_partes_sessao<EstoqueServer, IQVES_Estoque, LONG> {
public:
    using servidor_partes_sessao::servidor_partes_sessao;

private:
    ~EstoqueServer() override = default;   // objects come only from com::make
};

class MestreServer final : public servidor_partes_sessao<MestreServer, IQVDF_Mestre> {
public:
    using servidor_partes_sessao::servidor_partes_sessao;
    HRESULT STDMETHODCALLTYPE LeMestre(QV_MESTRE_1324* mestre) noexcept override;
    ZU_RESERVADO(04)

private:
    ~MestreServer() override = default;   // objects come only from com::make
};

class RelatoriosMovimentosServer final : public stand_in_object<RelatoriosMovimentosServer, IQVFN_RelatoriosMovimentos> {
public:
    using stand_in_object::stand_in_object;
    ZU_RESERVADO(03)

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

class PedidosServer final : public servidor_registro_sessao<PedidosServer, IQVFT_Pedidos, QV_SESSAO_40> {
public:
    using servidor_registro_sessao::servidor_registro_sessao;
    ZU_RESERVADO(03)

private:
    ~PedidosServer() override = default;   // objects come only from com::make
};

class OrdensCompraServer final : public servidor_registro_sessao<OrdensCompraServer, IQVCP_OrdensCompra, QV_SESSAO_262> {
public:
    using servidor_registro_sessao::servidor_registro_sessao;

private:
    ~OrdensCompraServer() override = default;   // objects come only from com::make
};

class CotacoesServer final : public servidor_registro_sessao<CotacoesServer, IQVCP_Cotacoes, QV_SESSAO_262> {
public:
    using servidor_registro_sessao::servidor_registro_sessao;

private:
    ~CotacoesServer() override = default;   // objects come only from com::make
};

class ComprasServer final : public servidor_registro_sessao<ComprasServer, IQVCP_Compras, QV_SESSAO_262> {
public:
    using servidor_registro_sessao::servidor_registro_sessao;

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

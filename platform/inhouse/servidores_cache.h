#pragma once
// Stand-ins of the data servers that the process-wide cache creates and initialises (the
// accounting master, slot 1, is the login's: servidores_login.h). What each
// one does beyond its initialisation comes with the objects that call it; until then every other
// entry answers E_NOTIMPL. The initialisation is recorded in the fault plan as text: company,
// user and session (and the trailing value) for the BSTR forms, the record's bytes in hex
// ("bytes=00 1A ...") for the records passed by value.
#include "inhouse.h"   // widl
#include "platform/inhouse/stand_in.h"

namespace inhouse {

class SaldosContabeisServer final : public stand_in_object<SaldosContabeisServer, IQVCN_SaldosContabeis> {
public:
    using stand_in_object::stand_in_object;
    HRESULT STDMETHODCALLTYPE Reservado03() noexcept override;
    HRESULT STDMETHODCALLTYPE Inicializa(BSTR empresa, WORD usuario, LONG sessao, LONG opcao) noexcept override;
};

class PortadoresServer final : public stand_in_object<PortadoresServer, IQVFN_Portadores> {
public:
    using stand_in_object::stand_in_object;
    HRESULT STDMETHODCALLTYPE Reservado03() noexcept override;
    HRESULT STDMETHODCALLTYPE Reservado04() noexcept override;
    HRESULT STDMETHODCALLTYPE Reservado05() noexcept override;
    HRESULT STDMETHODCALLTYPE Reservado06() noexcept override;
    HRESULT STDMETHODCALLTYPE Inicializa(BSTR empresa, WORD usuario, LONG sessao) noexcept override;
};

class NotasFiscaisServer final : public stand_in_object<NotasFiscaisServer, IQVFT_NotasFiscais> {
public:
    using stand_in_object::stand_in_object;
    HRESULT STDMETHODCALLTYPE Inicializa(QV_SESSAO_34 sessao) noexcept override;
};

class CondicoesPagamentoServer final : public stand_in_object<CondicoesPagamentoServer, IQVFT_CondicoesPagamento> {
public:
    using stand_in_object::stand_in_object;
    HRESULT STDMETHODCALLTYPE Inicializa(BSTR empresa, WORD usuario, LONG sessao) noexcept override;
};

class CategoriasServer final : public stand_in_object<CategoriasServer, IQVDF_Categorias> {
public:
    using stand_in_object::stand_in_object;
    HRESULT STDMETHODCALLTYPE Reservado03() noexcept override;
    HRESULT STDMETHODCALLTYPE Reservado04() noexcept override;
    HRESULT STDMETHODCALLTYPE Reservado05() noexcept override;
    HRESULT STDMETHODCALLTYPE Reservado06() noexcept override;
    HRESULT STDMETHODCALLTYPE Inicializa(QV_SESSAO_36 sessao) noexcept override;
};

class TabelasPrecoServer final : public stand_in_object<TabelasPrecoServer, IQVFT_TabelasPreco> {
public:
    using stand_in_object::stand_in_object;
    HRESULT STDMETHODCALLTYPE Inicializa(BSTR empresa, WORD usuario, LONG sessao, LONG opcao) noexcept override;
};

class AgendamentosServer final : public stand_in_object<AgendamentosServer, IQVFT_Agendamentos> {
public:
    using stand_in_object::stand_in_object;
    HRESULT STDMETHODCALLTYPE Inicializa(BSTR empresa, WORD usuario, LONG sessao) noexcept override;
};

class EstoqueServer final : public stand_in_object<EstoqueServer, IQVES_Estoque> {
public:
    using stand_in_object::stand_in_object;
    HRESULT STDMETHODCALLTYPE Inicializa(BSTR empresa, WORD usuario, LONG sessao, LONG versao) noexcept override;
};

class MestreServer final : public stand_in_object<MestreServer, IQVDF_Mestre> {
public:
    using stand_in_object::stand_in_object;
    HRESULT STDMETHODCALLTYPE Reservado03() noexcept override;
    HRESULT STDMETHODCALLTYPE Reservado04() noexcept override;
    HRESULT STDMETHODCALLTYPE Inicializa(BSTR empresa, WORD usuario, LONG sessao) noexcept override;
};

class RelatoriosMovimentosServer final : public stand_in_object<RelatoriosMovimentosServer, IQVFN_RelatoriosMovimentos> {
public:
    using stand_in_object::stand_in_object;
    HRESULT STDMETHODCALLTYPE Reservado03() noexcept override;
};

class SaldosBancariosServer final : public stand_in_object<SaldosBancariosServer, IQVFN_SaldosBancarios> {
public:
    using stand_in_object::stand_in_object;
    HRESULT STDMETHODCALLTYPE Inicializa(BSTR empresa, WORD usuario, LONG sessao) noexcept override;
};

class MestreComercialServer final : public stand_in_object<MestreComercialServer, IQVFT_MestreComercial> {
public:
    using stand_in_object::stand_in_object;
    HRESULT STDMETHODCALLTYPE Inicializa(BSTR empresa, WORD usuario, LONG sessao) noexcept override;
};

class PedidosServer final : public stand_in_object<PedidosServer, IQVFT_Pedidos> {
public:
    using stand_in_object::stand_in_object;
    HRESULT STDMETHODCALLTYPE Reservado03() noexcept override;
    HRESULT STDMETHODCALLTYPE Inicializa(QV_SESSAO_40 sessao) noexcept override;
};

class OrdensCompraServer final : public stand_in_object<OrdensCompraServer, IQVCP_OrdensCompra> {
public:
    using stand_in_object::stand_in_object;
    HRESULT STDMETHODCALLTYPE Inicializa(QV_SESSAO_262 sessao) noexcept override;
};

class CotacoesServer final : public stand_in_object<CotacoesServer, IQVCP_Cotacoes> {
public:
    using stand_in_object::stand_in_object;
    HRESULT STDMETHODCALLTYPE Inicializa(QV_SESSAO_262 sessao) noexcept override;
};

class ComprasServer final : public stand_in_object<ComprasServer, IQVCP_Compras> {
public:
    using stand_in_object::stand_in_object;
    HRESULT STDMETHODCALLTYPE Inicializa(QV_SESSAO_262 sessao) noexcept override;
};

class LeiautesServer final : public stand_in_object<LeiautesServer, IQVGE_Leiautes> {
public:
    using stand_in_object::stand_in_object;
    HRESULT STDMETHODCALLTYPE Reservado03() noexcept override;
};

// "bytes=" and the bytes in hex, for the argument texts of the fault plans.
std::string hex_bytes(const void* data, size_t size);

}  // namespace inhouse

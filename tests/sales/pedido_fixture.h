#pragma once
// An order-entry test: the demo company's registers in the store (published for the plain
// connections), a counting task allocator in place of COM's, and an in-process orders server
// that keeps what Grava sent it (the record, its items and instalments as bytes) and answers what
// the test scripts.
#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "platform/com/com_ptr.h"
#include "platform/com/object.h"
#include "platform/inhouse/core/store_processo.h"
#include "sales/CTW_FT_Pedido.h"
#include "sales/servidor_pedidos.h"
#include "tests/ftlibrary/alocador_contador.h"
#include "tests/ftlibrary/bytes_registro.h"
#include "tests/masterdata/produtos_fixture.h"

// What one Grava received.
struct pedido_recebido {
    long zero = -1;
    long sessao = 0;
    bytes_registro<2208> pedido;
    std::vector<bytes_registro<1524>> itens;
    std::vector<bytes_registro<126>> parcelas;
    std::string observacoes;
};

class pedidos_falso final : public com::unlocked_object<pedidos_falso, IQVFT_Pedidos> {
public:
    // The answers of the next saves (HRESULT, count); S_OK with 1 when none is left.
    std::deque<std::pair<HRESULT, LONG>> respostas;
    std::vector<pedido_recebido> recebidos;

    HRESULT STDMETHODCALLTYPE Reservado03() noexcept override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Inicializa(QV_SESSAO_40) noexcept override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Reservado05() noexcept override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reservado06() noexcept override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reservado07() noexcept override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Grava(LONG zero, QV_PEDIDO_2208 pedido, LONG sessao, LONG* saida) noexcept override;
    HRESULT STDMETHODCALLTYPE NumeroMes(WORD, LONG*) noexcept override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE BuscaPedidos(QV_FAIXA_PEDIDOS_16, QV_FILTRO_PEDIDOS_1014, BYTE**) noexcept override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE LePedido(LONG, LONG, BYTE**) noexcept override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE LeListaPedido(LONG, BYTE*) noexcept override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE RelatorioPedidos(QV_RELATORIO_PEDIDOS_834) noexcept override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Finaliza() noexcept override { return E_NOTIMPL; }

private:
    ~pedidos_falso() override = default;
};

class pedido_fixture : public produtos_fixture {
protected:
    pedido_fixture();
    ~pedido_fixture() override;

    // The order road's calls with the demo's codes; each returns the HRESULT and the answer.
    HRESULT adiciona(const char* codigo, const char* quantidade, const char* valor, const char* g1 = "",
                     const char* g2 = "", const char* complemento = "", const char* desconto = "0",
                     unsigned char percentual = 0, const char* icms = "0", const char* ipi = "0", const char* st = "0",
                     VARIANT_BOOL* sucesso = nullptr);
    // SetDados with the demo's branch 1, customer C001, and the given texts.
    struct cabecalho {
        std::string filial = "1", cliente = "C001", frete = "emitente", via = "rodoviario", volumes = "3",
                    observacoes = "Entregar pela manhã", condicao = "2", cobranca = "CS", oc = "OC-77",
                    local = "Doca 3", transportadora = "", emissao = "10/12/2026", entrega = "20/12/2026";
    };
    HRESULT set_dados(const cabecalho& c, VARIANT_BOOL* sucesso = nullptr);
    HRESULT set_dados(VARIANT_BOOL* sucesso = nullptr) { return set_dados(cabecalho{}, sucesso); }
    HRESULT grava(VARIANT_BOOL* sucesso = nullptr);
    template <class M>
    std::string texto(M metodo) {
        return text([&](BSTR* p) { return ((*pedido.get()).*metodo)(p); });
    }
    // A getter's HRESULT alone (its text dropped).
    template <class M>
    HRESULT chama(M metodo) {
        BSTR out = nullptr;
        const HRESULT hr = ((*pedido.get()).*metodo)(&out);
        SysFreeString(out);
        return hr;
    }

    inhouse::publica_store publicada{store()};
    alocador_contador alocador;
    com::com_ptr<pedidos_falso> servidor;
    sales::fonte_servidor_pedidos anterior = nullptr;
    com::com_ptr<sales::CTW_FT_Pedido> pedido;
};

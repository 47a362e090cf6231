#include "ft/ftlibrary/calculo_impostos_info_produto.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "ft/ftlibrary/CCalculaNotaFiscal.h"
#include "masterdata/calculo_impostos_produto.h"

namespace ft {

namespace {

// The product information's questions put to one invoice tax calculation that lives as long as
// the object asking them.
class calculo_nota_fiscal final : public masterdata::calculo_impostos_produto {
public:
    HRESULT Inicializa(const std::string& empresa, WORD usuario, long sessao) override {
        REG_SESSAO_NOTA_FISCAL s{};
        std::memcpy(s.Empresa, empresa.data(), std::min(empresa.size(), sizeof s.Empresa - 1));
        s.Usuario = usuario;
        s.Sessao = static_cast<int32_t>(sessao);
        return m_calculo.Inicializa(s);
    }
    HRESULT SetFilial(WORD posicao, uint32_t segundo_codigo, const inhouse::REG_FILIAL& filial) override {
        m_calculo.SetFilial(posicao, static_cast<uint16_t>(segundo_codigo), filial);
        return S_OK;
    }
    HRESULT SetCliente(const QVCFRT& cliente) override {
        m_calculo.SetCliente(cliente);
        return S_OK;
    }
    HRESULT CalculaProduto(uint32_t produto, WORD dia, masterdata::aliquotas_produto& aliquotas) override {
        REG_IMPOSTOS_PRODUTO_NF r{};
        // Nature 0: every tax charged, no nature read.
        if (const HRESULT hr = m_calculo.CalculaProduto(static_cast<int32_t>(produto), 0, dia, &r); FAILED(hr)) return hr;
        aliquotas.icms = r.AliquotaICMS;
        aliquotas.ipi = r.AliquotaIPI;
        aliquotas.icms_st = r.AliquotaICMSST;
        aliquotas.calcula_icms = r.CalculaICMS;
        aliquotas.calcula_ipi = r.CalculaIPI;
        return S_OK;
    }

private:
    CCalculaNotaFiscal m_calculo;
};

}  // namespace

void registra_calculo_impostos_info_produto() noexcept {
    masterdata::registra_calculo_impostos_produto(
        [] { return std::unique_ptr<masterdata::calculo_impostos_produto>(new calculo_nota_fiscal); });
}

}  // namespace ft

#pragma once
// The stock reports: stock register, stock movements, inventory and reorder point. The client
// sets model, type and filters; the stock server of the cache writes the report, which the report
// base hands back as report text or as a PDF.
#include "VAVEDERAZur.h"
#include "sales/produtos_relatorio.h"
#include "sales/relatorio_vendas_base.h"
#include "server/root/relatorio_com.h"

namespace sales {

// The stock kind code's bits and the options word's bits, as the stock server reads them.
namespace estoque {
inline constexpr uint8_t ep = 1, ept = 2, etpe = 4;
inline constexpr uint16_t consolida_grades = 2, analitico = 8;
inline constexpr uint16_t lista_etpe = 0x40, inventario = 0x80, ignora_inativos = 0x100;
}  // namespace estoque

class CTW_ES_RelatorioRegistroEstoque final
    : public server::relatorio_com<CTW_ES_RelatorioRegistroEstoque, ITW_ES_RelatorioRegistroEstoque,
                                   relatorio_vendas_base> {
public:
    HRESULT STDMETHODCALLTYPE SetDataInicial(BSTR bsData) noexcept override;
    HRESULT STDMETHODCALLTYPE SetDataFinal(BSTR bsData) noexcept override;
    HRESULT STDMETHODCALLTYPE SetFilial(BSTR bsFilial) noexcept override;
    HRESULT STDMETHODCALLTYPE SetEP(VARIANT_BOOL vb) noexcept override { m_vbEP = vb; return S_OK; }
    HRESULT STDMETHODCALLTYPE SetEPT(VARIANT_BOOL vb) noexcept override { m_vbEPT = vb; return S_OK; }
    HRESULT STDMETHODCALLTYPE SetETPE(VARIANT_BOOL vb) noexcept override { m_vbETPE = vb; return S_OK; }
    HRESULT STDMETHODCALLTYPE SetConsolidaGrades(VARIANT_BOOL vb) noexcept override { m_vbConsolida = vb; return S_OK; }
    HRESULT STDMETHODCALLTYPE SetTipoEstoque() noexcept override;
    HRESULT STDMETHODCALLTYPE SetOpcoes() noexcept override;
    HRESULT STDMETHODCALLTYPE AdicionaProduto(BSTR bsProduto, BSTR bsGrade1, BSTR bsGrade2, BSTR bsGrade3,
                                              BSTR* bsRetorno) noexcept override;
    HRESULT STDMETHODCALLTYPE AtualizaTipoRelatorio(BSTR bsTipoRelatorio, short* sRetorno) noexcept override;
    HRESULT STDMETHODCALLTYPE SetTipoRelatorioAnalitico(VARIANT_BOOL vb) noexcept override { m_vbAnalitico = vb; return S_OK; }

    server::arquivo_temporario GravaRelatorio() override;

private:
    ~CTW_ES_RelatorioRegistroEstoque() override = default;   // objects come only from com::make

    VARIANT_BOOL m_vbAnalitico = VARIANT_FALSE, m_vbEP = VARIANT_FALSE, m_vbEPT = VARIANT_FALSE,
                 m_vbETPE = VARIANT_FALSE, m_vbConsolida = VARIANT_FALSE;
    uint16_t m_usOpcoes = 0;
    uint8_t m_cTipoEstoque = 0;
    produtos_relatorio m_produtos;
};

class CTW_ES_RelatorioMovimentos final
    : public server::relatorio_com<CTW_ES_RelatorioMovimentos, ITW_ES_RelatorioMovimentos, relatorio_vendas_base> {
public:
    HRESULT STDMETHODCALLTYPE SetDataInicial(BSTR bsData) noexcept override;
    HRESULT STDMETHODCALLTYPE SetDataFinal(BSTR bsData) noexcept override;
    HRESULT STDMETHODCALLTYPE SetNomeLocais(BSTR bsNome) noexcept override;
    HRESULT STDMETHODCALLTYPE SetTipoEstoque(VARIANT_BOOL vbEP, VARIANT_BOOL vbEPT, VARIANT_BOOL vbETPE) noexcept override;
    HRESULT STDMETHODCALLTYPE SetNomeLocal(short iNomeLocal) noexcept override;
    HRESULT STDMETHODCALLTYPE AdicionaProduto(BSTR bsProduto, BSTR bsGrade1, BSTR bsGrade2, BSTR bsGrade3,
                                              BSTR* bsRetorno) noexcept override;

    server::arquivo_temporario GravaRelatorio() override;

private:
    ~CTW_ES_RelatorioMovimentos() override = default;   // objects come only from com::make

    std::string m_sNomeLocais;   // kept: no request carries it
    uint8_t m_cTipoEstoque = 0;
    uint16_t m_usLocais = 0;
    produtos_relatorio m_produtos;
};

class CTW_ES_RelatorioInventario final
    : public server::relatorio_com<CTW_ES_RelatorioInventario, ITW_ES_RelatorioInventario, relatorio_vendas_base> {
public:
    HRESULT STDMETHODCALLTYPE SetDataInicial(BSTR bsData) noexcept override;
    HRESULT STDMETHODCALLTYPE SetDataFinal(BSTR bsData) noexcept override;
    HRESULT STDMETHODCALLTYPE SetFilial(BSTR bsFilial) noexcept override;
    HRESULT STDMETHODCALLTYPE SetProduto(BSTR bsProduto) noexcept override;
    HRESULT STDMETHODCALLTYPE SetInventario(VARIANT_BOOL vb) noexcept override { m_vbInventario = vb; return S_OK; }
    HRESULT STDMETHODCALLTYPE SetListaETPE(VARIANT_BOOL vb) noexcept override { m_vbListaETPE = vb; return S_OK; }
    HRESULT STDMETHODCALLTYPE SetIgnoraInativos(VARIANT_BOOL vb) noexcept override { m_vbIgnoraInativos = vb; return S_OK; }
    HRESULT STDMETHODCALLTYPE SetOpcoes() noexcept override;

    server::arquivo_temporario GravaRelatorio() override;

private:
    ~CTW_ES_RelatorioInventario() override = default;   // objects come only from com::make

    VARIANT_BOOL m_vbInventario = VARIANT_FALSE, m_vbListaETPE = VARIANT_FALSE, m_vbIgnoraInativos = VARIANT_FALSE;
    uint16_t m_usOpcoes = 0;
    long m_lProduto = 0;
};

class CTW_ES_RelatorioPontoReposicao final
    : public server::relatorio_com<CTW_ES_RelatorioPontoReposicao, ITW_ES_RelatorioPontoReposicao, relatorio_vendas_base> {
public:
    HRESULT STDMETHODCALLTYPE SetFilial(BSTR bsFilial) noexcept override;
    HRESULT STDMETHODCALLTYPE SetData(BSTR bsData) noexcept override;

    server::arquivo_temporario GravaRelatorio() override;

private:
    ~CTW_ES_RelatorioPontoReposicao() override = default;   // objects come only from com::make

    uint16_t m_usData = 0;   // kept: no request carries it
};

}  // namespace sales

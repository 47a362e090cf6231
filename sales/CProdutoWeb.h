#pragma once
// One product or service of the web catalogue (ProgID ZidizUvi.ProdutoWeb): a copy of the record
// the catalogue read, with the price of the catalogue's price table, answered as texts; the tax
// rates through a one-item run of the invoice tax calculation. The catalogue's product connection
// is borrowed (the catalogue is kept alive); an object a client created itself has none and
// answers the record getters empty and the reads that need a connection with E_UNEXPECTED.
#include <memory>

#include "VAVEDERAZur.h"
#include "masterdata/calculo_impostos_produto.h"
#include "platform/com/com_ptr.h"
#include "platform/com/object.h"
#include "platform/inhouse/acesso/QVAcesso.h"
#include "platform/inhouse/produtos/registros_produto.h"
#include "server/holders/CBufferCFRT.h"
#include "server/process/class_table.h"
#include "inhouse_cache.h"

namespace sales {

class CProdutoWeb final : public com::object<CProdutoWeb, IProdutoWeb> {
public:
    static constexpr com::class_info info = server::class_info_of(L"ProdutoWeb", &CLSID_ProdutoWeb);

    HRESULT STDMETHODCALLTYPE get_Nome(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Codigo(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Classificacao(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Unidade(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Posicao(LONG* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_PrecoVenda(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE GetPosGrade(INT i, USHORT* pusPosicao) noexcept override;
    HRESULT STDMETHODCALLTYPE get_ExportaVexaRota(LONG* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE GetAliquotaICMS(IQV_Inicializa* pInicializa, LONG* lFilial, LONG* lCliente,
                                              USHORT* iPtrNatureza, BSTR* pbsAliquota) noexcept override;
    HRESULT STDMETHODCALLTYPE GetAliquotaICMSST(IQV_Inicializa* pInicializa, LONG* lFilial, LONG* lCliente,
                                                USHORT* iPtrNatureza, BSTR* pbsAliquota) noexcept override;
    HRESULT STDMETHODCALLTYPE GetAliquotaIPI(IQV_Inicializa* pInicializa, LONG* lFilial, LONG* lCliente,
                                             USHORT* iPtrNatureza, BSTR* pbsAliquota) noexcept override;
    HRESULT STDMETHODCALLTYPE get_DescontoSugerido(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_DescontoMaximo(BSTR bsTabPrecos, BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_QuantidadePorEmbalagem(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_QuantidadeEmbalagemPorPallet(ULONG* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_QtdInteira(BOOL* pVal) noexcept override;

    // Filled by the catalogue that hands the object out; `dono` keeps the connection alive.
    void SetProduto(CMyConexaoProduto* conexao, com::com_ptr<IUnknown> dono, long posicao, const _REG_PRODUTOPS& produto);
    void SetServico(CMyConexaoProduto* conexao, com::com_ptr<IUnknown> dono, long posicao, const _REG_SERVICOSPS& servico);

    // A rate in hundredths of a percent point as "d,dd"; "0,00" when the flag is clear.
    static std::string FormataAliquota(uint16_t aliquota, bool calcula);
    // The largest discount of a price item on a price (both 8 decimals), rounded to 2 places.
    static std::string FormataDescontoMaximo(int64_t preco, int64_t desconto, bool percentual);

private:
    ~CProdutoWeb() override = default;   // objects come only from com::make

    enum class imposto { icms, icms_st, ipi };
    HRESULT Aliquota(imposto qual, IQV_Inicializa* pInicializa, LONG* lFilial, LONG* lCliente, USHORT* iPtrNatureza,
                     BSTR* pbsAliquota) noexcept;

    uint8_t m_tipo = 0;   // 0 product, 1 service
    long m_posicao = 0;
    _REG_PRODUTOPS m_produto{};
    _REG_SERVICOSPS m_servico{};
    CMyConexaoProduto* m_conexao = nullptr;
    com::com_ptr<IUnknown> m_dono;
    // The tax calculation and the servers it is fed from, made on the first rate asked for and
    // kept for the next ones.
    std::unique_ptr<masterdata::calculo_impostos_produto> m_calculo;
    std::unique_ptr<CConexaoFilial> m_filial;
    com::com_ptr<IQVFT_MestreComercial> m_mestre;
    std::unique_ptr<CBufferCFRT> m_cfrt;
};

}  // namespace sales

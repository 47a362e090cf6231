#pragma once
// The product and service catalogue of the older web pages (ProgID ZidizUvi.Produtos): the
// products of a price table (or the services) as a list of pointers read one by one as
// CProdutoWeb objects or as blocks of 1,000 HTML rows, look-ups by code, a product's price in a
// table and grid combination, grids and grid items, and the usable price tables. It owns its
// product, service and grid connections (not the process-wide pool). A price table that is not
// found (or an empty code) is table 1. Calls before Inicializa fail with E_UNEXPECTED.
#include <string>
#include <vector>

#include "VAVEDERAZur.h"
#include "platform/com/com_ptr.h"
#include "platform/com/object.h"
#include "platform/inhouse/acesso/QVAcesso.h"
#include "server/process/class_table.h"

namespace sales {

class CProdutos final : public com::object<CProdutos, IProdutos> {
public:
    static constexpr com::class_info info = server::class_info_of(L"Produtos", &CLSID_Produtos);

    CProdutos();

    HRESULT STDMETHODCALLTYPE Inicializa(IQV_Inicializa* pInicializa) noexcept override;
    HRESULT STDMETHODCALLTYPE GetProduto(LONG lPosicao, BSTR bsTabelaPrecos, IProdutoWeb** ppProduto) noexcept override;
    HRESULT STDMETHODCALLTYPE GetServico(LONG lPosicao, BSTR bsTabelaPrecos, IProdutoWeb** ppServico) noexcept override;
    HRESULT STDMETHODCALLTYPE BuscaApenasPonteirosProdutos(BSTR bsTabelaPrecos, LONG* lQuantidade) noexcept override;
    HRESULT STDMETHODCALLTYPE BuscaApenasPonteirosServicos(BSTR bsTabelaPrecos, LONG* lQuantidade) noexcept override;
    HRESULT STDMETHODCALLTYPE Existe(BSTR bsCodigo, BSTR bsTipo, BSTR bsTabelaPrecos, IProdutoWeb** ppProduto) noexcept override;
    HRESULT STDMETHODCALLTYPE ExisteServico(BSTR bsCodigo, BSTR bsTipo, BSTR bsTabelaPrecos,
                                            IProdutoWeb** ppServico) noexcept override;
    HRESULT STDMETHODCALLTYPE LeProduto(LONG lPos, BSTR bsTabelaPrecos, IProdutoWeb** ppProduto) noexcept override;
    HRESULT STDMETHODCALLTYPE LeServico(LONG lPos, BSTR bsTabelaPrecos, IProdutoWeb** ppServico) noexcept override;
    HRESULT STDMETHODCALLTYPE BuscaTabelasDePreco(BOOL bProduto, BOOL bVenda,
                                                  IResultadoBuscaTabelaDePreco** ppResultado) noexcept override;
    HRESULT STDMETHODCALLTYPE LeGradeProduto(USHORT iPosGrade, IGradeProduto** ppGrade) noexcept override;
    HRESULT STDMETHODCALLTYPE LeItemGradeProduto(USHORT iPosGrade, USHORT iPosItem, IItemGradeProduto** ppItem) noexcept override;
    HRESULT STDMETHODCALLTYPE ExisteItemGradeProduto(USHORT iPosGrade, BSTR bsCodItem, IItemGradeProduto** ppItem) noexcept override;
    HRESULT STDMETHODCALLTYPE BuscaItensGradeProduto(USHORT iPosGrade,
                                                     IResultadoBuscaPonteirosItemGradeProduto** ppResultado) noexcept override;
    HRESULT STDMETHODCALLTYPE TabelaProdutos(BSTR bsTabelaPrecos, USHORT iIteracao, BSTR* pbsTabela) noexcept override;
    HRESULT STDMETHODCALLTYPE GetPrecoProduto(BSTR bsCodigo, BSTR bsGrade1, BSTR bsGrade2, BSTR bsGrade3, BSTR bsTabelaPrecos,
                                              BSTR* pbsPreco) noexcept override;

    // The rows of one block of the product list (for the benchmark and the tests).
    std::string Linhas(BSTR bsTabelaPrecos, USHORT iIteracao);

    static constexpr size_t linhas_por_bloco = 1000;

private:
    ~CProdutos() override = default;   // objects come only from com::make

    void VerificaInicializado() const;
    WORD TabelaProdutosDe(BSTR bsTabelaPrecos);
    WORD TabelaServicosDe(BSTR bsTabelaPrecos);
    com::com_ptr<IUnknown> EuMesmo();
    com::com_ptr<IProdutoWeb> NovoProduto(long ponteiro, const _REG_PRODUTOPS& produto);
    com::com_ptr<IProdutoWeb> NovoServico(long ponteiro, const _REG_SERVICOSPS& servico);

    std::vector<long> m_produtos;
    std::vector<long> m_servicos;
    bool m_inicializado = false;
    CMyConexaoProduto m_conexao;
    CConexaoServico m_conexao_servicos;
    CConexaoGradesProduto m_grades;
    com::com_ptr<IQV_Inicializa> m_raiz;
};

}  // namespace sales

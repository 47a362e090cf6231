#pragma once
// The commercial operations open to web clients, through the process-wide pool's commercial
// operations connection: the first BuscaPonteiros lists the operations of the note type (sale)
// that are not closed to the web and keeps them; the filters (branch, product, customer, the
// chosen operation) are the object's own: the pool's connection serves every page of the
// process, so each suggestion hands it this object's filters first.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "VAVEDERAZur.h"
#include "platform/com/object.h"
#include "platform/inhouse/acesso/CConexaoOpComerciais.h"

namespace masterdata {

class CTW_DF_OperacoesComerciais final
    : public com::object<CTW_DF_OperacoesComerciais, ITW_DF_OperacoesComerciais> {
public:
    HRESULT STDMETHODCALLTYPE BuscaPonteiros(ULONG* pulQuantidade) noexcept override;
    HRESULT STDMETHODCALLTYPE LePosicao(ULONG ulPosArray) noexcept override;
    HRESULT STDMETHODCALLTYPE GetCodigo(BSTR* pbsCodigo) noexcept override;
    HRESULT STDMETHODCALLTYPE GetDescricao(BSTR* pbsDescricao) noexcept override;
    HRESULT STDMETHODCALLTYPE LeCodigo(BSTR bsCodigo, VARIANT_BOOL* pvbExiste) noexcept override;
    HRESULT STDMETHODCALLTYPE Existe(BSTR bsCodigo, LONG* lValue) noexcept override;
    HRESULT STDMETHODCALLTYPE GetCfopSugerida(LONG* lValue) noexcept override;
    HRESULT STDMETHODCALLTYPE SetOpComercial(LONG lPonteiro) noexcept override;
    HRESULT STDMETHODCALLTYPE SetFilial(LONG lFilial) noexcept override;
    HRESULT STDMETHODCALLTYPE SetProduto(BSTR sProduto) noexcept override;
    HRESULT STDMETHODCALLTYPE SetCliente(BSTR sCliente) noexcept override;
    HRESULT STDMETHODCALLTYPE GetIcmsSugerido(BSTR* bsValue) noexcept override;

private:
    ~CTW_DF_OperacoesComerciais() override = default;   // objects come only from com::make

    static CConexaoOpComerciais& conexao();
    // The pool's connection with this object's filters.
    CConexaoOpComerciais& conexao_filtrada();

    struct m_Operacao {
        std::string codigo;
        std::string descricao;
    };
    std::string m_sCodigo;
    std::string m_sDescricao;
    uint8_t m_cTipoNF = 2;
    std::vector<m_Operacao> m_operacoes;
    // The filters set on this object (null: not set).
    DWORD m_lOpComercial = 0;
    WORD m_wFilial = 0;
    std::unique_ptr<inhouse::REG_FILIAL> m_filial;
    std::unique_ptr<_REG_PRODUTOPS> m_produto;
    std::unique_ptr<QVCFRT> m_cliente;
};

}  // namespace masterdata

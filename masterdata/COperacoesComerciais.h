#pragma once
// The commercial operations of the older pages (IOperacoesComerciais), made by the root object's
// FT_OperacoesComerciais with the root's session: its own commercial operations connection (note
// type sale), the operations read by the position of the last count or by server position, the
// filters read through connections made for each call, and the suggested CFOP and ICMS. Every
// method answers S_OK, a position outside the last count excepted; what cannot be read is empty.
#include <windows.h>

#include <string>
#include <vector>

#include "VAVEDERAZur.h"
#include "platform/com/object.h"
#include "platform/inhouse/acesso/CConexaoOpComerciais.h"

namespace masterdata {

class COperacoesComerciais final : public com::object<COperacoesComerciais, IOperacoesComerciais> {
public:
    // Keeps the session, initialises the connection with it and sets the note type (sale).
    void Inicializa(const std::string& empresa, WORD usuario, long sessao);

    HRESULT STDMETHODCALLTYPE LeNome(LONG lPos, BSTR* pbsNome) noexcept override;
    HRESULT STDMETHODCALLTYPE LeCodigo(LONG lPos, BSTR* pbsCodigo) noexcept override;
    HRESULT STDMETHODCALLTYPE Quantidade(LONG* plQuantidade) noexcept override;
    HRESULT STDMETHODCALLTYPE Existe(BSTR bsCodigo, LONG* plValor) noexcept override;
    HRESULT STDMETHODCALLTYPE LeDescricao(LONG lPos, BSTR* pbsDescricao) noexcept override;
    HRESULT STDMETHODCALLTYPE GetCfopSugerida(LONG* plCfop) noexcept override;
    HRESULT STDMETHODCALLTYPE GetIcmsSugerido(BSTR* pbsIcms) noexcept override;
    HRESULT STDMETHODCALLTYPE SetOpComercial(LONG lPonteiro) noexcept override;
    HRESULT STDMETHODCALLTYPE SetFilial(LONG lFilial) noexcept override;
    HRESULT STDMETHODCALLTYPE SetProduto(BSTR sProduto) noexcept override;
    HRESULT STDMETHODCALLTYPE SetCliente(BSTR sCliente) noexcept override;
    HRESULT STDMETHODCALLTYPE LeCodigoPtr(LONG lPtr, BSTR* pbsCodigo) noexcept override;
    HRESULT STDMETHODCALLTYPE LeIndisponivelWebPtr(LONG lPtr, VARIANT_BOOL* bValue) noexcept override;
    HRESULT STDMETHODCALLTYPE LeIndisponivelWeb(LONG lPos, VARIANT_BOOL* bValue) noexcept override;

private:
    ~COperacoesComerciais() override = default;   // objects come only from com::make

    // The record at a server position (zeroed when it cannot be read).
    _REG_DFSNTF_OPERACOES_COMERCIAIS_PS LePtr(LONG ponteiro);
    // The record at the position kept at index lPos; false when lPos is outside the last count.
    bool LeKept(LONG lPos, _REG_DFSNTF_OPERACOES_COMERCIAIS_PS& registro);

    std::string m_sEmpresa;
    WORD m_wUsuario = 0;
    long m_lSessao = 0;
    CConexaoOpComerciais m_conexao;
    std::vector<WORD> m_posicoes;   // the positions of the last Quantidade
};

}  // namespace masterdata

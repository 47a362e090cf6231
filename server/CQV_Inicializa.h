#pragma once
// The root object: clients log in here and obtain every other object from it.
#include "VAVEDERAZur.h"
#include "CTW_Inicializa.h"
#include "class_table.h"
#include "platform/com/dispatch_object.h"

namespace server {

class CQV_Inicializa final : public com::dispatch_object<CQV_Inicializa, IQV_Inicializa> {
public:
    static constexpr com::class_info info = class_info_of(L"QV_Inicializa", &CLSID_QV_Inicializa);

    ~CQV_Inicializa() override;

    // IQV_Inicializa, in interface order
    HRESULT STDMETHODCALLTYPE Inicializa(BSTR bsEmpresa, BSTR bsUsuario, BSTR bsSenha, INT* pResult) noexcept override;
    HRESULT STDMETHODCALLTYPE Finaliza() noexcept override;
    HRESULT STDMETHODCALLTYPE get_m_sEmpresa(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_m_sRazaoSocial(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_m_iUsuario(LONG* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_m_lNumeroSessao(LONG* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_m_bInicializado(LONG* pVal) noexcept override;

private:
    CTW_Inicializa m_sessao;
};

}  // namespace server

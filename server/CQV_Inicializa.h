#pragma once
// The root object: clients log in here and obtain every other object from it.
#include <map>
#include <string>

#include "CControleSaldos.h"
#include "CDadosTavon.h"
#include "CTW_Inicializa.h"
#include "VAVEDERAZur.h"
#include "class_table.h"
#include "platform/com/com_ptr.h"
#include "platform/com/dispatch_object.h"
#include "platform/inhouse/CConexaoGedSrv.h"
#include "platform/inhouse/CConexaoUsuario.h"

namespace server {

class CQV_Inicializa final : public com::dispatch_object<CQV_Inicializa, IQV_Inicializa> {
public:
    static constexpr com::class_info info = class_info_of(L"QV_Inicializa", &CLSID_QV_Inicializa);

    CQV_Inicializa();
    ~CQV_Inicializa() override;

    // IQV_Inicializa, in interface order
    HRESULT STDMETHODCALLTYPE Inicializa(BSTR bsEmpresa, BSTR bsUsuario, BSTR bsSenha, INT* pResult) noexcept override;
    HRESULT STDMETHODCALLTYPE Finaliza() noexcept override;
    HRESULT STDMETHODCALLTYPE get_m_sEmpresa(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_m_sRazaoSocial(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_m_iUsuario(LONG* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_m_lNumeroSessao(LONG* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_m_bInicializado(LONG* pVal) noexcept override;

    // The session record the holder points at after a login (tests and the factories).
    const CTW_Inicializa& sessao() const noexcept { return m_sessao; }
    // The session data cache this root object owns.
    CDadosTavon& dados_tavon() noexcept { return m_dados_tavon; }

private:
    HRESULT login(BSTR bsEmpresa, BSTR bsUsuario, BSTR bsSenha, int* pResult);

    // Declared in the reverse of their destruction order.
    CTW_Inicializa m_sessao;
    CConexaoUsuario m_conexao_usuario;
    CSilentConexaoGedSrv m_conexao_ged;
    // The rights already asked: "<module>_<control>" -> "S" or "".
    std::map<std::string, std::string> m_direitos;
    com::com_ptr<IUnknown> m_cotacao;          // the quotation object handed out by CotacaoWeb
    com::com_ptr<IUnknown> m_atendimento;      // the attendance connection object
    CControleSaldos m_controle_saldos;
    CDadosTavon m_dados_tavon;
};

}  // namespace server

#pragma once
// The company's branches for older clients (ProgID ZidizUvi.Filiais): initialised with a session,
// it lists every branch or the user's active ones and hands out one CFilial per branch through
// Proxima, Le and Existe. A branch's Active property reads and writes the user's flag here.
#include <list>
#include <string>

#include "VAVEDERAZur.h"
#include "platform/com/object.h"
#include "platform/inhouse/acesso/CConexaoUsuario.h"
#include "platform/inhouse/acesso/QVAcesso.h"
#include "platform/inhouse/login/registros_login.h"
#include "server/process/class_table.h"

namespace masterdata {

class CFiliais final : public com::object<CFiliais, IFiliais> {
public:
    static constexpr com::class_info info = server::class_info_of(L"Filiais", &CLSID_Filiais);

    CFiliais();

    HRESULT STDMETHODCALLTYPE get_QtdFiliaisAtivas(LONG* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE BuscaAtivas(LONG* Quantidade) noexcept override;
    HRESULT STDMETHODCALLTYPE Proxima(IFilial** ppFilial) noexcept override;
    HRESULT STDMETHODCALLTYPE Inicializa(IQV_Inicializa* pInicializa) noexcept override;
    HRESULT STDMETHODCALLTYPE Le(LONG Posicao, IFilial** ppFilial) noexcept override;
    HRESULT STDMETHODCALLTYPE BuscaTodas(LONG* Quantidade) noexcept override;
    HRESULT STDMETHODCALLTYPE Existe(BSTR bsCodigo, IFilial** ppFilial) noexcept override;
    HRESULT STDMETHODCALLTYPE Inicializa2(BSTR bsEmpresa, LONG lUsuario, LONG lNumeroSessao) noexcept override;

    // The user's flag of the branch at a register position (FALSE outside 0 to 999).
    virtual HRESULT GetAtiva(LONG posicao, VARIANT_BOOL* pvbAtiva) noexcept;
    // Sets (any value but 0) or clears the flag and writes the user's whole block at once; only
    // a user with every right may, and only for positions 1 to 999.
    virtual HRESULT SetAtiva(LONG posicao, VARIANT_BOOL vbAtiva) noexcept;

private:
    ~CFiliais() override = default;   // objects come only from com::make

    // A new branch object for the record read at `posicao`.
    com::com_ptr<IFilial> nova_filial(long posicao, const inhouse::REG_FILIAL& registro);

    CConexaoFilial m_conexao_filial;
    CConexaoUsuario m_conexao_usuario;
    std::string m_sEmpresa;
    LONG m_lNumeroSessao = 0;
    WORD m_iUsuario = 0;
    inhouse::FILIAIS_ATIVAS m_filiais{};
    std::list<LONG> m_posicoes;   // still to hand out through Proxima
};

}  // namespace masterdata

#pragma once
// The states of the company's register, one CEstado at a time, over a connection of its own that
// the client initialises from the root object (ProgID ZidizUvi.QVDF_Estados.1). Each IniciaBusca
// reloads the register sorted by abbreviation, whatever the case.
#include <vector>

#include "VAVEDERAZur.h"
#include "platform/com/object.h"
#include "platform/inhouse/acesso/CConexaoEstado.h"
#include "server/process/class_table.h"

namespace masterdata {

class CQVDF_Estados final : public com::object<CQVDF_Estados, IQVDF_Estados> {
public:
    static constexpr com::class_info info = server::class_info_of(L"QVDF_Estados", &CLSID_QVDF_Estados);

    HRESULT STDMETHODCALLTYPE Inicializa(IQV_Inicializa* pInicializa) noexcept override;
    HRESULT STDMETHODCALLTYPE IniciaBusca(LONG* pQuantidade) noexcept override;
    HRESULT STDMETHODCALLTYPE Proximo(IEstado** ppEstado) noexcept override;

private:
    ~CQVDF_Estados() override = default;   // objects come only from com::make

    bool m_bInicializado = false;
    CConexaoEstado m_Conexao;
    LONG m_lCursor = 0;
    std::vector<inhouse::REG_ESTADO_ENTRADA> m_Estados;
};

}  // namespace masterdata

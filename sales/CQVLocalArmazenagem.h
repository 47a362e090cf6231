#pragma once
// One stock storage place (ProgID ZidizUvi.QVLocalArmazenagem): the 156-byte record the
// storage-places server answered, read through three properties. A client that creates one
// itself reads empty texts (and a type of one NUL character).
#include "VAVEDERAZur.h"
#include "platform/com/object.h"
#include "platform/inhouse/armazenagem/registros_armazenagem.h"
#include "server/process/class_table.h"

namespace sales {

class CQVLocalArmazenagem final : public com::object<CQVLocalArmazenagem, IQVLocalArmazenagem> {
public:
    static constexpr com::class_info info = server::class_info_of(L"QVLocalArmazenagem", &CLSID_QVLocalArmazenagem);

    HRESULT STDMETHODCALLTYPE get_Codigo(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Nome(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Tipo(BSTR* pVal) noexcept override;

    void SetRegistro(const inhouse::REG_LOCAL_ARMAZENAGEM& registro) noexcept { m_registro = registro; }

private:
    ~CQVLocalArmazenagem() override = default;   // objects come only from com::make

    inhouse::REG_LOCAL_ARMAZENAGEM m_registro{};
};

}  // namespace sales

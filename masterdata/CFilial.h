#pragma once
// One branch (ProgID ZidizUvi.Filial): its code, name and register position, and whether the
// user of the CFiliais that made it may work there. It keeps that CFiliais alive: the Active
// property reads and writes the user's flags there.
#include <cstdint>
#include <string>

#include "VAVEDERAZur.h"
#include "platform/com/com_ptr.h"
#include "platform/com/object.h"
#include "server/process/class_table.h"

namespace masterdata {

class CFiliais;

class CFilial final : public com::object<CFilial, IFilial> {
public:
    static constexpr com::class_info info = server::class_info_of(L"Filial", &CLSID_Filial);

    HRESULT STDMETHODCALLTYPE get_Codigo(USHORT* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_Codigo(USHORT newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Nome(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_Nome(BSTR newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Active(VARIANT_BOOL* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_Active(VARIANT_BOOL newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Posicao(LONG* pVal) noexcept override;

    // Filled by the CFiliais that hands the object out.
    void Define(uint16_t codigo, std::string nome, LONG posicao, com::com_ptr<CFiliais> dono);

private:
    ~CFilial() override;   // objects come only from com::make

    uint16_t m_Codigo = 0;
    std::string m_Nome;
    LONG m_lPosicao = 0;
    com::com_ptr<CFiliais> m_dono;   // null for an object a client created itself
};

}  // namespace masterdata

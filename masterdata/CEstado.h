#pragma once
// One state of the company's register as the state enumerator hands it out (ProgID
// ZidizUvi.Estado.1); every property can also be written by the client.
#include <cstdint>

#include "VAVEDERAZur.h"
#include "masterdata/texto_bstr.h"
#include "platform/com/object.h"
#include "server/process/class_table.h"

namespace masterdata {

class CEstado final : public com::object<CEstado, IEstado> {
public:
    static constexpr com::class_info info = server::class_info_of(L"Estado", &CLSID_Estado);

    HRESULT STDMETHODCALLTYPE get_Nome(BSTR* pVal) noexcept override { return m_Nome.get(pVal); }
    HRESULT STDMETHODCALLTYPE put_Nome(BSTR newVal) noexcept override { return m_Nome.put(newVal); }
    HRESULT STDMETHODCALLTYPE get_Sigla(BSTR* pVal) noexcept override { return m_Sigla.get(pVal); }
    HRESULT STDMETHODCALLTYPE put_Sigla(BSTR newVal) noexcept override { return m_Sigla.put(newVal); }
    HRESULT STDMETHODCALLTYPE get_Exterior(VARIANT_BOOL* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE put_Exterior(VARIANT_BOOL newVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_RegiaoGeo(BSTR* pVal) noexcept override { return m_RegiaoGeo.get(pVal); }
    HRESULT STDMETHODCALLTYPE put_RegiaoGeo(BSTR newVal) noexcept override { return m_RegiaoGeo.put(newVal); }
    HRESULT STDMETHODCALLTYPE get_RegiaoFiscal(BSTR* pVal) noexcept override { return m_RegiaoFiscal.get(pVal); }
    HRESULT STDMETHODCALLTYPE put_RegiaoFiscal(BSTR newVal) noexcept override { return m_RegiaoFiscal.put(newVal); }

    // For the enumerator: fills the object from a register entry (texts CP1252); a region code
    // outside the tables leaves that property as it was. Throws on allocation failure.
    void Preenche(const char* nome, const char* sigla, bool exterior, uint8_t regiao_geo, uint8_t regiao_fiscal);

private:
    ~CEstado() override = default;   // objects come only from com::make

    texto_bstr m_Nome;
    texto_bstr m_Sigla;
    VARIANT_BOOL m_Exterior = VARIANT_FALSE;
    texto_bstr m_RegiaoGeo;
    texto_bstr m_RegiaoFiscal;
};

}  // namespace masterdata

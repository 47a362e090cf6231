#pragma once
// One municipality of the company's register as the municipality enumerator hands it out (ProgID
// ZidizUvi.Municipio.1); the client may change every property but the register position.
#include "VAVEDERAZur.h"
#include "masterdata/texto_bstr.h"
#include "platform/com/object.h"
#include "platform/com/out_param.h"
#include "platform/inhouse/localidades/registros_localidades.h"
#include "server/process/class_table.h"

namespace masterdata {

class CMunicipio final : public com::object<CMunicipio, IMunicipio> {
public:
    static constexpr com::class_info info = server::class_info_of(L"Municipio", &CLSID_Municipio);

    HRESULT STDMETHODCALLTYPE get_Nome(BSTR* pVal) noexcept override { return m_Nome.get(pVal); }
    HRESULT STDMETHODCALLTYPE put_Nome(BSTR newVal) noexcept override { return m_Nome.put(newVal); }
    HRESULT STDMETHODCALLTYPE get_UF(BSTR* pVal) noexcept override { return m_UF.get(pVal); }
    HRESULT STDMETHODCALLTYPE put_UF(BSTR newVal) noexcept override { return m_UF.put(newVal); }
    HRESULT STDMETHODCALLTYPE get_CodigoFiscal(LONG* pVal) noexcept override { return com::put_number(pVal, m_CodigoFiscal); }
    HRESULT STDMETHODCALLTYPE put_CodigoFiscal(LONG newVal) noexcept override { m_CodigoFiscal = newVal; return S_OK; }
    HRESULT STDMETHODCALLTYPE get_CodigoIBGE(LONG* pVal) noexcept override { return com::put_number(pVal, m_CodigoIBGE); }
    HRESULT STDMETHODCALLTYPE put_CodigoIBGE(LONG newVal) noexcept override { m_CodigoIBGE = newVal; return S_OK; }
    HRESULT STDMETHODCALLTYPE get_Posicao(LONG* pVal) noexcept override { return com::put_number(pVal, m_Posicao); }

    // For the enumerator: fills the object from a register entry or record (texts CP1252) and
    // its register position. Throws on allocation failure.
    template <class Registro>
    void Preenche(const Registro& r, LONG posicao) {
        PreencheTextos(r.nome, sizeof r.nome, r.uf, sizeof r.uf);
        m_CodigoIBGE = r.codigo_ibge;
        m_CodigoFiscal = r.codigo_fiscal;
        m_Posicao = posicao;
    }

private:
    ~CMunicipio() override = default;   // objects come only from com::make

    void PreencheTextos(const char* nome, size_t largura_nome, const char* uf, size_t largura_uf);

    texto_bstr m_Nome;
    texto_bstr m_UF;
    LONG m_CodigoFiscal = 0;
    LONG m_CodigoIBGE = 0;
    LONG m_Posicao = 0;
};

}  // namespace masterdata

#pragma once
// The document types for web clients (ProgID ZidizUvi.QVDFCadDocto): initialised from a root
// object, the company's document types read by position (branch, code, description). Every
// member forwards to its worker, DFCadDocumento.
#include "VAVEDERAZur.h"
#include "masterdata/DFCadDocumento.h"
#include "platform/com/object.h"
#include "server/process/class_table.h"

namespace masterdata {

class CQVDFCadDocto final : public com::object<CQVDFCadDocto, IQVDFCadDocto> {
public:
    static constexpr com::class_info info = server::class_info_of(L"QVDFCadDocto", &CLSID_QVDFCadDocto);

    HRESULT STDMETHODCALLTYPE Inicializa(IQV_Inicializa* QV_Inicializa, SHORT iTipoChave) noexcept override;
    HRESULT STDMETHODCALLTYPE get_m_iFilial(SHORT iPosicao, SHORT* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_m_iQuantidade(SHORT* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_m_scodigo(SHORT iPosicao, BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_m_sDescricao(SHORT iPosicao, BSTR* pVal) noexcept override;

private:
    ~CQVDFCadDocto() override = default;   // objects come only from com::make

    DFCadDocumento m_worker;
};

}  // namespace masterdata

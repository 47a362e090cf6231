#pragma once
// The editor's files for web clients (ProgID ZidizUvi.QVcEditor): initialised from a root object
// with a module and an extension, it lists the module's files of that extension with their
// descriptions. Every method forwards to its worker, CDFQVcEditor.
#include "VAVEDERAZur.h"
#include "masterdata/CDFQVcEditor.h"
#include "platform/com/object.h"
#include "server/process/class_table.h"

namespace masterdata {

class CQVcEditor final : public com::object<CQVcEditor, IQVcEditor> {
public:
    static constexpr com::class_info info = server::class_info_of(L"QVcEditor", &CLSID_QVcEditor);

    HRESULT STDMETHODCALLTYPE Inicializa(IQV_Inicializa* pInicializa, BSTR bsModulo, BSTR bsExtensao) noexcept override;
    HRESULT STDMETHODCALLTYPE GetQuantidade(LONG* lQuantidade) noexcept override;
    HRESULT STDMETHODCALLTYPE GetNomeArquivo(LONG lPos, BSTR* bsNomeArquivo) noexcept override;
    HRESULT STDMETHODCALLTYPE GetDescricao(LONG lPos, BSTR* bsDescricao) noexcept override;

private:
    ~CQVcEditor() override = default;   // objects come only from com::make

    CDFQVcEditor m_worker;
};

}  // namespace masterdata

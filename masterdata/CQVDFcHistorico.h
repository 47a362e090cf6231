#pragma once
// The standard histories for older web clients (ProgID ZidizUvi.QVDFcHistorico): initialised from
// a root object, they count the histories and read one at a time by list position. Every method
// forwards to its worker, CDFcHistorico.
#include "VAVEDERAZur.h"
#include "masterdata/CDFcHistorico.h"
#include "platform/com/object.h"
#include "server/process/class_table.h"

namespace masterdata {

class CQVDFcHistorico final : public com::object<CQVDFcHistorico, IQVDFcHistorico> {
public:
    static constexpr com::class_info info = server::class_info_of(L"QVDFcHistorico", &CLSID_QVDFcHistorico);

    HRESULT STDMETHODCALLTYPE Inicializa(IQV_Inicializa* QV_Inicializa) noexcept override;
    HRESULT STDMETHODCALLTYPE GetQuantidade(LONG* plQuantidadeHistorico) noexcept override;
    HRESULT STDMETHODCALLTYPE GetCodigo(LONG lPos, BSTR* bsCodigo) noexcept override;
    HRESULT STDMETHODCALLTYPE GetConteudo(LONG lPos, BSTR* bsConteudo) noexcept override;
    HRESULT STDMETHODCALLTYPE GetIdPrincipal(LONG lPos, LONG* IdPrincipal) noexcept override;
    HRESULT STDMETHODCALLTYPE GetPosicaoLogicaIdPrincipal(LONG IdPrincipal, LONG* lPos) noexcept override;

private:
    ~CQVDFcHistorico() override = default;   // objects come only from com::make

    CDFcHistorico m_worker;
};

}  // namespace masterdata

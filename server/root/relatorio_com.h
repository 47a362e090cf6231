#pragma once
// The COM shape of every report class: the report interface's SetModelo, SetTipo and GeraRelatorio
// over the report base (CTW_Relatorio or a base derived from it), each behind the object's one
// error reporter. The class supplies GravaRelatorio and its own filter setters.
#include "platform/com/object.h"
#include "server/root/CTW_Relatorio.h"

namespace server {

template <class Self, class Itf, class Base = CTW_Relatorio>
class relatorio_com : public com::object<Self, Itf>, public Base {
public:
    HRESULT STDMETHODCALLTYPE SetModelo(BSTR bsModelo) noexcept override try {
        Base::SetModelo(bsModelo);
        return S_OK;
    } catch (...) {
        return this->report();
    }
    HRESULT STDMETHODCALLTYPE SetTipo(BSTR bsTipo) noexcept override try {
        Base::SetTipo(bsTipo);
        return S_OK;
    } catch (...) {
        return this->report();
    }
    HRESULT STDMETHODCALLTYPE GeraRelatorio(BSTR* pbsRelatorio) noexcept override try {
        if (!pbsRelatorio) return E_POINTER;
        *pbsRelatorio = nullptr;
        *pbsRelatorio = Base::Relatorio().release();
        return S_OK;
    } catch (...) {
        return this->report();
    }
};

}  // namespace server

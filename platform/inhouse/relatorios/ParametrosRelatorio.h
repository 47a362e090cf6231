#pragma once
// Stand-in of the report-parameters component (IQVParametrosRelatorio): the fixed parameter of
// each report type of the stock module's report component ("ES", "RES"): the stock register 1,
// the movements 2, the inventory 3, the reorder point 4; any other type, or another module's
// component, 0.
#include <string>

#include "inhouse_relatorios.h"
#include "platform/inhouse/core/stand_in.h"

namespace inhouse {

class ParametrosRelatorio final : public stand_in_object<ParametrosRelatorio, IQVParametrosRelatorio> {
public:
    using stand_in_object::stand_in_object;

    HRESULT STDMETHODCALLTYPE Inicializa(BSTR modulo, BSTR componente) noexcept override;
    HRESULT STDMETHODCALLTYPE ParametroFixo(BSTR tipo, SHORT* valor) noexcept override;

private:
    ~ParametrosRelatorio() override = default;   // objects come only from com::make

    std::string m_modulo, m_componente;
    bool m_inicializado = false;
};

}  // namespace inhouse

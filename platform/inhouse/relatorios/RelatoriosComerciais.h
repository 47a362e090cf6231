#pragma once
// Stand-in of the commercial report server (IQVRelatoriosComerciais): the commissions to pay
// (request byte 134 = 5), listed from the orders kept in the store, and the commercial movements
// (17) as report files, headed with the request's company and filters.
#include <cstdint>
#include <string>

#include "inhouse_relatorios.h"
#include "platform/inhouse/cache/registros_relatorios.h"
#include "platform/inhouse/core/stand_in.h"
#include "platform/inhouse/relatorios/arquivo_relatorio.h"

namespace inhouse {

// The commissions report of a request over the store's orders, the same from both servers that
// write it.
arquivo_relatorio relatorio_comissoes(store& dados, const REQ_RELATORIO_COMERCIAL& p);

class RelatoriosComerciais final : public stand_in_object<RelatoriosComerciais, IQVRelatoriosComerciais> {
public:
    using stand_in_object::stand_in_object;

    HRESULT STDMETHODCALLTYPE Relatorio(BYTE* pedido) noexcept override;

private:
    ~RelatoriosComerciais() override = default;   // objects come only from com::make
};

}  // namespace inhouse

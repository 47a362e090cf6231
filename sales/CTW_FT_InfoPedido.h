#pragma once
// What a web order page shows before an order is entered (root factory TW_FT_InfoPedido): the
// number the month's next order will carry, the name of the user's sales representative and
// whether quantities must match the packaging. It keeps nothing between calls.
#include "VAVEDERAZur.h"
#include "platform/com/object.h"

namespace sales {

class CTW_FT_InfoPedido final : public com::object<CTW_FT_InfoPedido, ITW_FT_InfoPedido> {
public:
    HRESULT STDMETHODCALLTYPE GetNumero(BSTR* pbsNumero) noexcept override;
    HRESULT STDMETHODCALLTYPE GetNomeRepresentante(BSTR* pbsRepresentante) noexcept override;
    HRESULT STDMETHODCALLTYPE QuantidadesCondizentesEmbalagem(VARIANT_BOOL* pvbRetorno) noexcept override;

private:
    ~CTW_FT_InfoPedido() override = default;   // objects come only from com::make
};

}  // namespace sales

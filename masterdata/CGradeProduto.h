#pragma once
// One product grid (such as sizes or colours) as web clients read it: its position, numeric code
// and description. The grid connection fills the grid record in place (Registro) before the
// object is handed out.
#include "VAVEDERAZur.h"
#include "platform/com/object.h"
#include "platform/inhouse/produtos/registros_produto.h"

namespace masterdata {

class CGradeProduto final : public com::object<CGradeProduto, IGradeProduto> {
public:
    HRESULT STDMETHODCALLTYPE get_Posicao(USHORT* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Codigo(USHORT* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Descricao(BSTR* pVal) noexcept override;

    _REG_GRADES_PRODUTOPS& Registro() noexcept { return m_registro; }

private:
    ~CGradeProduto() override = default;   // objects come only from com::make

    _REG_GRADES_PRODUTOPS m_registro{};
};

}  // namespace masterdata

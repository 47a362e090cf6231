#pragma once
// One item of a product grid as web clients read it: its position in the grid, code and
// description. The grid connection fills the item record in place (Registro) before the object is
// handed out; the product list and the sales catalogue make it.
#include "VAVEDERAZur.h"
#include "platform/com/object.h"
#include "platform/inhouse/produtos/registros_produto.h"

namespace masterdata {

class CItemGradeProduto final : public com::object<CItemGradeProduto, IItemGradeProduto> {
public:
    HRESULT STDMETHODCALLTYPE get_Posicao(USHORT* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Codigo(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Descricao(BSTR* pVal) noexcept override;

    _REG_ITENS_GRADE_PRODUTOPS& Registro() noexcept { return m_registro; }

private:
    ~CItemGradeProduto() override = default;   // objects come only from com::make

    _REG_ITENS_GRADE_PRODUTOPS m_registro{};
};

}  // namespace masterdata

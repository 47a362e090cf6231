#pragma once
// The item positions of one product grid as web clients read them: Size and GetItem(i). The
// object takes over the position list the grid connection filled (SetPonteiros), and frees its
// task-memory array when it is finally released.
#include "VAVEDERAZur.h"
#include "platform/com/object.h"
#include "platform/inhouse/produtos/registros_produto.h"

namespace masterdata {

class CResultadoBuscaPonteirosItemGradeProduto final
    : public com::object<CResultadoBuscaPonteirosItemGradeProduto, IResultadoBuscaPonteirosItemGradeProduto> {
public:
    HRESULT STDMETHODCALLTYPE get_Size(USHORT* pVal) noexcept override;
    // The item position at index i; E_INVALIDARG when i is not below Size.
    HRESULT STDMETHODCALLTYPE GetItem(USHORT i, USHORT* pusPonteiro) noexcept override;

    // Takes over the list (its array's wire field included), freeing the one held before.
    virtual void SetPonteiros(_REG_PONTEIROS_ITENS_GRADE_PRODUTOPS lista) noexcept;

private:
    ~CResultadoBuscaPonteirosItemGradeProduto() override;   // objects come only from com::make

    USHORT m_quantidade = 0;
    WORD* m_itens = nullptr;   // task memory, owned
};

}  // namespace masterdata

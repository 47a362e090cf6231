#include "masterdata/CResultadoBuscaPonteirosItemGradeProduto.h"

#include <objbase.h>

#include "platform/com/out_param.h"
#include "platform/com/wire_pointer.h"

namespace masterdata {

CResultadoBuscaPonteirosItemGradeProduto::~CResultadoBuscaPonteirosItemGradeProduto() {
    CoTaskMemFree(m_itens);
    m_itens = nullptr;
    m_quantidade = 0;
}

void CResultadoBuscaPonteirosItemGradeProduto::SetPonteiros(_REG_PONTEIROS_ITENS_GRADE_PRODUTOPS lista) noexcept {
    auto* itens = static_cast<WORD*>(com::wire_pointer_take(lista.itens));
    CoTaskMemFree(m_itens);
    m_itens = itens;
    // A count without an array would read nothing that exists.
    m_quantidade = itens ? lista.quantidade : 0;
}

HRESULT CResultadoBuscaPonteirosItemGradeProduto::get_Size(USHORT* pVal) noexcept { return com::put_number(pVal, m_quantidade); }

HRESULT CResultadoBuscaPonteirosItemGradeProduto::GetItem(USHORT i, USHORT* pusPonteiro) noexcept {
    if (!pusPonteiro) return E_POINTER;
    *pusPonteiro = 0;
    if (i >= m_quantidade) return E_INVALIDARG;
    *pusPonteiro = m_itens[i];
    return S_OK;
}

}  // namespace masterdata

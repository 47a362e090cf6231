#pragma once
// What the order model asks of the product/service information cache: the item-information record
// of a product position or service code. The cache itself is built elsewhere on this interface.
#include <windows.h>

#include "ft/ftlibrary/registros_pedido.h"

class CFTBufferInfoProdServ {
public:
    virtual ~CFTBufferInfoProdServ() = default;
    // Fills the 474-byte record for the key; a failing HRESULT when it could not be assembled.
    virtual HRESULT Le(const REG_CHAVE_INFO_ITEM* chave, REG_INFO_ITEM_PEDIDO* registro) = 0;
};

#pragma once
// What the order model asks of the operation-nature cache: its map by nature code, its load from
// the natures server and whether it keeps what it loads. The cache itself is built elsewhere on
// this interface.
#include <windows.h>

#include <cstdint>

#include "ft/ftlibrary/registros_pedido.h"

class CFTBufferNaturezas {
public:
    virtual ~CFTBufferNaturezas() = default;
    // True and the record when the map holds the code.
    virtual bool Busca(uint16_t codigo, _REG_NATUREZAPS& registro) const = 0;
    // Reads the nature from its server.
    virtual HRESULT Carrega(uint16_t codigo, _REG_NATUREZAPS& registro) = 0;
    virtual bool Habilitado() const = 0;
    virtual void Guarda(uint16_t codigo, const _REG_NATUREZAPS& registro) = 0;
};

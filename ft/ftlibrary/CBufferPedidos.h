#pragma once
// The order list's records (1,020 bytes each, the orders server's LeListaPedido) for a list of
// order positions, one read per record first asked for, kept in a ring of 3000 slots.
#include "ft/ftlibrary/CQVRegistro.h"
#include "inhouse_cache.h"
#include "platform/com/com_ptr.h"

class CBufferPedidos : public CQVRegistro<long> {
public:
    static constexpr size_t tamanho_registro = 1020;
    static constexpr size_t slots = 3000;

    CBufferPedidos() : CQVRegistro<long>(1, tamanho_registro, slots) {}

    // The server the records are read from (kept with a reference).
    void SetServidor(com::com_ptr<IQVFT_Pedidos> servidor) { m_Servidor = std::move(servidor); }
    IQVFT_Pedidos* GetServidor() const noexcept { return m_Servidor.get(); }

protected:
    // A failed read is logged by the message library (source "BufferPedidos") and answered.
    HRESULT Carrega(const long* chaves, size_t n, BYTE* registros) override;

private:
    com::com_ptr<IQVFT_Pedidos> m_Servidor;
};

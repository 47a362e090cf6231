#pragma once
// What the invoices, purchasing, purchase-order and quotation stand-ins share: the documents'
// dates as day numbers, the search filters' product and branch selection, and the task-memory
// blocks of their answers (key lists and nested item arrays) handed over through wire pointers.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/inhouse/compras/registros_compras.h"

namespace inhouse::compras {

// The day number of a "yyyy-mm-dd" date; a date the tables should not hold throws
// com::failure (QV_E_DATA_DOCUMENTO).
uint32_t dia_documento(const std::string& texto);

// The branches a filter names: `quantidade` 16-bit numbers behind the caller's wire pointer. No
// branch means every branch.
std::vector<uint16_t> filiais_filtro(uint16_t quantidade, uint32_t ponteiro);
bool filial_aceita(const std::vector<uint16_t>& filiais, int filial);

// A document found by a search: its key and day.
struct documento {
    int64_t chave = 0;
    uint32_t dia = 0;
};

// A new task-memory key list {count, keys, days} with its two arrays; null for no document.
// Throws std::bad_alloc (nothing left allocated).
BYTE* lista_chaves(const std::vector<documento>& documentos);
// The keys of a list that the caller passes back by value.
std::vector<int64_t> chaves_lista(const BYTE (&lista)[12]);

// Task-memory blocks of one answer under construction: each new block is put behind a wire
// pointer; if the answer is not handed over (entrega), every block goes back.
class blocos_resposta {
public:
    blocos_resposta() = default;
    blocos_resposta(const blocos_resposta&) = delete;
    blocos_resposta& operator=(const blocos_resposta&) = delete;
    ~blocos_resposta();

    // A copy of `bytes` bytes in a new block, as a wire pointer (0 for 0 bytes); throws bad_alloc.
    uint32_t novo(const void* dados, size_t bytes);
    template <class T>
    uint32_t novo(const std::vector<T>& itens) {
        return novo(itens.data(), itens.size() * sizeof(T));
    }
    // The caller owns every block from here.
    void entrega() noexcept { m_blocos.clear(); }

private:
    std::vector<uint32_t> m_blocos;
};

}  // namespace inhouse::compras

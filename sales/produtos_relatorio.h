#pragma once
// The product list of the stock register and the stock movements reports: product and grid codes
// found through the pool's product and grid connections, each key (product pointer and three grid
// items) once, in the order added.
#include <windows.h>
#include <oaidl.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "platform/com/wire_pointer.h"

#include "platform/inhouse/cache/registros_relatorios.h"

namespace sales {

class produtos_relatorio {
public:
    // Adds the key of the codes; false, and the list unchanged, when the key is there already. A
    // code that is not found adds what the connection wrote (normally 0).
    bool Adiciona(BSTR bsProduto, BSTR bsGrade1, BSTR bsGrade2, BSTR bsGrade3);

    const std::vector<inhouse::CHAVE_PRODUTO_RELATORIO>& chaves() const noexcept { return m_chaves; }

private:
    std::vector<inhouse::CHAVE_PRODUTO_RELATORIO> m_chaves;
};

// A copy of the keys in a task-memory block, as a report request's address field carries it for
// the length of the server's call; freed when the holder goes.
class bloco_chaves {
public:
    explicit bloco_chaves(const std::vector<inhouse::CHAVE_PRODUTO_RELATORIO>& chaves);
    bloco_chaves(const bloco_chaves&) = delete;
    bloco_chaves& operator=(const bloco_chaves&) = delete;

    uint32_t campo() const noexcept { return m_emprestimo->field(); }

private:
    struct libera_bloco {
        void operator()(void* p) const noexcept { CoTaskMemFree(p); }
    };
    std::unique_ptr<void, libera_bloco> m_bloco;
    std::optional<com::wire_pointer_loan> m_emprestimo;   // after the block: returned first
};

}  // namespace sales

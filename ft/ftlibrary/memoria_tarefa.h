#pragma once
// The COM task memory of the order record's arrays. Every block hung on a record is taken from and
// given back to the task allocator through these two functions, so that a test can put a counting
// allocator in its place and prove that every block is freed exactly once.
#include <cstddef>

namespace ft {

struct alocador_tarefa {
    void* (*aloca)(size_t bytes);
    void (*libera)(void* bloco);
};

// CoTaskMemAlloc; null when there is no memory. A block of 0 bytes is still a block.
void* aloca_tarefa(size_t bytes) noexcept;
// CoTaskMemFree; null is ignored.
void libera_tarefa(void* bloco) noexcept;

// Puts another allocator in place (for tests) and answers the one it replaced; a null member
// restores the task allocator's own function.
alocador_tarefa troca_alocador_tarefa(alocador_tarefa novo) noexcept;

}  // namespace ft

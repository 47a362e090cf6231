#pragma once
// A counting task allocator for the order library's tests: it stands in for the COM task
// allocator while it lives, remembers every block it handed out and the order in which blocks are
// given back, and counts frees of blocks it does not hold (a second free of the same block
// included) instead of passing them on.
#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "ft/ftlibrary/memoria_tarefa.h"

class alocador_contador {
public:
    alocador_contador();
    ~alocador_contador();
    alocador_contador(const alocador_contador&) = delete;
    alocador_contador& operator=(const alocador_contador&) = delete;

    // A block of `bytes` zero bytes named `nome`, for the order of frees.
    void* aloca(size_t bytes, const std::string& nome);

    size_t vivos() const { return m_vivos.size(); }
    size_t alocados() const { return m_alocados; }
    size_t liberacoes_invalidas() const { return m_invalidas; }
    // The names of the freed blocks, in the order they were freed.
    const std::vector<std::string>& ordem() const { return m_ordem; }

private:
    static void* aloca_sem_nome(size_t bytes);
    static void libera(void* bloco);

    std::map<void*, std::string> m_vivos;
    std::vector<std::string> m_ordem;
    size_t m_alocados = 0;
    size_t m_invalidas = 0;
    ft::alocador_tarefa m_anterior{};
};

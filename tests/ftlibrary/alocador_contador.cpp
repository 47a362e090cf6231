#include "alocador_contador.h"

#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace {
alocador_contador* g_ativo = nullptr;
}

alocador_contador::alocador_contador() {
    if (g_ativo) throw std::logic_error("one alocador_contador at a time");
    g_ativo = this;
    m_anterior = ft::troca_alocador_tarefa({&alocador_contador::aloca_sem_nome, &alocador_contador::libera});
}

alocador_contador::~alocador_contador() {
    ft::troca_alocador_tarefa(m_anterior);
    for (auto& [bloco, nome] : m_vivos) std::free(bloco);
    g_ativo = nullptr;
}

void* alocador_contador::aloca(size_t bytes, const std::string& nome) {
    void* bloco = std::calloc(1, bytes ? bytes : 1);
    if (!bloco) throw std::bad_alloc();
    m_vivos.emplace(bloco, nome);
    ++m_alocados;
    return bloco;
}

void* alocador_contador::aloca_sem_nome(size_t bytes) { return g_ativo->aloca(bytes, "?"); }

void alocador_contador::libera(void* bloco) {
    const auto it = g_ativo->m_vivos.find(bloco);
    if (it == g_ativo->m_vivos.end()) {
        ++g_ativo->m_invalidas;
        return;
    }
    g_ativo->m_ordem.push_back(it->second);
    std::free(it->first);
    g_ativo->m_vivos.erase(it);
}

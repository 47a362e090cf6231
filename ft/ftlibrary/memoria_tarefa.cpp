#include "ft/ftlibrary/memoria_tarefa.h"

#include <windows.h>
#include <objbase.h>

namespace ft {

namespace {

void* aloca_com(size_t bytes) { return CoTaskMemAlloc(bytes ? bytes : 1); }
void libera_com(void* bloco) { CoTaskMemFree(bloco); }

alocador_tarefa g_alocador{aloca_com, libera_com};

}  // namespace

void* aloca_tarefa(size_t bytes) noexcept { return g_alocador.aloca(bytes); }

void libera_tarefa(void* bloco) noexcept {
    if (bloco) g_alocador.libera(bloco);
}

alocador_tarefa troca_alocador_tarefa(alocador_tarefa novo) noexcept {
    const alocador_tarefa anterior = g_alocador;
    g_alocador.aloca = novo.aloca ? novo.aloca : aloca_com;
    g_alocador.libera = novo.libera ? novo.libera : libera_com;
    return anterior;
}

}  // namespace ft

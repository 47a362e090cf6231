#include "platform/inhouse/acesso/CQVBuscaErrosQVMens.h"

#include <cstdio>

std::string CQVBuscaErrosQVMens::BuscaMensagem(HRESULT hr, const char* modulo) {
    char codigo[16];
    std::snprintf(codigo, sizeof codigo, "0x%08lX", static_cast<unsigned long>(hr));
    return std::string("Erro ") + codigo + " do módulo " + (modulo ? modulo : "") + ".";
}

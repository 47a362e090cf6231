#pragma once
// The message library's look-up of an error's text for a module: the text a worker puts after
// the HRESULT in its numbered messages. The maker's message files are not part of the
// installation, so every error gets one fixed text naming its code and the module.
#include <windows.h>

#include <string>

class CQVBuscaErrosQVMens {
public:
    // "Erro 0x80004005 do módulo DF." for hr 0x80004005 and module "DF".
    static std::string BuscaMensagem(HRESULT hr, const char* modulo);
};

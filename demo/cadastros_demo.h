#pragma once
// The demo installation's register files (demo/installation/Cadastros, beside the messages
// folder the installation writer is given), copied into the installation's registers folder.
#include <string>

// 0, or the first Win32 error.
unsigned long copia_cadastros_demo(const std::string& pasta_mensagens);

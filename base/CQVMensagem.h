#pragma once
// The maker's numbered user texts: one file "QV<abbreviation>Mens.txt" per module in the
// installation's messages folder, one message per line:
//   the message number in decimal at the start of the line, the text from the ninth
//   character on (index 8); "\n" (backslash, n) inside the text is a line break.
// Example line: "246310  Erro ao criar o servidor de portadores."
#include <windows.h>

#include <string>

class CQVMensagem {
public:
    virtual ~CQVMensagem() = default;

    // The text of message `numero` of module `modulo` (module table row), or "" when the
    // file has no such line. A file that cannot be opened is noted in the event log.
    static std::string GetTexto(int numero, int modulo);
    // The server has no user interface: the text a message box would show goes to the event
    // log (the icon of `tipoCaixa` chooses the entry's type). Returns the text written.
    static std::string Mostra(int numero, int modulo, DWORD erroSistema = 0, UINT tipoCaixa = MB_ICONEXCLAMATION);
    // The system's text for an error code (user's default language, one line), "" when none.
    static std::string GetErroSO(DWORD codigo);

    // The full path of a module's message file.
    static std::string CaminhoArquivo(int modulo);
};

// The text a message shows: `texto`, or "Erro desconhecido encontrado. Código (n)" when that is
// empty, followed, when `erroSistema` is not 0, by the system's text for it on a line of its own.
std::string qv_texto_completo(std::string texto, int numero, DWORD erroSistema);

// The event-log entry type that stands for a message box of this type (its icon).
WORD qv_tipo_evento_caixa(UINT tipoCaixa);

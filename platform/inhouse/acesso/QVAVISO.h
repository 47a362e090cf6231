#pragma once
// The message library's error treatment for the session data cache: it only reports. Each
// report goes to the event log (through QVReportaEvento, so tests capture it) with the message
// number, the company and where it came from; nothing is shown.
#include <windows.h>

// `flags` and the texts are kept in the report as given.
void QVTrataErro2(HRESULT hr, long mensagem, long flags, const char* empresa, const char* fonte, int linha,
                  const char* data);

#include <string>

// The message library's texts for a failure's HRESULT, per module ("DF", ...): the system's text
// for the code when it has one, otherwise a text naming the code.
class CQVBuscaErrosQVMens {
public:
    std::string BuscaMensagem(HRESULT hr, const char* modulo) const;
};

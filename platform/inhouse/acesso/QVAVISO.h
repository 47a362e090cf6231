#pragma once
// The message library's error treatment for the session data cache: it only reports. Each
// report goes to the event log (through QVReportaEvento, so tests capture it) with the message
// number, the company and where it came from; nothing is shown.
#include <windows.h>

// `flags` and the texts are kept in the report as given.
void QVTrataErro2(HRESULT hr, long mensagem, long flags, const char* empresa, const char* fonte, int linha,
                  const char* data);

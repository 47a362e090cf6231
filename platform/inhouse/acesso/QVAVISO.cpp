#include "platform/inhouse/acesso/QVAVISO.h"

#include <cstdio>
#include <string>

#include "base/QVDCOM.h"

void QVTrataErro2(HRESULT hr, long mensagem, long flags, const char* empresa, const char* fonte, int linha,
                  const char* data) {
    char texto[512];
    std::snprintf(texto, sizeof texto, "Mensagem %ld (opções %ld) da empresa %s em %s, linha %d (%s).", mensagem,
                  flags, empresa ? empresa : "", fonte ? fonte : "", linha, data ? data : "");
    QVReportaEvento(GUID_NULL, hr, EVENTLOG_ERROR_TYPE, texto);
}

std::string CQVBuscaErrosQVMens::BuscaMensagem(HRESULT hr, const char* modulo) const {
    char texto[512] = {};
    DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, static_cast<DWORD>(hr),
                             MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), texto, sizeof texto, nullptr);
    // The system's texts end in a line break.
    while (n > 0 && (texto[n - 1] == '\r' || texto[n - 1] == '\n' || texto[n - 1] == ' ')) texto[--n] = 0;
    if (n > 0) return texto;
    std::snprintf(texto, sizeof texto, "Erro %08lX do módulo %s", static_cast<unsigned long>(hr), modulo ? modulo : "");
    return texto;
}

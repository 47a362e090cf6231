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

// Today and this month as the value types number them, read from the server's clock.
#include "base/QVDataCurta.h"
#include "base/QVRelogio.h"

uint16_t QVGetDataAtual(bool antiga) {
    if (antiga) return QVConverteTextoDataAntiga(QVGetDataAtualTexto(true).c_str());
    // Today's dd/mm/yy would have its two-digit year completed from a second reading of the
    // clock (a registry read each); completed from this same reading it is simply the year.
    const SYSTEMTIME hoje = GetCurrentTime_LocalTime();
    return QVMontaData(hoje.wDay, hoje.wMonth, hoje.wYear);
}

uint16_t QVGetMesAnoAtual(bool antiga) {
    return antiga ? QVConverteTextoMesAnoAntigo(QVGetMesAnoAtualTexto(true).c_str())
                  : QVConverteTextoMesAno(QVGetMesAnoAtualTexto(false).c_str());
}

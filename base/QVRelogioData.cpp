// Today and this month as the value types number them, read from the server's clock.
#include "base/QVDataCurta.h"
#include "base/QVRelogio.h"

uint16_t QVGetDataAtual(bool antiga) {
    return antiga ? QVConverteTextoDataAntiga(QVGetDataAtualTexto(true).c_str())
                  : QVConverteTextoData(QVGetDataAtualTexto(false).c_str());
}

uint16_t QVGetMesAnoAtual(bool antiga) {
    return antiga ? QVConverteTextoMesAnoAntigo(QVGetMesAnoAtualTexto(true).c_str())
                  : QVConverteTextoMesAno(QVGetMesAnoAtualTexto(false).c_str());
}

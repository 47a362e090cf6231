#pragma once
// A data-server call that is retried while the server answers that it is unavailable: up to 400
// calls, 500 ms apart (qv_sleep, which tests make instant). Any other answer ends it at once.
#include <windows.h>

#include <cstdint>

#include "base/QVDCOM.h"
#include "base/QVSleep.h"

inline constexpr int QV_CHAMADA_TENTATIVAS = 400;
inline constexpr DWORD QV_CHAMADA_INTERVALO_MS = 500;

template <class Call>
HRESULT qv_chama_com_repeticao(Call&& call) {
    HRESULT hr = QV_SERVIDOR_INDISPONIVEL;
    for (uint16_t tentativas = 0; hr == QV_SERVIDOR_INDISPONIVEL && tentativas < QV_CHAMADA_TENTATIVAS;) {
        hr = call();
        ++tentativas;
        if (hr == QV_SERVIDOR_INDISPONIVEL) qv_sleep(QV_CHAMADA_INTERVALO_MS);
    }
    return hr;
}

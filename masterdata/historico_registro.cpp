#include "masterdata/historico_registro.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace masterdata {

namespace {

template <size_t N>
std::string texto(const CHAR (&campo)[N]) {
    const void* nul = std::memchr(campo, 0, N);
    return std::string(campo, nul ? static_cast<size_t>(static_cast<const CHAR*>(nul) - campo) : N);
}

int numero_codigo(const __MIDL___MIDL_itf_CNSHIS_0000_0000_0002& h) {
    return std::atoi(CodigoHistorico(h).c_str());
}

}  // namespace

std::string CodigoHistorico(const __MIDL___MIDL_itf_CNSHIS_0000_0000_0002& h) { return texto(h.Codigo); }
std::string TextoHistorico(const __MIDL___MIDL_itf_CNSHIS_0000_0000_0002& h) { return texto(h.Texto); }
std::string ClassificacaoHistorico(const __MIDL___MIDL_itf_CNSHIS_0000_0000_0002& h) { return texto(h.Classificacao); }

void OrdenaHistoricos(std::vector<__MIDL___MIDL_itf_CNSHIS_0000_0000_0002>& historicos, unsigned ordem) {
    using H = __MIDL___MIDL_itf_CNSHIS_0000_0000_0002;
    switch (ordem) {
    case 1:
        std::sort(historicos.begin(), historicos.end(),
                  [](const H& a, const H& b) { return TextoHistorico(a) < TextoHistorico(b); });
        break;
    case 2:
        std::sort(historicos.begin(), historicos.end(),
                  [](const H& a, const H& b) { return ClassificacaoHistorico(a) < ClassificacaoHistorico(b); });
        break;
    default:
        std::sort(historicos.begin(), historicos.end(),
                  [](const H& a, const H& b) { return numero_codigo(a) < numero_codigo(b); });
        break;
    }
}

}  // namespace masterdata

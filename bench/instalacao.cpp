#include "bench/instalacao.h"

#include <cstdio>

#include "bench/harness.h"
#include "platform/com/text.h"
#include "server/holders/dados_instalacao.h"

namespace bench {

std::optional<clientes> abre_instalacao(const std::function<void(inhouse::store&)>& prepara) {
    clientes c{create(L"ZidizUviTeste.Sonda"), create(L"ZidizUvi.QV_Inicializa")};
    if (!c.sonda || !c.raiz) {
        std::printf("  (servers not registered: run scripts/bench)\n");
        return std::nullopt;
    }
    try {
        auto s = inhouse::store::open(com::ansi_to_utf8(server::caminho_banco_instalacao()));
        prepara(s);
    } catch (...) {
        std::printf("  (the bench installation's store could not be prepared: run scripts/bench)\n");
        return std::nullopt;
    }
    return c;
}

}  // namespace bench

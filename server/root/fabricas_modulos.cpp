#include "server/root/fabricas_modulos.h"

#include <map>

namespace server {

namespace {
struct menor_iid {
    bool operator()(const IID& a, const IID& b) const noexcept { return memcmp(&a, &b, sizeof a) < 0; }
};
std::map<IID, fabrica_modulo, menor_iid>& fabricas() {
    static std::map<IID, fabrica_modulo, menor_iid> tabela;
    return tabela;
}
}  // namespace

void registra_fabrica(REFIID iid, fabrica_modulo fabrica) { fabricas().insert_or_assign(iid, fabrica); }

fabrica_modulo fabrica_registrada(REFIID iid) noexcept {
    const auto it = fabricas().find(iid);
    return it == fabricas().end() ? nullptr : it->second;
}

}  // namespace server

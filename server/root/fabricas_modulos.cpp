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

namespace {
fabrica_operacoes_comerciais operacoes_comerciais = nullptr;
}  // namespace

void registra_fabrica_operacoes_comerciais(fabrica_operacoes_comerciais fabrica) noexcept {
    operacoes_comerciais = fabrica;
}

fabrica_operacoes_comerciais fabrica_operacoes_comerciais_registrada() noexcept { return operacoes_comerciais; }

namespace {
fabrica_posicao_produtos posicao_produtos = nullptr;
}  // namespace

void registra_fabrica_posicao_produtos(fabrica_posicao_produtos fabrica) noexcept { posicao_produtos = fabrica; }

fabrica_posicao_produtos fabrica_posicao_produtos_registrada() noexcept { return posicao_produtos; }

namespace {
fabrica_cotacao cotacao = nullptr;
}  // namespace

void registra_fabrica_cotacao(fabrica_cotacao fabrica) noexcept { cotacao = fabrica; }

fabrica_cotacao fabrica_cotacao_registrada() noexcept { return cotacao; }

namespace {
std::map<IID, fabrica_com_sessao, menor_iid>& fabricas_com_sessao() {
    static std::map<IID, fabrica_com_sessao, menor_iid> tabela;
    return tabela;
}
}  // namespace

void registra_fabrica_com_sessao(REFIID iid, fabrica_com_sessao fabrica) {
    fabricas_com_sessao().insert_or_assign(iid, fabrica);
}

fabrica_com_sessao fabrica_com_sessao_registrada(REFIID iid) noexcept {
    const auto it = fabricas_com_sessao().find(iid);
    return it == fabricas_com_sessao().end() ? nullptr : it->second;
}

}  // namespace server

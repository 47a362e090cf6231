// The product position's storage places: the default place of the product in the branch, and
// the place of the branch holding most of it (the default place winning a tie).
#include <cstring>
#include <vector>

#include "platform/inhouse/acesso/QVAcesso.h"
#include "sales/CTW_FT_PosicaoProdutos.h"
#include "sales/messages.h"
#include "server/holders/CPoolConexoes.h"

namespace sales {

namespace {

server::CPoolConexoes& pool() { return *server::CPoolConexoes::GetInstancia(); }

// The stock kinds the place balances sum (EP, EPT and ETPE) and the query's option.
constexpr LONG tipos_saldo_local = 7;
constexpr LONG opcao_saldo_local = 5;

}  // namespace

uint16_t CTW_FT_PosicaoProdutos::LocalPadrao() const {
    _REG_DFPRO_LOCAL_PADRAOPS padrao{};
    com::check(pool().GetConexaoProduto()->GetLocalPadrao(m_ponteiro, m_filial, &padrao), msg::carregar_local);
    return static_cast<uint16_t>(padrao.local);
}

void CTW_FT_PosicaoProdutos::LeLocal(uint16_t local, std::string& codigo, std::string& nome) const {
    codigo.clear();
    nome.clear();
    if (local == 0) return;   // no place: empty code and name
    _REG_ES_LOCAISPS registro{};
    com::check(pool().GetConexaoLocais()->Le(local, &registro, 0), msg::carregar_local);
    codigo = inhouse::texto_campo(registro.codigo);
    nome = inhouse::texto_campo(registro.nome);
}

uint16_t CTW_FT_PosicaoProdutos::LocalMaiorEstoque() const {
    const uint16_t padrao = LocalPadrao();
    IQVES_Movimento* movimento = pool().GetConexaoMovimento()->GetInterface();
    if (!movimento) com::fail(msg::carregar_local, E_FAIL);
    QV_CHAVE_PRODUTO_10 chave{};
    const chave_produto k = Chave();
    std::memcpy(chave.dados, &k.produto, 4);
    std::memcpy(chave.dados + 4, &k.item1, 2);
    std::memcpy(chave.dados + 6, &k.item2, 2);
    std::memcpy(chave.dados + 8, &k.item3, 2);
    LONG quantidade = 0;
    com::check(movimento->QuantidadeSaldosLocais(chave, m_filial, tipos_saldo_local, opcao_saldo_local, &quantidade, 0),
               msg::carregar_local);
    if (quantidade < 1) return 0;
    std::vector<_REG_ES_SALDO_LOCALPS> saldos(static_cast<size_t>(quantidade));
    com::check(movimento->SaldosLocais(quantidade, reinterpret_cast<BYTE*>(saldos.data())), msg::carregar_local);
    // The first place with the largest balance, unless a later one with the same balance is the
    // default place; only a positive balance names a place.
    const _REG_ES_SALDO_LOCALPS* melhor = nullptr;
    for (const auto& s : saldos)
        if (!melhor || s.saldo > melhor->saldo || (s.saldo == melhor->saldo && s.local == padrao)) melhor = &s;
    return melhor && melhor->saldo > 0 ? melhor->local : 0;
}

}  // namespace sales

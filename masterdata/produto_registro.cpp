#include "masterdata/produto_registro.h"

#include <algorithm>
#include <cstdlib>

#include "base/QVCurrency.h"
#include "platform/inhouse/core/registros_sessao.h"

namespace masterdata {

std::string CodigoProduto(const _REG_PRODUTOPS& p) { return std::string(inhouse::texto_campo(p.codigo)); }
std::string NomeProduto(const _REG_PRODUTOPS& p) { return std::string(inhouse::texto_campo(p.nome)); }
std::string ClassificacaoProduto(const _REG_PRODUTOPS& p) { return std::string(inhouse::texto_campo(p.classificacao)); }

std::string PrecoProduto(const _REG_PRODUTOPS& p) {
    const int casas = std::min<int>(p.casas_preco, 8);
    return std::string(QVFormataValor8Casas(p.preco, casas));
}

void OrdenaProdutos(std::vector<_REG_PRODUTOPS>& produtos, unsigned ordem) {
    using P = _REG_PRODUTOPS;
    switch (ordem) {
    case 0:
        std::sort(produtos.begin(), produtos.end(), [](const P& a, const P& b) {
            return std::atoi(CodigoProduto(a).c_str()) < std::atoi(CodigoProduto(b).c_str());
        });
        break;
    case 1:
        std::sort(produtos.begin(), produtos.end(), [](const P& a, const P& b) { return NomeProduto(a) < NomeProduto(b); });
        break;
    case 3:
        std::sort(produtos.begin(), produtos.end(), [](const P& a, const P& b) { return a.preco < b.preco; });
        break;
    default:
        std::sort(produtos.begin(), produtos.end(),
                  [](const P& a, const P& b) { return ClassificacaoProduto(a) < ClassificacaoProduto(b); });
        break;
    }
}

}  // namespace masterdata

#include "sales/fabricas.h"

#include "base/QVCurrency.h"
#include "sales/CTW_FT_PosicaoProdutos.h"
#include "server/root/fabricas_modulos.h"

namespace sales {

namespace {

std::string valor(const std::map<std::string, std::string>& filtro, const char* chave) {
    const auto it = filtro.find(chave);
    return it == filtro.end() ? std::string() : it->second;
}

IUnknown* cria_posicao_produtos(const std::map<std::string, std::string>& filtro) {
    return static_cast<ITW_FT_PosicaoProdutos*>(CTW_FT_PosicaoProdutos::Cria(LeFiltroPosicao(filtro)).detach());
}

}  // namespace

filtro_posicao LeFiltroPosicao(const std::map<std::string, std::string>& filtro) {
    filtro_posicao f;
    f.codigo = valor(filtro, "CODIGO");
    f.grade1 = valor(filtro, "GRADE1");
    f.grade2 = valor(filtro, "GRADE2");
    f.grade3 = valor(filtro, "GRADE3");
    f.tabela = valor(filtro, "TABPRECOS");
    f.filial = QVConverteTextoUI2(valor(filtro, "FILIAL").c_str());
    // Only an upper-case "V" sets a stock kind.
    f.ep = valor(filtro, "EP") == "V";
    f.ept = valor(filtro, "EPT") == "V";
    f.etpe = valor(filtro, "ETPE") == "V";
    return f;
}

void registra_fabricas() { server::registra_fabrica_posicao_produtos(&cria_posicao_produtos); }

}  // namespace sales

#include "masterdata/operacoes_comerciais_sugestao.h"

#include "base/QVCurrency.h"
#include "platform/inhouse/acesso/CConexaoOpComerciais.h"

namespace masterdata {

long CfopSugerida(CConexaoOpComerciais& conexao, HRESULT* hr) {
    _REG_DFSNTF_TIPOS_OPERACOES_PS resposta{};
    *hr = conexao.BuscaTipoOperacao(&resposta);
    return FAILED(*hr) ? 0 : static_cast<long>(resposta.cfop);
}

std::string TextoIcms(long centesimos) {
    CURRENCY cy{};
    cy.int64 = static_cast<LONGLONG>(centesimos) * 100;
    return QVFormataCYMilhar(cy);
}

std::string IcmsSugerido(CConexaoOpComerciais& conexao, HRESULT* hr) {
    _REG_DFSNTF_TIPOS_OPERACOES_PS resposta{};
    *hr = conexao.BuscaTipoOperacao(&resposta);
    return TextoIcms(FAILED(*hr) ? 0 : resposta.icms);
}

}  // namespace masterdata

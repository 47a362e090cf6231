#include "platform/inhouse/condicoes/condicoes_store.h"

#include <algorithm>
#include <cstring>

namespace inhouse {

bool le_condicao_pagamento(store& data, std::string_view empresa, uint16_t codigo, _REG_COND_PAGTOPS& registro,
                           std::vector<REG_LINHA_CONDICAO_PAGTO>& linhas) {
    registro = {};
    linhas.clear();
    auto q = data.prepare(
        "SELECT descricao, taxa, desconto_parcela, dias_desconto, tipo_cobranca, parcelas_com_desconto, juros_simples,"
        " simples_30_dias, numera_de_zero, entrada, juros_ultimo_prazo, segunda_seguinte"
        " FROM condicao_pagamento WHERE empresa = ? AND codigo = ?");
    q.bind_text(1, empresa).bind(2, static_cast<int>(codigo));
    if (!q.step()) return false;
    registro.Posicao = codigo;
    registro.Codigo = codigo;
    const std::string descricao = q.column_text(0);
    std::memcpy(registro.Descricao, descricao.data(), std::min(descricao.size(), sizeof registro.Descricao - 1));
    registro.Taxa = static_cast<uint16_t>(q.column_int(1));
    registro.DescontoParcela = static_cast<uint16_t>(q.column_int(2));
    registro.DiasDesconto = static_cast<uint16_t>(q.column_int(3));
    registro.TipoCobranca = static_cast<uint8_t>(q.column_int(4));
    registro.ParcelasComDesconto = static_cast<uint8_t>(q.column_int(5));
    registro.JurosSimples = static_cast<uint8_t>(q.column_int(6));
    registro.Simples30Dias = static_cast<uint8_t>(q.column_int(7));
    registro.NumeraDeZero = static_cast<uint8_t>(q.column_int(8));
    registro.Entrada = static_cast<uint8_t>(q.column_int(9));
    registro.JurosUltimoPrazo = static_cast<uint8_t>(q.column_int(10));
    registro.SegundaSeguinte = static_cast<uint8_t>(q.column_int(11));

    auto r = data.prepare("SELECT percentual, dias, tipo FROM condicao_pagamento_parcela"
                          " WHERE empresa = ? AND condicao = ? ORDER BY ordem");
    r.bind_text(1, empresa).bind(2, static_cast<int>(codigo));
    while (r.step()) {
        REG_LINHA_CONDICAO_PAGTO linha{};
        linha.Percentual = static_cast<uint16_t>(r.column_int(0));
        linha.Dias = static_cast<int16_t>(r.column_int(1));
        linha.Tipo = static_cast<uint8_t>(r.column_int(2));
        linhas.push_back(linha);
    }
    registro.QtdParcelas = static_cast<uint8_t>(linhas.size());
    return true;
}

}  // namespace inhouse

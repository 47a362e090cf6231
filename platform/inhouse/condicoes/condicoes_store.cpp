#include "platform/inhouse/condicoes/condicoes_store.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "base/CQVData.h"
#include "base/QVModulos.h"
#include "platform/inhouse/core/registros_sessao.h"

namespace inhouse {

namespace {

constexpr const char colunas[] =
    "SELECT codigo, descricao, taxa, desconto_parcela, dias_desconto, tipo_cobranca, parcelas_com_desconto,"
    " juros_simples, simples_30_dias, numera_de_zero, entrada, juros_ultimo_prazo, segunda_seguinte,"
    " codigo_texto, validade, compras, modulo,"
    " (SELECT count(*) FROM condicao_pagamento_parcela p WHERE p.empresa = c.empresa AND p.condicao = c.codigo)"
    " FROM condicao_pagamento c WHERE empresa = ?";

// A stored 'YYYY-MM-DD' as the record's 16-bit day number; a day past what the field holds keeps
// the last one it can (the condition stays valid as far as a record can tell).
uint16_t dia_validade(const std::string& texto) {
    int ano = 0, mes = 0, dia = 0;
    if (std::sscanf(texto.c_str(), "%d-%d-%d", &ano, &mes, &dia) != 3) return 0;
    const CQVData data(dia, mes, ano);
    if (data.GetValor() > CQVData::maximo_curto) return static_cast<uint16_t>(CQVData::maximo_curto);
    return data.GetDataCurta();
}

_REG_COND_PAGTOPS condicao_de(sqlite::statement& q) {
    _REG_COND_PAGTOPS r{};
    const auto codigo = static_cast<uint16_t>(q.column_int(0));
    r.Posicao = codigo;
    r.Codigo = codigo;
    poe_campo(r.Nome, q.column_text(1));
    r.Taxa = static_cast<uint16_t>(q.column_int(2));
    r.DescontoParcela = static_cast<uint16_t>(q.column_int(3));
    r.DiasDesconto = static_cast<uint16_t>(q.column_int(4));
    r.TipoCobranca = static_cast<uint8_t>(q.column_int(5));
    r.ParcelasComDesconto = static_cast<uint8_t>(q.column_int(6));
    r.JurosSimples = static_cast<uint8_t>(q.column_int(7));
    r.Simples30Dias = static_cast<uint8_t>(q.column_int(8));
    r.NumeraDeZero = static_cast<uint8_t>(q.column_int(9));
    r.Entrada = static_cast<uint8_t>(q.column_int(10));
    r.JurosUltimoPrazo = static_cast<uint8_t>(q.column_int(11));
    r.SegundaSeguinte = static_cast<uint8_t>(q.column_int(12));
    const std::string texto = q.column_text(13);
    poe_campo(r.CodigoTexto, texto.empty() ? std::to_string(codigo) : texto);
    if (!q.is_null(14)) r.Validade = dia_validade(q.column_text(14));
    r.ComprasPodeUsar = static_cast<uint8_t>(q.column_int(15));
    r.QtdParcelas = static_cast<uint8_t>(std::min(q.column_int(17), 255));
    return r;
}

}  // namespace

bool le_condicao_pagamento(store& data, std::string_view empresa, uint16_t codigo, _REG_COND_PAGTOPS& registro,
                           std::vector<REG_LINHA_CONDICAO_PAGTO>& linhas) {
    registro = {};
    linhas.clear();
    auto q = data.prepare(std::string(colunas) + " AND codigo = ?");
    q.bind_text(1, empresa).bind(2, static_cast<int>(codigo));
    if (!q.step()) return false;
    registro = condicao_de(q);

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

uint16_t quantidade_condicoes_pagamento(store& data, std::string_view empresa) {
    auto q = data.prepare("SELECT count(*) FROM condicao_pagamento WHERE empresa = ?");
    q.bind_text(1, empresa);
    return q.step() ? static_cast<uint16_t>(std::min(q.column_int(0), 65535)) : 0;
}

std::vector<_REG_COND_PAGTOPS> lista_condicoes_pagamento(store& data, std::string_view empresa, int32_t modulo) {
    auto q = data.prepare(std::string(colunas) + " ORDER BY codigo");
    q.bind_text(1, empresa);
    std::vector<_REG_COND_PAGTOPS> lista;
    while (q.step()) {
        const std::string sigla = q.column_text(16);
        if (modulo != 0 && !sigla.empty() && QVGetIdModulo(QVBuscaModuloPorSigla(sigla)) != modulo) continue;
        lista.push_back(condicao_de(q));
    }
    return lista;
}

uint16_t posicao_condicao_pagamento(store& data, std::string_view empresa, std::string_view codigo) {
    auto q = data.prepare("SELECT codigo FROM condicao_pagamento WHERE empresa = ?"
                          " AND (CASE codigo_texto WHEN '' THEN CAST(codigo AS TEXT) ELSE codigo_texto END) = ?"
                          " COLLATE NOCASE ORDER BY codigo LIMIT 1");
    q.bind_text(1, empresa).bind_text(2, codigo);
    return q.step() ? static_cast<uint16_t>(q.column_int(0)) : 0;
}

}  // namespace inhouse

#include "masterdata/info_produto_textos.h"

#include <cstdio>

#include "base/QVCurrency.h"

namespace masterdata {

namespace {
// 100 as a CURRENCY.
constexpr CURRENCY cem = qv_cy(100 * 10000);
}  // namespace

std::string TextoCentesimos(unsigned valor) {
    char texto[24];
    std::snprintf(texto, sizeof texto, "%u,%02u", valor / 100, valor % 100);
    return texto;
}

std::string TextoAliquota(uint16_t aliquota, uint8_t aplica) { return aplica ? TextoCentesimos(aliquota) : "0,00"; }

CURRENCY PesoEscalado(int64_t peso, uint8_t casas) {
    static constexpr double divisores[] = {10.0, 100.0, 1000.0, 10000.0, 100000.0};   // codes 2 to 6
    const CURRENCY valor = qv_cy(peso);
    if (casas < 2 || casas > 6) return valor;
    return valor / divisores[casas - 2];
}

USHORT CasasDecimaisUnidade(uint8_t codigo) {
    switch (codigo) {
    case 0:
        return 0;
    case 1:
        return 2;
    default:
        return 4;
    }
}

int64_t DescontoMaximo(const _REG_ITENS_TABELA_PRECOPS& item) {
    if (!item.desconto_percentual) return item.desconto;
    // price x percentage / 100 with both read as CURRENCY raw values: their product carries 12
    // implied decimals there, and dividing by 1,000,000 (raw 10^10) brings it back to 8.
    return (qv_cy(item.preco) * qv_cy(item.desconto) / qv_cy(10000000000LL)).int64;
}

std::string TextoDescontoMaximoPorcentagem(const _REG_ITENS_TABELA_PRECOPS& item) {
    if (item.desconto_percentual) return std::string(QVFormataValor8Casas(item.desconto, 2));
    // Two 8-decimal values read as CURRENCY raw values keep their ratio; the quotient of a
    // division by 0 is 0.
    const CURRENCY porcentagem = qv_cy(item.desconto) * cem / qv_cy(item.preco);
    return std::string(QVFormataValor8Casas(porcentagem.int64 * 10000, 2));
}

}  // namespace masterdata

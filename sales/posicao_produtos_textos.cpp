#include "sales/posicao_produtos_textos.h"

#include <windows.h>
#include <oaidl.h>

#include <cstdio>
#include <cstring>

#include "base/QVCurrency.h"
#include "base/exact_decimal.h"

namespace sales {

std::string TextoNumeroNF(int32_t numero) {
    if (numero < 1) return {};
    char digitos[16];
    std::snprintf(digitos, sizeof digitos, "%06d", static_cast<int>(numero));
    const std::string_view d(digitos);
    // A point goes before a group only when digits of the number itself stand in front of it:
    // the padding zeros of 5 ("000005") get none, those of 1234 ("001.234") one.
    int64_t limite = 1;
    std::string texto(d);
    for (size_t grupo = 3; grupo < d.size(); grupo += 3) {
        limite *= 1000;
        if (numero >= limite) texto.insert(texto.size() - grupo - (grupo / 3 - 1), 1, '.');
    }
    return texto;
}

std::string TextoFrete(uint8_t codigo) {
    switch (codigo) {
    case 0: return "Emitente";
    case 1: return "Destinatário";
    case 2: return "Terceiro";
    case 9: return "Sem Frete";
    default: return {};
    }
}

int CasasSaldo(uint8_t codigo) {
    constexpr int casas[] = {0, 2, 4};
    return codigo < std::size(casas) ? casas[codigo] : 2;
}

int CasasQuantidadeNota(uint8_t codigo) { return codigo == 0 ? 0 : codigo == 1 ? 2 : 4; }

int64_t TicksDe8Casas(int64_t valor8) {
    int64_t ticks = 0;
    exact::div_scaled(valor8, int64_t{10000}, 0, ticks);   // 10^4 never fails and always fits
    return ticks;
}

std::optional<int64_t> ValorPorUnidade(int64_t total, int64_t quantidade) {
    // Both are CURRENCY ticks: the quotient's ticks are total x 10^4 / quantity.
    int64_t ticks = 0;
    if (quantidade == 0 || !exact::div_scaled(total, quantidade, 4, ticks)) return std::nullopt;
    return ticks;
}

saldos_texto SomaSaldos(const uint8_t (&resultado)[396], bool ep, bool ept, bool etpe, int casas) {
    const auto valor = [&resultado](size_t offset) {
        int64_t v;
        std::memcpy(&v, resultado + offset, sizeof v);
        return v;
    };
    int64_t total = 0, reservado = 0, disponivel = 0, indisponivel = 0, pre_baixa = 0;
    const bool tipos[3] = {ep, ept, etpe};
    for (size_t t = 0; t < 3; ++t) {
        if (!tipos[t]) continue;
        const size_t bloco = 10 + t * 128;
        total += valor(bloco);
        reservado += valor(bloco + 8);
        disponivel += valor(bloco + 16);
        indisponivel += valor(bloco + 24);
        pre_baixa += valor(bloco + 48) + valor(bloco + 56);
    }
    const auto texto = [casas](int64_t v) {
        CURRENCY cy;
        cy.int64 = v;
        return std::string(QVFormataCYDecimais(cy, casas));
    };
    return {texto(total), texto(reservado), texto(disponivel), texto(indisponivel), texto(pre_baixa)};
}

void JuntaItemGrade(std::string& nome, int grade, std::string_view descricao) {
    nome += grade < 2 ? " - " : " ";
    nome += descricao;
}

std::optional<size_t> EscolheMaiorEstoque(std::span<const saldo_local> saldos, uint16_t local_padrao) {
    std::optional<size_t> melhor;
    for (size_t n = 0; n < saldos.size(); ++n) {
        if (!melhor || saldos[n].saldo > saldos[*melhor].saldo ||
            (saldos[n].saldo == saldos[*melhor].saldo && saldos[n].local == local_padrao))
            melhor = n;
    }
    if (melhor && saldos[*melhor].saldo > 0) return melhor;
    return std::nullopt;
}

}  // namespace sales

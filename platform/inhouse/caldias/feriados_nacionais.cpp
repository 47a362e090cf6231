#include "platform/inhouse/caldias/feriados_nacionais.h"

#include <algorithm>
#include <iterator>

#include "base/CQVData.h"

namespace {

struct feriado_fixo {
    int dia;
    int mes;
    int desde;  // the first year it is kept
    const char* nome;
};

constexpr feriado_fixo fixos[] = {
    {1, 1, 0, "Confraternização Universal"},
    {21, 4, 0, "Tiradentes"},
    {1, 5, 0, "Dia do Trabalho"},
    {7, 9, 0, "Independência do Brasil"},
    {12, 10, 0, "Nossa Senhora Aparecida"},
    {2, 11, 0, "Finados"},
    {15, 11, 0, "Proclamação da República"},
    {20, 11, 2024, "Dia Nacional de Zumbi e da Consciência Negra"},
    {25, 12, 0, "Natal"},
};

struct feriado_movel {
    int dias_da_pascoa;
    const char* nome;
};

constexpr feriado_movel moveis[] = {
    {-48, "Carnaval (segunda-feira)"},
    {-47, "Carnaval (terça-feira)"},
    {-2, "Sexta-feira da Paixão"},
    {60, "Corpus Christi"},
};

}  // namespace

void qv_domingo_pascoa(int ano, int& dia, int& mes) {
    const int a = ano % 19, b = ano / 100, c = ano % 100, d = b / 4, e = b % 4;
    const int f = (b + 8) / 25, g = (b - f + 1) / 3, h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4, l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    mes = (h + l - 7 * m + 114) / 31;
    dia = (h + l - 7 * m + 114) % 31 + 1;
}

std::vector<feriado_nacional> qv_feriados_nacionais(int ano) {
    std::vector<feriado_nacional> lista;
    for (const auto& f : fixos)
        if (ano >= f.desde) lista.push_back({f.dia, f.mes, f.nome});
    int dia = 0, mes = 0;
    qv_domingo_pascoa(ano, dia, mes);
    const uint32_t pascoa = qv_numero_dia(dia, mes, ano);
    for (const auto& f : moveis) {
        int d = 0, m = 0, a = 0;
        qv_separa_dia(static_cast<uint32_t>(static_cast<int64_t>(pascoa) + f.dias_da_pascoa), d, m, a);
        lista.push_back({d, m, f.nome});
    }
    std::sort(lista.begin(), lista.end(),
              [](const feriado_nacional& x, const feriado_nacional& y) { return x.mes != y.mes ? x.mes < y.mes : x.dia < y.dia; });
    return lista;
}

#include "base/QVDataTexto.h"

#include <cstdio>

#include "base/CQVData.h"

void qv_formata_codigo(char* buffer, size_t size, int dia, int mes, int ano, int codigo, char separador,
                       bool alarga) {
    if (!buffer || size == 0) return;
    buffer[0] = '\0';
    if (codigo < 0 || codigo > 9) return;
    if (ano < 100 && mes != 0) ano = qv_ano_completo(ano);
    if (alarga && codigo % 2 == 0 && mes != 0) {
        const int ultimo = qv_ultimo_ano_dois_digitos();
        if (ano < ultimo - 99 || ano > ultimo) ++codigo;  // two digits would read back as another year
    }
    static constexpr size_t minimos[] = {9, 11, 9, 11, 9, 11, 6, 8, 6, 8};
    if (size < minimos[codigo] || dia > 31 || mes > 12 || (ano >= 101 && ano <= 1847) || ano >= 4718) return;
    const char sep[2] = {separador, '\0'};
    const int yy = ano % 100;
    int n = 0;
    switch (codigo) {
        case 0: n = snprintf(buffer, size, "%02d%s%02d%s%02d", dia, sep, mes, sep, yy); break;
        case 1: n = snprintf(buffer, size, "%02d%s%02d%s%04d", dia, sep, mes, sep, ano); break;
        case 2: n = snprintf(buffer, size, "%02d%s%02d%s%02d", mes, sep, dia, sep, yy); break;
        case 3: n = snprintf(buffer, size, "%02d%s%02d%s%04d", mes, sep, dia, sep, ano); break;
        case 4: n = snprintf(buffer, size, "%02d%s%02d%s%02d", yy, sep, mes, sep, dia); break;
        case 5: n = snprintf(buffer, size, "%04d%s%02d%s%02d", ano, sep, mes, sep, dia); break;
        case 6: n = snprintf(buffer, size, "%02d%s%02d", mes, sep, yy); break;
        case 7: n = snprintf(buffer, size, "%02d%s%04d", mes, sep, ano); break;
        case 8: n = snprintf(buffer, size, "%02d%s%02d", yy, sep, mes); break;
        case 9: n = snprintf(buffer, size, "%04d%s%02d", ano, sep, mes); break;
    }
    if (n < 0) buffer[0] = '\0';
}

bool qv_analisa_data(const char* texto, int* dia, int* mes, int* ano, bool pedeDia, bool mes13) {
    if (dia) *dia = 0;
    if (mes) *mes = 0;
    if (ano) *ano = 0;
    if (!texto) return false;

    constexpr int F = 13, A = 12;
    // Rows: states 0..11; columns: digit, '/', blank, end of text.
    static constexpr int transicoes[12][4] = {
        {1, F, 0, F},  {2, 3, 2, F},  {F, 3, 2, F},  {4, F, 3, F},  {5, 7, 6, A},  {9, 7, 6, A},
        {F, 7, 6, A},  {8, F, 7, F},  {9, F, 11, A}, {10, F, 11, A}, {11, F, 11, A}, {F, F, 11, A},
    };
    int campos[3] = {}, digitos[3] = {};
    int campo = -1, estado = 0;
    for (const char* at = texto;; ++at) {
        const char c = *at;
        int classe;
        if (c >= '0' && c <= '9') classe = 0;
        else if (c == '/') classe = 1;
        else if (c == ' ' || c == '\t') classe = 2;
        else if (c == '\0') classe = 3;
        else return false;
        if (classe == 0) {
            if (estado == 0 || estado == 3 || estado == 7) ++campo;
            if (campo > 2 || ++digitos[campo] > 4) return false;  // a field holds at most 4 digits
            campos[campo] = campos[campo] * 10 + (c - '0');
        }
        estado = transicoes[estado][classe];
        if (estado == F) return false;
        if (estado == A) break;
    }
    const int n = campo + 1;
    if (n < 2) return false;
    const bool comDia = pedeDia || n == 3;
    int a = campos[n - 1];
    if (digitos[n - 1] < 3) a = qv_ano_completo(a);
    if (a < 1848 || a > 4717) return false;
    const int m = campos[n - 2];
    if (digitos[n - 2] > 2 || m == 0 || m > (mes13 ? 13 : 12)) return false;
    int d = 0;
    if (comDia) {
        if (n != 3) return false;
        d = campos[0];
        if (d < 1 || d > qv_dias_no_mes(m, a)) return false;
    }
    if (dia) *dia = d;
    if (mes) *mes = m;
    if (ano) *ano = a;
    return true;
}

#pragma once
// Brazil's national holidays of a year: the fixed ones and those that move with Easter (Carnival
// Monday and Tuesday, Good Friday, Corpus Christi), which banks and the financial calendar keep.
#include <vector>

struct feriado_nacional {
    int dia;
    int mes;
    const char* nome;
};

// Easter Sunday of a Gregorian year (the anonymous Gregorian computus).
void qv_domingo_pascoa(int ano, int& dia, int& mes);

// The year's holidays in calendar order. 20 November counts from 2024, the first year it was a
// national holiday.
std::vector<feriado_nacional> qv_feriados_nacionais(int ano);

#pragma once
// The 16-bit forms that records hold: short day numbers (the day number of CQVData in 16 bits, up
// to 04/06/2027), short month indices (CQVMesAno's index) and the older 1850-based numbers
// (1850-01-01 = 1, every fourth year a leap year, so a 29/02/1900 exists). Texts with a two-digit
// year read it with the moving pivot; a four-digit year is always taken as written. A date that
// does not fit its 16-bit form throws com::failure (never wraps); an invalid date gives 0.
#include <cstddef>
#include <cstdint>

#include "base/CQVString.h"

uint16_t QVMontaMesAno(int mes, int ano);
void QVSeparaMesAno(uint16_t indice, int& mes, int& ano);
uint16_t QVMontaData(int dia, int mes, int ano);
void QVSeparaData(uint16_t numero, int& dia, int& mes, int& ano);
uint16_t QVConverteDataMesAno(uint16_t numero);
uint16_t QVMontaDataMesAno(int dia, uint16_t indice);

// "mm/yy" or "mm/yyyy" and "dd/mm/yy" or "dd/mm/yyyy"; a year of 100 or more keeps its own
// century. The buffer forms cut to size - 1 and always terminate.
void QVTextoMesAno(int mes, int ano, char* buffer, size_t size, bool quatroDigitos);
void QVTextoData(int dia, int mes, int ano, char* buffer, size_t size, bool quatroDigitos);
void QVFormataMesAno(uint16_t indice, char* buffer, size_t size, bool quatroDigitos);
void QVFormataData(uint16_t numero, char* buffer, size_t size, bool quatroDigitos);
CQVString QVFormataMesAno(uint16_t indice, bool quatroDigitos);
CQVString QVFormataData(uint16_t numero, bool quatroDigitos);

// Read by digit positions: "mm/yy[yy]" and "dd/mm/yy[yy]" (eight digits: a four-digit year);
// blanks in front of a date are skipped before its 14 characters are counted.
void QVLeTextoMesAno(const char* texto, int& mes, int& ano);
void QVLeTextoData(const char* texto, int& dia, int& mes, int& ano);
uint16_t QVConverteTextoMesAno(const char* texto);
uint16_t QVConverteTextoData(const char* texto);
// Blanks in front of the text are skipped before the 14 characters are counted. A text of fewer
// than six digits is a month ("mm/yy") when aceitaSoMes is false; with it set, the first two
// digits are a day. Month 13 only with aceitaMes13.
bool QVValidaData(const char* texto, bool aceitaSoMes, bool aceitaMes13);
bool QVValidaTextoData(const char* texto);
bool QVValidaTextoData(const char* texto, bool aceitaSoMes);
// 1 (Sunday) .. 7 of a short (or, with antiga, an old) day number; 0 for an invalid date and
// 65535 for the old numbering's 29/02/1900, which no calendar knows.
uint16_t QVDiaDaSemana(uint16_t numero, bool antiga);

void QVFormataDataAntiga(uint16_t antiga, char* buffer, size_t size);
CQVString QVFormataDataAntiga(uint16_t antiga);
uint16_t QVConverteTextoDataAntiga(const char* texto);
uint16_t QVConverteTextoMesAnoAntigo(const char* texto);

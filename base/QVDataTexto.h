#pragma once
// The text forms of dates and months: the format codes and the date-text parser shared by
// CQVData and CQVMesAno.
#include <cstddef>

// Format codes: 0 dd?mm?yy, 1 dd?mm?yyyy, 2 mm?dd?yy, 3 mm?dd?yyyy, 4 yy?mm?dd, 5 yyyy?mm?dd,
// 6 mm?yy, 7 mm?yyyy, 8 yy?mm, 9 yyyy?mm ('?' the separator, '\0' for none). With alarga a
// two-digit code writes four digits when the year is one a two-digit year cannot name. The text
// is empty when the buffer is below the code's minimum or a field is out of range.
void qv_formata_codigo(char* buffer, size_t size, int dia, int mes, int ano, int codigo, char separador,
                       bool alarga);

// Parses "[dd/]mm/yy[yy]" with blanks around the fields. Outputs (any may be null) are set to 0
// first; true fills them with the day (0 when none), month and four-digit year. pedeDia asks for
// a day; mes13 admits month 13.
bool qv_analisa_data(const char* texto, int* dia, int* mes, int* ano, bool pedeDia, bool mes13 = false);

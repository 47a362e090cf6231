#pragma once
// Small helpers on C strings and fixed-width fields: CPF/CNPJ check digits, BCD packing, padding,
// temporary file names, the expansion of standard accounting-history templates and the character
// filters behind CQVString.
#include <cstddef>

#include "base/CQVString.h"

// The check digit (0..9) of a CNPJ (12 or 13 digits) or CPF (9 or 10 digits): which == 2 asks for
// the second one, whose computation takes the first check digit as well. A text too short for
// the digit asked for, or with a non-digit where a digit is weighted, gives -1.
int QVCalculaDigitoCNPJ(int which, const char* digits);
int QVCalculaDigitoCPF(int which, const char* digits);

// Keeps only the characters 0..9, in place.
void QVSomenteDigitos(char* text);
CQVString QVSomenteDigitosTexto(const CQVString& text);
// Copies the digits of source into target (at most size - 1, always terminated); the count copied.
int QVSomenteDigitos(const char* source, char* target, size_t size);
CQVString QVSemBrancosFinais(const CQVString& text);
void QVSemAspas(char* text);
// Fills the field with NUL bytes from the end of its text up to width.
void QVPreencheNulos(char* field, short width);
bool QVTestaQuartoCaractere(const char* field);

// Packs text into bytes x 2 nibbles, high nibble first ("-" 13, "." 14, "/" 15, blank and every
// position after the text 10); QVExpandeBCD reads them back into out, which holds bytes x 2 + 1.
void QVCompactaBCD(const char* text, unsigned char* out, short bytes);
void QVExpandeBCD(char* out, const unsigned char* in, short bytes);

// prefix + three characters of 0-9/A-Z + a number + ".tmp". The number joins the process id and
// a process-wide counter, so that two processes never make the same name.
CQVString QVGeraNomeTemporario(const CQVString& prefix);

// Expands the history markers of a template (*n, *dma, *ma, "* ", "*,", *d, *c, *gd, *gc) into
// out, which holds size bytes; the text is cut to fit and always terminated. Any text may be null.
void QVMontaHistorico(const char* modelo, const char* complemento, char* out, size_t size,
                      const char* debito, const char* credito, const char* debitoGerencial,
                      const char* creditoGerencial);
CQVString QVMontaHistorico(const char* modelo, const char* complemento, const char* debito,
                           const char* credito, const char* debitoGerencial,
                           const char* creditoGerencial);

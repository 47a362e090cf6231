#pragma once
// The installation's modules: one fixed table, addressed by module number (1-based row),
// two-letter abbreviation, numeric module id or module name.
#include <cstdint>
#include <string>

struct QVModulo {
    const char* sigla;   // two letters; names the message file and the company folder value
    const char* nome;    // names the module's registry key under the installation key
    int32_t id;
    int32_t ano;         // first year of the module
};

inline constexpr int qv_numero_modulos = 27;

// Lookups by module number: an empty text or 0 outside 1..27.
std::string QVGetNomeModulo(int modulo);
std::string QVGetSiglaModulo(int modulo);
int32_t QVGetIdModulo(int modulo);
int32_t QVGetAnoModulo(int modulo);

// Searches from the first row; the first match wins (id 0 gives 17). -1 when none.
// Texts are compared whole and without regard to case (no trimming).
int QVBuscaModuloPorSigla(const std::string& sigla);
int QVBuscaModuloPorId(int32_t id);
int QVBuscaModuloPorNome(const std::string& nome);

const QVModulo* QVInicioTabelaModulos();
const QVModulo* QVFimTabelaModulos();

// Module numbers the code names often.
namespace qv_modulo {
inline constexpr int DF = 1, CN = 2, ES = 3, FN = 4, FT = 5, EF = 6, CM = 7, ORC = 8, GE = 9,
                     CL = 10, CX = 11, EC = 12, AC = 13, PN = 14, CP = 15, FP = 16, LL = 17,
                     IN86 = 18, EX = 19, PP = 20, GD = 21, GC = 22, NF = 23, CF = 24, CQ = 25,
                     RH = 26, CE = 27;
}

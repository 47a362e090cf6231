#pragma once
// The origin of a generated record (which module generated it, under which key number, for which
// date, month or year) in its packed forms: the 64-bit origin key, the 6-byte origin record of
// older records, the 32-bit entry origin code and the 32-bit month-and-number key. A value that
// does not fit its field is refused (com::failure, E_INVALIDARG), never cut.
#include <cstddef>
#include <cstdint>

#include "base/CQVData.h"
#include "base/CQVMesAno.h"
#include "base/CQVString.h"

#pragma pack(push, 1)
struct QVOrigem {
    uint32_t chave;   // key number << 8 | origin number
    uint16_t mesAno;  // month index
};
#pragma pack(pop)
static_assert(sizeof(QVOrigem) == 6 && offsetof(QVOrigem, mesAno) == 4);

inline constexpr int qv_origem_maxima = 66;

class CQVChaveOrigem {
public:
    // Bits 0-1 date kind, 2-13 origin number, 14-45 key number, 46-63 date value.
    enum tipo_data : unsigned { tipo_nenhum = 0, tipo_ano = 1, tipo_mes_ano = 2, tipo_dia = 3 };

    CQVChaveOrigem() = default;
    CQVChaveOrigem(uint32_t chave, unsigned origem, const CQVData& data);
    CQVChaveOrigem(uint32_t chave, unsigned origem, const CQVMesAno& mesAno);
    CQVChaveOrigem(uint32_t chave, const CQVData& data) : CQVChaveOrigem(chave, 0, data) {}
    CQVChaveOrigem(uint32_t chave, const CQVMesAno& mesAno) : CQVChaveOrigem(chave, 0, mesAno) {}
    CQVChaveOrigem(int dia, int mes, int ano) { SetData(CQVData(dia, mes, ano)); }
    CQVChaveOrigem(int mes, int ano) { SetMesAno(CQVMesAno(mes, ano)); }

    unsigned GetTipoData() const { return static_cast<unsigned>(m_valor & 0x3); }
    unsigned GetNumeroOrigem() const { return static_cast<unsigned>(m_valor >> 2 & 0xFFF); }
    uint32_t GetChave() const { return static_cast<uint32_t>(m_valor >> 14); }
    uint32_t GetValorData() const { return static_cast<uint32_t>(m_valor >> 46); }
    void SetTipoData(unsigned tipo);
    void SetNumeroOrigem(unsigned origem);
    void SetChave(uint32_t chave);
    void SetValorData(uint32_t valor);
    void SetDados(uint32_t chave, unsigned origem, uint32_t valorData, unsigned tipo);

    void SetData(const CQVData& data);
    CQVData GetData() const;
    void SetMesAno(const CQVMesAno& mesAno);
    CQVMesAno GetMesAno() const;
    void SetAno(unsigned short ano);
    void SetOrigem(const QVOrigem& origem, unsigned tipo = tipo_mes_ano);
    QVOrigem GetOrigem() const;

    bool EhVazia() const;
    bool EhValida() const;
    int GetStatus() const;
    uint64_t GetValor64() const { return m_valor; }
    // Keeps a valid value; anything else clears the key and answers false.
    bool SetValor64(uint64_t valor);

    // "MMYY-NNNNNN"; the buffer must hold 12 bytes, else the text is empty.
    void FormataChave(char* buffer, size_t size) const;
    CQVString FormataChave() const;
    bool LeChave(const char* texto);
    void Descricao(char* buffer, size_t size) const;

    friend bool operator==(const CQVChaveOrigem&, const CQVChaveOrigem&) = default;

private:
    uint64_t m_valor = 0;
};
static_assert(sizeof(CQVChaveOrigem) == 8);

// The name of an origin number (empty outside 1..66), cut to size - 1 and terminated.
void QVNomeOrigem(unsigned origem, char* buffer, size_t size);
CQVString QVNomeOrigem(unsigned origem);
// Whether the user may change an accounting entry of this origin (17, 21, 22).
bool QVOrigemAlteravel(unsigned origem);

// The 6-byte record: key number in 24 bits, origin number in 8.
QVOrigem QVMontaOrigem(uint32_t chave, unsigned origem, uint16_t mesAno);
void QVSeparaOrigem(const QVOrigem& origem, uint32_t& chave, unsigned& numeroOrigem, uint16_t& mesAno);
// The entry origin code relative to the entry's month: key number in 20 bits, origin in 5,
// month offset -63..63.
uint32_t QVCompactaOrigem(const QVOrigem& origem, uint16_t base);
QVOrigem QVExpandeOrigem(uint32_t codigo, uint16_t base);
// Key number in 20 bits over a 12-bit short month index.
uint32_t QVMontaChaveMesAno(uint16_t mesAno, uint32_t chave);
void QVSeparaChaveMesAno(uint32_t codigo, uint16_t& mesAno, uint32_t& chave);
CQVString QVFormataChaveMesAno(uint32_t codigo);
CQVString QVFormataOrigem(const QVOrigem& origem);

#pragma once
// Months as a 16-bit index: (year - 1848) x 12 + month; 0 is empty, valid 1 (January 1848) to
// 34440 (December 4717).
#include <compare>
#include <cstddef>
#include <cstdint>

#include "base/CQVData.h"
#include "base/CQVString.h"

class CQVMesAno {
public:
    static constexpr uint16_t minimo = 1;
    static constexpr uint16_t maximo = 34440;
    // The oldest month a two-digit year could ever name: January 1927.
    static constexpr uint16_t minimo_curto = 949;

    CQVMesAno() = default;
    CQVMesAno(int mes, int ano) { SetMesAno(mes, ano); }
    explicit CQVMesAno(uint16_t indice) { SetValor(indice); }

    void Limpa() { m_indice = 0; }
    // A year below 100 takes the pivot; anything outside the range gives 0.
    void SetMesAno(int mes, int ano);
    bool GetMesAno(int& mes, int& ano) const;
    bool EhValido() const { return m_indice >= minimo && m_indice <= maximo; }
    bool SetValor(uint32_t indice);
    uint16_t GetValor() const { return m_indice; }
    // A month index from a record's short field: January 1927 up to the last month a two-digit
    // year names today; anything else gives 0.
    void SetMesAnoCurto(uint16_t indice);
    // The older 1850-based index (1..2154).
    void SetMesAnoAntigo(uint16_t indice);
    int GetMes() const;
    int GetAno(bool quatroDigitos = true) const;
    void SetMes(int mes);
    void SetAno(int ano);
    // M + n; a result outside 0..34440 gives 0.
    void AdicionaMeses(int n);
    CQVData GetDataInicial() const;
    CQVData GetDataFinal() const;
    CQVData GetData(int dia) const;
    void MesAtual();

    // "mm/yy" or "mm/yyyy".
    bool SetTexto(const char* texto);
    // comBarra false: "0524" is read as "05/24".
    bool SetTexto(const char* texto, bool comBarra);
    // Codes 6 and 7: month then year; 8 and 9: year then month; fields split at the separator.
    bool SetTexto(const char* texto, int codigo, char separador);
    void Formata(char* buffer, size_t size, int codigo, char separador, bool alarga = false) const;
    CQVString Formata(int codigo = 7, char separador = '/') const;

    int GetStatus() const;
    bool EhVazio() const { return m_indice == 0; }
    bool NaoVazio() const { return m_indice > 0; }
    static CQVMesAno Minimo() { return CQVMesAno(minimo); }
    static CQVMesAno Maximo() { return CQVMesAno(maximo); }

    friend bool operator==(const CQVMesAno& a, const CQVMesAno& b) { return a.m_indice == b.m_indice; }
    friend std::strong_ordering operator<=>(const CQVMesAno& a, const CQVMesAno& b) {
        return a.m_indice <=> b.m_indice;
    }

private:
    uint16_t m_indice = 0;
};
static_assert(sizeof(CQVMesAno) == 2);

#pragma once
// A payment condition's refusal: the instalment it concerns and a code the callers turn into
// their own message (no texts here).
//   1  the total is negative (SetValorTotal)
//   6  the new instalment value is above the amount to pay (AlteraParcela)
//   7  the share left for each other instalment would be below 0,01 (AlteraParcela)
//   9  the new instalment value is 0 or less (AlteraParcela)
//  10  the due date is empty (CParcela::SetDataVencimento)
//  11  the instalment carries the ICMS-ST tax and its value would change (AlteraParcela)
//  12  the condition has no instalments (Inicializa)
#include <cstdint>

class CErroCondicaoPagto {
public:
    static constexpr int16_t TotalNegativo = 1;
    static constexpr int16_t ValorAcimaDoTotal = 6;
    static constexpr int16_t RestoInsuficiente = 7;
    static constexpr int16_t ValorNaoPositivo = 9;
    static constexpr int16_t DataVazia = 10;
    static constexpr int16_t ParcelaIcmsSt = 11;
    static constexpr int16_t SemParcelas = 12;

    virtual ~CErroCondicaoPagto() = default;
    void Limpa() {
        m_wPosicao = 0;
        m_wCodigo = 0;
    }
    void SetErro(int16_t posicao, int16_t codigo) {
        m_wPosicao = posicao;
        m_wCodigo = codigo;
    }
    int16_t GetPosicao() const { return m_wPosicao; }
    int16_t GetCodigo() const { return m_wCodigo; }

private:
    int16_t m_wPosicao = 0;
    int16_t m_wCodigo = 0;
};

#pragma once
// One instalment of a payment condition: its share of the amount, value, due date and the
// discount for paying early. Values keep 2 decimals, rounding half away from zero.
#include <cstdint>

#include "base/CQVCurrencyEx.h"
#include "base/CQVString.h"
#include "ft/ftlibrary/CErroCondicaoPagto.h"
#include "ft/ftlibrary/registro_parcela.h"

class CParcela {
public:
    CParcela() = default;
    // A copy starts with a cleared error; assignment leaves the target's error as it was.
    CParcela(const CParcela& outra);
    CParcela& operator=(const CParcela& outra);
    virtual ~CParcela() = default;

    uint16_t GetNumero() const { return m_wNumero; }
    bool SetNumero(uint16_t numero);
    int16_t GetDias() const { return m_nDias; }
    bool SetDias(int16_t dias);
    const CQVCurrencyEx& GetValor() const { return m_cyValor; }
    // Stores the value and derives the discount again.
    bool SetValor(const CQVCurrencyEx& valor);
    void SomaValor(const CQVCurrencyEx& valor);
    // The share of the amount, in percent with eight implied decimals.
    int64_t GetPercentual() const { return m_lPercentual; }
    bool SetPercentual(int64_t percentual);
    uint16_t GetDataVencimento() const { return m_wDataVencimento; }
    // Refuses the empty date (code 10, false); otherwise stores it and derives the discount's
    // limit date.
    bool SetDataVencimento(uint16_t data);
    uint16_t GetTipo() const { return m_wTipo; }
    bool SetTipo(uint16_t tipo);
    uint16_t GetFormaPagamento() const { return m_wFormaPagamento; }
    bool SetFormaPagamento(uint16_t forma);
    // Hundredths of a percent.
    uint16_t GetPercentualDesconto() const { return m_wPercentualDesconto; }
    bool SetPercentualDesconto(uint16_t percentual);
    uint16_t GetDataLimiteDesconto() const { return m_wDataLimiteDesconto; }
    bool SetDataLimiteDesconto(uint16_t data);
    uint16_t GetDiasDesconto() const { return m_wDiasDesconto; }
    bool SetDiasDesconto(uint16_t dias);
    // 0: the percentage is given and the amount derived; otherwise the amount is given.
    uint8_t GetDescontoFixo() const { return m_cDescontoFixo; }
    bool SetDescontoFixo(uint8_t fixo);
    uint8_t GetIcmsSt() const { return m_cIcmsSt; }
    bool SetIcmsSt(uint8_t icmsSt);
    const CQVCurrencyEx& GetValorDesconto() const { return m_cyValorDesconto; }
    bool SetValorDesconto(const CQVCurrencyEx& valor);
    const CQVString& GetObservacao() const { return m_sObservacao; }
    bool SetObservacao(const CQVString& observacao);
    const CErroCondicaoPagto& GetErro() const { return m_Erro; }

    // The discount amount from the percentage, or the percentage from the amount.
    void CalculaDesconto();
    // The due date less the discount days; 0 when there is no discount.
    void CalculaDataLimiteDesconto();
    // The order record's form of the instalment (every other byte zero).
    void GetRegistro(REG_PARCELA_PEDIDO& registro);
    // "dd/mm/yyyy".
    CQVString FormataDataVencimento() const;

private:
    uint16_t m_wNumero = 0;
    int16_t m_nDias = 0;
    CQVCurrencyEx m_cyValor{true, true, CQVCurrencyEx()};
    int64_t m_lPercentual = 0;
    uint16_t m_wDataVencimento = 0;
    uint16_t m_wTipo = 0;
    uint16_t m_wFormaPagamento = 0;
    uint16_t m_wPercentualDesconto = 0;
    uint16_t m_wDataLimiteDesconto = 0;
    uint16_t m_wDiasDesconto = 0;
    uint8_t m_cDescontoFixo = 0;
    uint8_t m_cIcmsSt = 0;
    CQVCurrencyEx m_cyValorDesconto{true, true, CQVCurrencyEx()};
    CQVString m_sObservacao;
    CErroCondicaoPagto m_Erro;
};

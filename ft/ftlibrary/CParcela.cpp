#include "ft/ftlibrary/CParcela.h"

#include <algorithm>
#include <cstring>

#include "base/QVDataCurta.h"
#include "base/exact_decimal.h"

CParcela::CParcela(const CParcela& outra)
    : m_wNumero(outra.m_wNumero),
      m_nDias(outra.m_nDias),
      m_cyValor(outra.m_cyValor),
      m_lPercentual(outra.m_lPercentual),
      m_wDataVencimento(outra.m_wDataVencimento),
      m_wTipo(outra.m_wTipo),
      m_wFormaPagamento(outra.m_wFormaPagamento),
      m_wPercentualDesconto(outra.m_wPercentualDesconto),
      m_wDataLimiteDesconto(outra.m_wDataLimiteDesconto),
      m_wDiasDesconto(outra.m_wDiasDesconto),
      m_cDescontoFixo(outra.m_cDescontoFixo),
      m_cIcmsSt(outra.m_cIcmsSt),
      m_cyValorDesconto(outra.m_cyValorDesconto),
      m_sObservacao(outra.m_sObservacao) {}

CParcela& CParcela::operator=(const CParcela& outra) {
    if (this == &outra) return *this;
    m_wNumero = outra.m_wNumero;
    m_nDias = outra.m_nDias;
    m_cyValor = outra.m_cyValor;
    m_lPercentual = outra.m_lPercentual;
    m_wDataVencimento = outra.m_wDataVencimento;
    m_wTipo = outra.m_wTipo;
    m_wFormaPagamento = outra.m_wFormaPagamento;
    m_wPercentualDesconto = outra.m_wPercentualDesconto;
    m_wDataLimiteDesconto = outra.m_wDataLimiteDesconto;
    m_wDiasDesconto = outra.m_wDiasDesconto;
    m_cDescontoFixo = outra.m_cDescontoFixo;
    m_cIcmsSt = outra.m_cIcmsSt;
    m_cyValorDesconto = outra.m_cyValorDesconto;
    m_sObservacao = outra.m_sObservacao;
    return *this;
}

bool CParcela::SetNumero(uint16_t numero) { m_wNumero = numero; return true; }
bool CParcela::SetDias(int16_t dias) { m_nDias = dias; return true; }
bool CParcela::SetPercentual(int64_t percentual) { m_lPercentual = percentual; return true; }
bool CParcela::SetTipo(uint16_t tipo) { m_wTipo = tipo; return true; }
bool CParcela::SetFormaPagamento(uint16_t forma) { m_wFormaPagamento = forma; return true; }
bool CParcela::SetPercentualDesconto(uint16_t percentual) { m_wPercentualDesconto = percentual; return true; }
bool CParcela::SetDataLimiteDesconto(uint16_t data) { m_wDataLimiteDesconto = data; return true; }
bool CParcela::SetDiasDesconto(uint16_t dias) { m_wDiasDesconto = dias; return true; }
bool CParcela::SetDescontoFixo(uint8_t fixo) { m_cDescontoFixo = fixo; return true; }
bool CParcela::SetIcmsSt(uint8_t icmsSt) { m_cIcmsSt = icmsSt; return true; }
bool CParcela::SetValorDesconto(const CQVCurrencyEx& valor) { m_cyValorDesconto = valor; return true; }
bool CParcela::SetObservacao(const CQVString& observacao) { m_sObservacao = observacao; return true; }

bool CParcela::SetValor(const CQVCurrencyEx& valor) {
    m_Erro.Limpa();
    m_cyValor = valor;
    CalculaDesconto();
    return true;
}

void CParcela::SomaValor(const CQVCurrencyEx& valor) {
    m_cyValor += valor.GetValor();
    CalculaDesconto();
}

bool CParcela::SetDataVencimento(uint16_t data) {
    m_Erro.Limpa();
    if (data == 0) {
        m_Erro.SetErro(0, CErroCondicaoPagto::DataVazia);
        return false;
    }
    m_wDataVencimento = data;
    CalculaDataLimiteDesconto();
    return true;
}

void CParcela::CalculaDesconto() {
    if (m_cDescontoFixo == 0) {
        m_cyValorDesconto = m_cyValor.CalculaPercentual(m_wPercentualDesconto);
        return;
    }
    const int64_t valor = m_cyValor.GetValor64(), desconto = m_cyValorDesconto.GetValor64();
    if (valor <= 0 || desconto <= 0) {
        m_wPercentualDesconto = 0;
        return;
    }
    // desconto / valor x 100 in hundredths of a percent (x 10^4), rounded half away from zero.
    int64_t centesimos = 0, quatro_casas = 0;
    if (!exact::div_scaled(desconto, valor, 6, quatro_casas) ||
        !exact::round_to_unit(quatro_casas, 100, rounding::half_away, centesimos)) {
        m_wPercentualDesconto = 0xFFFF;
        return;
    }
    m_wPercentualDesconto = static_cast<uint16_t>(std::min<int64_t>(centesimos / 100, 0xFFFF));
}

void CParcela::CalculaDataLimiteDesconto() {
    if (m_wPercentualDesconto == 0 && m_cyValorDesconto.GetValor64() <= 0) {
        m_wDataLimiteDesconto = 0;
        return;
    }
    const int limite = static_cast<int>(m_wDataVencimento) - static_cast<int>(m_wDiasDesconto);
    m_wDataLimiteDesconto = limite < 1 ? 0 : static_cast<uint16_t>(limite);
}

void CParcela::GetRegistro(REG_PARCELA_PEDIDO& registro) {
    registro = {};
    CalculaDesconto();
    registro.Valor = m_cyValor.GetValor();
    registro.ValorDesconto = m_cyValorDesconto.GetValor();
    registro.DataVencimento = m_wDataVencimento;
    registro.DataLimiteDesconto = m_wDataLimiteDesconto;
    registro.DiasDesconto = m_wDiasDesconto;
    registro.PercentualDesconto = m_wPercentualDesconto;
    registro.FormaPagamento = m_wFormaPagamento;
    std::memcpy(registro.Observacao, m_sObservacao.data(), std::min(m_sObservacao.size(), sizeof registro.Observacao));
    registro.Numero = static_cast<uint8_t>(m_wNumero & 0xFF);
    registro.Tipo = static_cast<uint8_t>(m_wTipo & 0xFF);
    registro.DescontoFixo = m_cDescontoFixo;
    registro.IcmsSt = m_cIcmsSt;
}

CQVString CParcela::FormataDataVencimento() const { return QVFormataData(m_wDataVencimento, true); }

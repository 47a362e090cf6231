#include "ft/ftlibrary/CCondicaoPagamento.h"

#include <algorithm>

#include "base/CQVData.h"
#include "base/CQVException.h"
#include "base/QVCurrency.h"
#include "base/QVErroValor.h"
#include "base/exact_decimal.h"
#include "ft/ftlibrary/CQVCalculaVencimento.h"
#include "ft/ftlibrary/soma_dias.h"

namespace {

constexpr int64_t cem_por_cento = 100'0000'0000LL;  // 100 % with eight implied decimals

// An amount times a percentage (eight decimals) over 100, to four decimals as the money types'
// products round; the caller's field decides the final rounding.
int64_t parte_de(int64_t valor, int64_t percentual) {
    int64_t resultado = 0;
    if (!exact::mul_scaled(valor, percentual, -10, resultado)) valores::falha_estouro();
    return resultado;
}

// parte / todo x 100 with eight decimals; 0 when todo is 0.
int64_t percentual_de(int64_t parte, int64_t todo) {
    int64_t resultado = 0;
    return exact::div_scaled(parte, todo, 10, resultado) ? resultado : 0;
}

// An amount of two decimals, rounding half away from zero (the instalments' values).
CQVCurrencyEx duas_casas(int64_t bruto) { return CQVCurrencyEx(true, true, CQVCurrencyEx(qv_cy(bruto))); }

// A rate of hundredths of a percent as a CURRENCY percentage.
CURRENCY taxa_percentual(uint16_t centesimos) { return qv_cy(static_cast<int64_t>(centesimos) * 100); }

}  // namespace

CQVCurrencyEx CCondicaoPagamento::GetTotalPagar() const {
    CQVCurrencyEx total = m_cyTotal;
    total -= m_cyDesconto.GetValor();
    total += m_cyAcrescimo.GetValor();
    return total;
}

CQVCurrencyEx CCondicaoPagamento::SomaValores() const {
    CQVCurrencyEx soma;
    for (const auto& p : m_Parcelas) soma += p.GetValor().GetValor();
    return soma;
}

CParcela& CCondicaoPagamento::GetParcela(uint16_t indice) {
    if (indice >= m_Parcelas.size()) throw CInvalidArgException();
    return m_Parcelas[indice];
}

bool CCondicaoPagamento::SetValorTotal(const CQVCurrencyEx& total) {
    m_Erro.Limpa();
    if (total.GetValor64() < 0) {
        m_Erro.SetErro(0, CErroCondicaoPagto::TotalNegativo);
        return false;
    }
    CQVCurrencyEx novo = m_cyTotal;
    novo = total;
    if (novo.GetValor64() == m_cyTotal.GetValor64()) return true;
    m_cyTotal = novo;
    CalculaParcelas(false);
    return true;
}

bool CCondicaoPagamento::Inicializa(const _REG_COND_PAGTOPS& registro, const REG_LINHA_CONDICAO_PAGTO* linhas,
                                    uint16_t dataBase) {
    m_Erro.Limpa();
    uint16_t base = dataBase;
    if (base == 0) {
        CQVData hoje;
        hoje.Hoje();
        base = hoje.GetDataCurta();
    }
    // Monday of the following week; a Sunday moves 8 days.
    if (registro.SegundaSeguinte) base = ft::soma_dias(base, 9 - CQVData(base).DiaDaSemana());

    const size_t quantidade = linhas ? registro.QtdParcelas : 0;
    // Instalments that already existed keep value, payment form and observation until the
    // split below overwrites them.
    std::vector<CParcela> novas = m_Parcelas;
    novas.resize(quantidade);
    const int64_t igual = quantidade ? 10000 / static_cast<int64_t>(quantidade) : 0;
    bool divisao_igual = true;
    for (size_t i = 0; i < quantidade; ++i) {
        const REG_LINHA_CONDICAO_PAGTO& linha = linhas[i];
        CParcela& p = novas[i];
        if (i + 1 < quantidade && linha.Percentual != igual) divisao_igual = false;
        p.SetDias(linha.Dias);
        p.SetPercentual(static_cast<int64_t>(linha.Percentual) * 1'000'000);
        p.SetTipo(linha.Tipo);
        p.SetValorDesconto(CQVCurrencyEx());
        p.SetDescontoFixo(0);
        p.SetDataLimiteDesconto(0);
        p.SetDiasDesconto(registro.ParcelasComDesconto ? registro.DiasDesconto : 0);
        p.SetPercentualDesconto(registro.ParcelasComDesconto ? registro.DescontoParcela : 0);
        p.SetNumero(static_cast<uint16_t>(registro.NumeraDeZero ? i : i + 1));
        p.SetDataVencimento(ft::soma_dias(base, linha.Dias));
    }
    if (quantidade > 0 && divisao_igual) {
        // 100 / count at eight decimals, half away from zero; the last takes what is left.
        const int64_t n = static_cast<int64_t>(quantidade);
        int64_t parte = cem_por_cento / n;
        if (2 * (cem_por_cento % n) >= n) ++parte;
        for (size_t i = 0; i + 1 < quantidade; ++i) novas[i].SetPercentual(parte);
        novas.back().SetPercentual(cem_por_cento - (n - 1) * parte);
    }
    // The rules may fail (calendar, dates): the old instalments come back then.
    const std::vector<CParcela> anteriores = std::move(m_Parcelas);
    m_Parcelas = std::move(novas);
    try {
        AplicaVencimentos(false);
    } catch (...) {
        m_Parcelas = anteriores;
        throw;
    }

    m_wDataBase = base;
    m_wTaxa = registro.Taxa;
    m_wPercentualDesconto = registro.DescontoParcela;
    m_wDiasDesconto = registro.DiasDesconto;
    m_lTipoCobranca = registro.TipoCobranca;
    m_cQtdParcelas = registro.QtdParcelas;
    m_bDescontoParcelas = registro.ParcelasComDesconto != 0;
    m_bJurosSimples = registro.JurosSimples != 0;
    m_bSimples30Dias = registro.Simples30Dias != 0;
    m_bNumeraDeZero = registro.NumeraDeZero != 0;
    m_bEntrada = registro.Entrada != 0;
    m_bJurosUltimoPrazo = registro.JurosUltimoPrazo != 0;
    CalculaParcelas(false);
    if (m_Parcelas.empty()) {
        m_Erro.SetErro(0, CErroCondicaoPagto::SemParcelas);
        return false;
    }
    return true;
}

void CCondicaoPagamento::AplicaVencimentos(bool contarDaDataBase) {
    // Both letters move the date to a business day: before it ('A') or after it ('P').
    const char letra = m_DadosVencimento.GetLetra();
    const bool diaUtil = letra == 'A' || letra == 'P';
    std::vector<uint16_t> datas;
    datas.reserve(m_Parcelas.size());
    for (const CParcela& p : m_Parcelas) {
        uint16_t data = contarDaDataBase ? ft::soma_dias(m_wDataBase, p.GetDias()) : p.GetDataVencimento();
        if (p.GetDias() > 0) {
            CQVCalculaVencimento calculo;
            calculo.Inicializa(GetEmpresa(), GetUsuario(), GetNumeroSessao());
            calculo.SetParametros(diaUtil, 0, 0);
            data = calculo.Calcula(m_DadosVencimento, data);
        }
        datas.push_back(data);
    }
    // An empty date is refused by the instalment (code 10), which keeps its own.
    for (size_t i = 0; i < m_Parcelas.size(); ++i) m_Parcelas[i].SetDataVencimento(datas[i]);
}

void CCondicaoPagamento::SetDadosVencimento(const QVCFRT& cliente) {
    const CQVCalculaVencimentoDados anteriores = m_DadosVencimento;
    m_DadosVencimento.Carrega(cliente);
    try {
        AplicaVencimentos(true);
    } catch (...) {
        m_DadosVencimento = anteriores;
        throw;
    }
}

void CCondicaoPagamento::SetDataBase(uint16_t data, bool recalcula) {
    const uint16_t anterior = m_wDataBase;
    m_wDataBase = data;
    if (!recalcula) return;
    try {
        AplicaVencimentos(true);
    } catch (...) {
        m_wDataBase = anterior;
        throw;
    }
}

void CCondicaoPagamento::CalculaParcelas(bool manter) {
    const bool mantem = manter && GetTotalPagar().GetValor64() != 0 && SomaValores().GetValor64() != 0;
    if (!mantem) {
        switch (m_lTipoCobranca) {
        case 0:
            m_cyDesconto = qv_cy(0);
            m_cyAcrescimo = qv_cy(0);
            break;
        case 2:
            m_cyAcrescimo = qv_cy(0);
            m_cyDesconto = duas_casas(QVCalculaPercentual(m_cyTotal.GetValor(), taxa_percentual(m_wTaxa), 6).int64);
            break;
        case 1: {
            m_cyDesconto = qv_cy(0);
            m_cyAcrescimo = qv_cy(0);
            if (m_Parcelas.empty()) break;  // no instalments, no term to charge interest over
            CQVCurrencyEx valor = m_cyTotal;
            if (m_bEntrada) valor -= duas_casas(parte_de(valor.GetValor64(), m_Parcelas[0].GetPercentual())).GetValor();
            char metodo = 'P';
            int64_t dias = m_Parcelas.back().GetDias();
            if (!m_bJurosSimples) {
                metodo = m_bJurosUltimoPrazo ? 'C' : (m_bNumeraDeZero && !m_bEntrada ? 'A' : 'P');
            } else {
                metodo = 'S';
                if (m_bSimples30Dias) {
                    dias = 30;
                } else if (!m_bJurosUltimoPrazo) {
                    const size_t inicio = m_bEntrada ? 1 : 0;
                    int64_t soma = 0;
                    for (size_t i = inicio; i < m_Parcelas.size(); ++i) soma += m_Parcelas[i].GetDias();
                    const auto contadas = static_cast<int64_t>(m_Parcelas.size() - std::min(inicio, m_Parcelas.size()));
                    dias = contadas > 0 ? soma / contadas : 0;
                }
            }
            const auto prazo = static_cast<unsigned short>(std::clamp<int64_t>(dias, 0, 0xFFFF));
            m_cyAcrescimo = duas_casas(
                QVCalculaJuros(valor.GetValor(), metodo, taxa_percentual(m_wTaxa), prazo, 'M', 2).int64);
            break;
        }
        default:
            break;
        }
    }
    if (m_Parcelas.empty()) return;

    CQVCurrencyEx base = m_cyTotal;  // four decimals, truncating
    base -= m_cyDesconto.GetValor();
    CQVCurrencyEx soma;
    for (CParcela& p : m_Parcelas) {
        p.SetValor(duas_casas(parte_de(base.GetValor64(), p.GetPercentual())));
        soma += p.GetValor().GetValor();
    }
    CQVCurrencyEx resto = base;
    resto -= soma.GetValor();
    m_Parcelas.back().SomaValor(resto);

    if (m_cyAcrescimo.GetValor64() == 0) return;
    // The interest goes to the instalments in proportion to their values; a down payment
    // carries none of it.
    const size_t inicio = m_bEntrada ? 1 : 0;
    CQVCurrencyEx base_juros = base;
    if (m_bEntrada) base_juros -= m_Parcelas[0].GetValor().GetValor();
    CQVCurrencyEx distribuido;
    for (size_t i = inicio; i < m_Parcelas.size(); ++i) {
        const CURRENCY p = QVCalculaPercentualDe(base_juros.GetValor(), m_Parcelas[i].GetValor().GetValor(), 6);
        const CQVCurrencyEx parte = duas_casas(parte_de(m_cyAcrescimo.GetValor64(), p.int64 * 10000));
        m_Parcelas[i].SomaValor(parte);
        distribuido += parte.GetValor();
    }
    CQVCurrencyEx falta = m_cyAcrescimo;
    falta -= distribuido.GetValor();
    m_Parcelas.back().SomaValor(falta);
}

bool CCondicaoPagamento::AlteraParcela(uint16_t indice, const CParcela& nova) {
    m_Erro.Limpa();
    const CParcela recebida = nova;  // `nova` may be the instalment held at `indice`
    const int16_t posicao = static_cast<int16_t>(indice);
    if (recebida.GetValor().GetValor64() <= 0) {
        m_Erro.SetErro(posicao, CErroCondicaoPagto::ValorNaoPositivo);
        return false;
    }
    if (recebida.GetValor().GetValor64() > GetTotalPagar().GetValor64()) {
        m_Erro.SetErro(posicao, CErroCondicaoPagto::ValorAcimaDoTotal);
        return false;
    }
    CParcela& atual = GetParcela(indice);
    if (atual.GetIcmsSt() && atual.GetValor().GetValor64() != recebida.GetValor().GetValor64()) {
        m_Erro.SetErro(posicao, CErroCondicaoPagto::ParcelaIcmsSt);
        return false;
    }
    const CParcela guardada = atual;
    atual = recebida;

    if (atual.GetValor().GetValor64() != guardada.GetValor().GetValor64()) {
        // The following instalments receive the rest, or the earlier ones when the last changed.
        const size_t ultimo = m_Parcelas.size() - 1;
        const size_t de = indice < ultimo ? indice + 1u : 0, ate = indice < ultimo ? m_Parcelas.size() : indice;
        CQVCurrencyEx resto = GetTotalPagar();
        if (indice < ultimo)
            for (size_t i = 0; i < indice; ++i) resto -= m_Parcelas[i].GetValor().GetValor();
        resto -= atual.GetValor().GetValor();
        if (ate > de) {
            const auto n = static_cast<int64_t>(ate - de);
            const int64_t parte_bruta = resto.GetValor64() / n;  // four decimals, truncated
            if (parte_bruta < 100) {
                atual = guardada;
                m_Erro.SetErro(posicao, CErroCondicaoPagto::RestoInsuficiente);
                return false;
            }
            const CQVCurrencyEx parte = duas_casas(parte_bruta);
            for (size_t i = de; i < ate; ++i) m_Parcelas[i].SetValor(parte);
            CQVCurrencyEx sobra = resto;
            sobra -= qv_cy(parte.GetValor64() * n);
            m_Parcelas[ate - 1].SomaValor(sobra);
        }
        atual.SetPercentual(0);
    }

    // What the instalments add up to against the total: a discount below it, interest above.
    const int64_t diferenca = duas_casas(SomaValores().GetValor64()).GetValor64() - m_cyTotal.GetValor64();
    m_cyDesconto = qv_cy(diferenca < 0 ? -diferenca : 0);
    m_cyAcrescimo = qv_cy(diferenca < 0 ? 0 : diferenca);
    if (std::any_of(m_Parcelas.begin(), m_Parcelas.end(), [](const CParcela& p) { return p.GetPercentual() == 0; }))
        RecalculaNumerosPercentuais();
    return true;
}

void CCondicaoPagamento::RecalculaNumerosPercentuais() {
    const CQVCurrencyEx a_pagar = duas_casas(GetTotalPagar().GetValor64());
    int64_t total = a_pagar.GetValor64();
    int64_t restante = total;
    const bool juros_fora_da_entrada = m_bEntrada && m_cyAcrescimo.GetValor64() > 0;
    if (juros_fora_da_entrada) total -= m_cyAcrescimo.GetValor64();
    int64_t soma = 0;
    for (size_t i = 0; i < m_Parcelas.size(); ++i) {
        CParcela& p = m_Parcelas[i];
        p.SetNumero(static_cast<uint16_t>(i + (m_bNumeraDeZero ? 0 : 1)));
        int64_t valor = p.GetValor().GetValor64();
        if (juros_fora_da_entrada) {
            if (i == 0)
                restante -= valor;
            else
                valor -= duas_casas(parte_de(m_cyAcrescimo.GetValor64(), percentual_de(valor, restante))).GetValor64();
        }
        p.SetPercentual(percentual_de(valor, total));
        soma += p.GetPercentual();
    }
    if (!m_Parcelas.empty()) m_Parcelas.back().SetPercentual(m_Parcelas.back().GetPercentual() - (soma - cem_por_cento));
}

#pragma once
// A payment condition applied to an amount: the instalments with their shares, values and due
// dates, the interest or discount the condition adds, and the spreading of a user's change of
// one instalment over the others. Refusals are a false result and the error object's code.
//
// Due dates follow the customer's rules (CQVCalculaVencimento), whose failures are thrown as
// com::failure; the instalments keep their dates when that happens. Dates are 16-bit day numbers.
#include <cstdint>
#include <vector>

#include "base/CQVCurrencyEx.h"
#include "ft/ftlibrary/CErroCondicaoPagto.h"
#include "ft/ftlibrary/CParcela.h"
#include "ft/ftlibrary/CQVCalculaVencimentoDados.h"
#include "platform/inhouse/cfrt/QVCFRT.h"
#include "platform/inhouse/condicoes/registros_condicao.h"
#include "platform/inhouse/sessao/CQVInicializador.h"

class CCondicaoPagamento : public CQVInicializador {
public:
    CCondicaoPagamento() = default;
    CCondicaoPagamento(const CCondicaoPagamento&) = delete;
    CCondicaoPagamento& operator=(const CCondicaoPagamento&) = delete;

    // The session (company, user, session number) the due-date rules work in.
    using CQVInicializador::Inicializa;

    // A negative total is refused (code 1); an unchanged one does nothing; a new one is split
    // again from the shares.
    bool SetValorTotal(const CQVCurrencyEx& total);
    // Builds the instalments from the condition record and its rows (`registro.QtdParcelas` of
    // them) counted from the base date (0: today). A condition without instalments is refused
    // (code 12) and leaves none.
    bool Inicializa(const _REG_COND_PAGTOPS& registro, const REG_LINHA_CONDICAO_PAGTO* linhas, uint16_t dataBase);
    // The discount, the interest and the instalment values; with `manter`, a discount and
    // interest already in place (with instalments of some value) stay.
    void CalculaParcelas(bool manter);
    // Puts a user's instalment at `indice` and spreads the rest of the amount over the others
    // (the following ones, or the earlier ones for the last). An index outside the instalments
    // throws CInvalidArgException.
    bool AlteraParcela(uint16_t indice, const CParcela& nova);
    // The customer's due-date rules, applied to every instalment counted again from the base date.
    void SetDadosVencimento(const QVCFRT& cliente);
    // With `recalcula`, every due date is counted again from the new base date under the rules.
    void SetDataBase(uint16_t data, bool recalcula);

    CParcela& GetParcela(uint16_t indice);
    const std::vector<CParcela>& GetParcelas() const { return m_Parcelas; }
    uint16_t GetQtdParcelas() const { return static_cast<uint16_t>(m_Parcelas.size()); }
    const CQVCurrencyEx& GetValorAcrescimo() const { return m_cyAcrescimo; }
    const CQVCurrencyEx& GetValorDesconto() const { return m_cyDesconto; }
    const CQVCurrencyEx& GetValorTotal() const { return m_cyTotal; }
    // Total less discount plus interest.
    CQVCurrencyEx GetTotalPagar() const;
    CErroCondicaoPagto GetErro() const { return m_Erro; }
    uint16_t GetDataBase() const { return m_wDataBase; }
    const CQVCalculaVencimentoDados& GetDadosVencimento() const { return m_DadosVencimento; }

private:
    // Due dates from the base date (`contar`) and/or under the rules, all computed before any
    // instalment changes.
    void AplicaVencimentos(bool contarDaDataBase);
    void RecalculaNumerosPercentuais();
    CQVCurrencyEx SomaValores() const;

    CErroCondicaoPagto m_Erro;
    std::vector<CParcela> m_Parcelas;
    CQVCurrencyEx m_cyTotal;
    CQVCurrencyEx m_cyDesconto;
    CQVCurrencyEx m_cyAcrescimo;
    uint8_t m_cDistribui = 1;  // a changed instalment's difference is spread over the others
    CQVCalculaVencimentoDados m_DadosVencimento;
    uint16_t m_wTaxa = 0;
    uint16_t m_wDataBase = 0;
    uint16_t m_wDiasDesconto = 0;
    uint16_t m_wPercentualDesconto = 0;
    int32_t m_lTipoCobranca = 0;
    uint8_t m_cQtdParcelas = 0;
    bool m_bJurosSimples = false;
    bool m_bSimples30Dias = false;
    bool m_bJurosUltimoPrazo = false;
    bool m_bNumeraDeZero = false;
    bool m_bEntrada = false;
    bool m_bDescontoParcelas = false;
};

#pragma once
// The receivables, payables and treasury reader of the finance module. The data-server cache
// keeps one per session (slot 15); the finance objects that read titles and movements through it
// come with the finance module. It keeps the session it was initialised with and serves the
// cheques received from customers (third-party cheques) over the installation's store.
#include <windows.h>

#include <vector>

#include "base/CQVString.h"
#include "platform/inhouse/cache/registros_historico.h"

class CRecPagTes {
public:
    CRecPagTes() = default;
    CRecPagTes(const CRecPagTes&) = delete;
    CRecPagTes& operator=(const CRecPagTes&) = delete;
    virtual ~CRecPagTes() = default;

    // Keeps company, user and session for the reads. Always 0.
    HRESULT Inicializa(const CQVString& empresa, WORD usuario, long sessao);

    const CQVString& GetEmpresa() const noexcept { return m_sEmpresa; }
    WORD GetUsuario() const noexcept { return m_wUsuario; }
    long GetSessao() const noexcept { return m_lSessao; }
    // How many times Inicializa ran (tests).
    int GetInicializacoes() const noexcept { return m_inicializacoes; }

    // The cheques received from customers that the treasury holds (the filter's customer at 100;
    // 0: every customer), in place of any loaded before. Read from the installation's store
    // (cheque_terceiro); the calls go to the fault plan of "CRecPagTes". A failure leaves none.
    HRESULT SetChequesTerceiros(inhouse::REG_FILTRO_CHEQUES_3 filtro);
    long GetQuantidadeChequesTerceiros() const noexcept { return static_cast<long>(m_cheques.size()); }
    // Copies cheque i; false outside the list (nothing copied).
    bool GetChequeTerceiros(inhouse::tagREG_CHEQUE_3PS* cheque, long i) const noexcept;
    void RemoveChequesTerceiros() noexcept { m_cheques.clear(); }

private:
    CQVString m_sEmpresa;
    WORD m_wUsuario = 0;
    long m_lSessao = 0;
    int m_inicializacoes = 0;
    std::vector<inhouse::tagREG_CHEQUE_3PS> m_cheques;
};

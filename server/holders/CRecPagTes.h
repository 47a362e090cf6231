#pragma once
// The receivables, payables and treasury reader of the finance module. The data-server cache
// keeps one per session (slot 15); the finance objects that read titles and movements through it
// come with the finance module. Until then it keeps the session it was initialised with.
#include <windows.h>

#include "base/CQVString.h"

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

private:
    CQVString m_sEmpresa;
    WORD m_wUsuario = 0;
    long m_lSessao = 0;
    int m_inicializacoes = 0;
};

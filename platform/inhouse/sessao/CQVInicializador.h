#pragma once
// The session initialiser of the maker's session library (QVSessao.dll): company, user and
// session number kept for a derived object's later calls, plus the hooks its users override.
// Ours holds no data server and shows nothing; the hooks answer 0 and do nothing.
#include <windows.h>

#include "base/CQVString.h"

class CQVInicializador {
public:
    CQVInicializador() = default;
    CQVInicializador(const CQVInicializador&) = default;
    CQVInicializador& operator=(const CQVInicializador&) = default;
    virtual ~CQVInicializador() { Finaliza(); }

    // Keeps the session; an initialised object takes the new one. Never fails.
    HRESULT Inicializa(const CQVString& empresa, WORD usuario, long sessao);
    // Forgets the session (the object may be initialised again).
    void Finaliza() noexcept;

    const CQVString& GetEmpresa() const noexcept { return m_sEmpresa; }
    WORD GetUsuario() const noexcept { return m_wUsuario; }
    long GetNumeroSessao() const noexcept { return m_lSessao; }
    bool EstaInicializado() const noexcept { return m_bInicializado; }

    // The two buffer hooks: a derived object loads or drops what it buffered for the session.
    virtual int OnCarregaBuffer() { return 0; }
    virtual int OnDescarregaBuffer() { return 0; }
    virtual void OnSetMostrarMensagens(bool /*mostrar*/) {}
    virtual void OnReloadBuffer() {}
    virtual void OnResetBuffer() {}

private:
    CQVString m_sEmpresa;
    WORD m_wUsuario = 0;
    long m_lSessao = 0;
    bool m_bInicializado = false;
};

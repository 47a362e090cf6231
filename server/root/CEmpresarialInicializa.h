#pragma once
// The base of the worker objects behind the older accounting and master-data classes: a session
// copy of their own, taken from a root object (Inicializa(IQV_Inicializa*)), instead of the
// process-wide holder. Creating, initialising or destroying a worker touches only that copy: the
// process-wide pool, cache and session holder keep serving the other clients.
//
//     HRESULT CDFcHistorico::Busca(...) {
//         VerificaInicializado();            // message 1, 0x800A0001, before Inicializa
//         ... m_sEmpresa, m_iUsuario, m_lNumeroSessao ...
//     }
#include <windows.h>
#include <oaidl.h>

#include <source_location>
#include <string>

#include "server/root/CTW_Inicializa.h"

namespace server {

class CEmpresarialInicializa : public CTW_Inicializa {
public:
    CEmpresarialInicializa() noexcept { LimpaSessao(); }
    ~CEmpresarialInicializa() override = default;

    // Throws the numbered failure "1\t-\tComponente não inicializado !" (0x800A0001) when this
    // worker has no session.
    void VerificaInicializado(std::source_location where = std::source_location::current()) const;

    // The workers' read-back of a report file: its text (ANSI to UTF-16) marked "*#", as the
    // report classes' (CTW_Relatorio::TransfereRelatorio), with the workers' texts reported with
    // the caller's class and interface. The file stays the caller's.
    static HRESULT TransfereRelatorio(const std::string& arquivo, BSTR* pResultado, REFCLSID clsid,
                                      REFIID iid) noexcept;
};

}  // namespace server

#pragma once
// The common base of the data-access library's connection classes (one class per register, such
// as CConexaoFilial or CConexaoPlano). Every caller uses a connection the same way: default
// construction, SetTrataErros(false) and SetTratarMensagens(false) so that nothing is shown,
// Inicializa with company, user and session (some classes take fixed extra arguments), then
// CriaServidor / GetInterface and the class's own reads, and virtual destruction at the end.
// Connections are used from the server's apartment thread only.
//
// What a connection received is kept in the fault plan of its class, shared by every object of
// that class in the process, so that a test can script an answer before the pool creates the
// object and read afterwards what came in:
//
//     inhouse::faults_of_connection("CConexaoFilial").answer("Inicializa", {E_FAIL});
#include <windows.h>
#include <unknwn.h>

#include <string>
#include <string_view>

#include "base/CQVString.h"
#include "platform/com/com_ptr.h"
#include "platform/inhouse/core/fault_plan.h"

namespace inhouse {

// The process-wide fault plan of one connection class (by class name).
fault_plan& faults_of_connection(std::string_view class_name);

}  // namespace inhouse

class CConexaoServidor {
public:
    CConexaoServidor() = default;
    CConexaoServidor(const CConexaoServidor&) = delete;
    CConexaoServidor& operator=(const CConexaoServidor&) = delete;
    // Ends the connection and releases its data server.
    virtual ~CConexaoServidor();

    // Whether the library would show its own dialogs (error treatment) and message boxes. The
    // server always switches both off; the stand-in never shows anything either way.
    void SetTrataErros(bool trata) noexcept { m_bTrataErros = trata; }
    void SetTratarMensagens(bool trata) noexcept { m_bTratarMensagens = trata; }
    bool GetTrataErros() const noexcept { return m_bTrataErros; }
    bool GetTratarMensagens() const noexcept { return m_bTratarMensagens; }

    // The common initialisation: keeps company, user and session for the class's later calls.
    virtual HRESULT Inicializa(const CQVString& empresa, WORD usuario, long sessao);

    // Creates the connection's data server (classes without one answer S_OK and keep none).
    HRESULT CriaServidor();
    // The data server's interface, or null; no reference is added.
    IUnknown* GetInterface() const noexcept { return m_servidor.get(); }
    // Releases the data server; the connection keeps its company, user and session.
    void Finaliza() noexcept;

    const CQVString& GetEmpresa() const noexcept { return m_sEmpresa; }
    WORD GetUsuario() const noexcept { return m_wUsuario; }
    long GetSessao() const noexcept { return m_lSessao; }
    bool IsInicializada() const noexcept { return m_bInicializada; }

    // The class name, as the fault plans know it.
    virtual const char* NomeClasse() const noexcept = 0;
    inhouse::fault_plan& faults() const { return inhouse::faults_of_connection(NomeClasse()); }

protected:
    // The class and interface of the connection's data server; null for classes that have none
    // (yet).
    virtual const CLSID* ClasseServidor() const noexcept { return nullptr; }
    virtual const IID* InterfaceServidor() const noexcept { return nullptr; }

    // Records the call (with the class's extra arguments as text), takes the scripted answer and,
    // when it is not a failure, keeps company, user and session.
    HRESULT InicializaComum(const CQVString& empresa, WORD usuario, long sessao, std::string extras);

private:
    bool m_bTrataErros = true;
    bool m_bTratarMensagens = true;
    bool m_bInicializada = false;
    CQVString m_sEmpresa;
    WORD m_wUsuario = 0;
    long m_lSessao = 0;
    com::com_ptr<IUnknown> m_servidor;   // the requested interface itself, held as IUnknown
};

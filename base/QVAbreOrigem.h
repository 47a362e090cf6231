#pragma once
// Opening the desktop program of the module that generated a record, positioned on it, or
// bringing a running copy of it to the front. The server has no window station of its own, so
// on a server machine the program starts without a visible window; failures go to the event log.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "base/CQVQuemGerou.h"

// The program of an origin number: the module whose folder holds it, its file name without
// ".exe" and the argument pattern ("%s" takes the record's key text). False (code and
// arguments empty) for an origin without a program.
bool QVProgramaOrigem(unsigned origem, int& modulo, std::string& codigo, std::string& argumentos);
// True when the origin has both a program and an argument pattern.
bool QVPodeAbrirOrigem(const CQVQuemGerou& quem);

// The program path and the command line QVAbreOrigem starts; false without a program.
bool qv_comando_origem(const std::string& empresa, unsigned usuario, int32_t sessao, const CQVQuemGerou& quem,
                       std::string& programa, std::string& parametros);
// The same with the argument "-DMC<stamp's raw value>" instead of the pattern.
bool qv_comando_origem_dmc(const std::string& empresa, unsigned usuario, int32_t sessao, const CQVQuemGerou& quem,
                           std::string& programa, std::string& parametros);

// Start (or activate) the program; true when it was started or a running copy was activated.
bool QVAbreOrigem(const std::string& empresa, unsigned usuario, int32_t sessao, const CQVQuemGerou& quem);
bool QVAbreOrigemDMC(const std::string& empresa, unsigned usuario, int32_t sessao, const std::string& texto,
                     const CQVQuemGerou& quem);
bool QVExecutaModulo(int modulo, const std::string& empresa, unsigned usuario, int32_t sessao,
                     const std::string& argumentos);
// Activates a running copy of the program (compared by file name) when `ativar`; otherwise, or
// when none runs, starts it. A failure is written to the event log with its Portuguese text.
bool QVExecuta(const std::string& programa, const std::string& parametros, bool ativar, int mostrar);
// WinExec on the program's drive; the WinExec result (below 32 is a failure, logged).
UINT QVExecutaWinExec(const std::string& linhaComando);
// The Portuguese text for a launch failure code (0, 2, 3, 11 or any other).
std::string qv_texto_falha_execucao(DWORD codigo);

class CProcessManager {
public:
    struct processo {
        std::string nome;   // executable file name, lower case
        DWORD id;
    };
    CProcessManager() = default;
    virtual ~CProcessManager() = default;

    // 1 when a window of a running process with that executable name (or the file name of
    // that path), compared without regard to case, was brought to the front; else 0.
    int LocalizaEAtiva(const std::string& nome);
    void SetMostraJanela(bool mostrar) { m_mostraJanela = mostrar; }
    const std::vector<processo>& GetProcessos();

private:
    static BOOL CALLBACK coleta_janela(HWND janela, LPARAM self);
    std::vector<processo> m_processos;
    bool m_listaLida = false;
    std::vector<HWND> m_janelas;
    DWORD m_idProcurado = 0;
    bool m_mostraJanela = false;
};

#include "base/QVAbreOrigem.h"

#include <direct.h>
#include <shellapi.h>
#include <tlhelp32.h>

#include <cstdio>

#include "base/QVCaminhos.h"
#include "base/QVEventLog.h"
#include "base/QVModulos.h"
#include "base/qv_ansi_case.h"

namespace {

struct linha_programa {
    unsigned origens[6];
    int modulo;          // module number (row of the module table)
    const char* padrao;  // "%s" takes the key text; "%d" (in "-M%d") the origin number
};

constexpr linha_programa programas[] = {
    {{4, 6, 8, 14, 15}, 4, "-P%s"},
    {{5}, 5, "-T2 -P%s"},
    {{7}, 3, "-P%s"},
    {{18, 19, 20, 39, 42}, 7, "-P%s"},
    {{23}, 5, "-P%s"},
    {{26, 27, 28, 29, 50}, 16, "-P%s"},
    {{31, 33, 34, 35, 36, 38}, 9, "-P%%s -M%d"},
    {{37}, 9, "-P%s"},
    {{44}, 20, "-T\"AP\" -P%s"},
    {{48}, 20, "-T\"NF\" -P%s"},
    {{49, 51, 60}, 20, "-P%s"},
    {{52}, 20, "-R%s"},
    {{54}, 23, "-P%s"},
    {{2, 9, 10, 11}, 6, ""},
};

// The installation's program of each module: "QV" and the module's abbreviation.
std::string codigo_do_modulo(int modulo) {
    const std::string sigla = QVGetSiglaModulo(modulo);
    return sigla.empty() ? "" : "QV" + sigla;
}

// "%%" of a pattern that was formatted once stands for a single '%'.
std::string preenche_percentuais(const std::string& padrao) {
    if (padrao.find("%%") == std::string::npos) return padrao;
    std::string r;
    for (size_t i = 0; i < padrao.size(); ++i) {
        r += padrao[i];
        if (padrao[i] == '%' && i + 1 < padrao.size() && padrao[i + 1] == '%') ++i;
    }
    return r;
}

// Fills the key text into a pattern whose only conversion is one "%s".
std::string preenche(const std::string& padrao, const std::string& chave) {
    std::string r;
    for (size_t i = 0; i < padrao.size(); ++i) {
        if (padrao[i] == '%' && i + 1 < padrao.size() && padrao[i + 1] == 's') {
            r += chave;
            ++i;
        } else if (padrao[i] == '%' && i + 1 < padrao.size() && padrao[i + 1] == '%') {
            r += '%';
            ++i;
        } else {
            r += padrao[i];
        }
    }
    return r;
}

std::string linha_comando(const std::string& empresa, unsigned usuario, int32_t sessao, const std::string& args) {
    char prefixo[64];
    snprintf(prefixo, sizeof prefixo, "\" -U%u -L%i ", usuario, static_cast<int>(sessao));
    return "-E\"" + empresa + prefixo + args;
}

bool programa_da_origem(const CQVQuemGerou& quem, std::string& programa, std::string& padrao) {
    int modulo = 0;
    std::string codigo;
    if (!QVProgramaOrigem(quem.GetNumeroOrigem(), modulo, codigo, padrao) || codigo.empty()) return false;
    programa = QVGetCaminhoModulo(modulo) + codigo + ".exe";
    return true;
}

}  // namespace

std::string qv_texto_falha_execucao(DWORD codigo) {
    switch (codigo) {
        case 0: return "Falta memória para executar este módulo.";
        case 2: return "Nome do executável inválido.";
        case 3: return "Caminho do executável inválido.";
        case 11: return "O módulo a ser executado é inválido.";
        default: return "Não foi possível executar este módulo.";
    }
}

bool QVProgramaOrigem(unsigned origem, int& modulo, std::string& codigo, std::string& argumentos) {
    modulo = 0;
    codigo.clear();
    argumentos.clear();
    for (const auto& linha : programas) {
        for (unsigned o : linha.origens) {
            if (o == 0 || o != origem) continue;
            modulo = linha.modulo;
            codigo = codigo_do_modulo(linha.modulo);
            argumentos = linha.padrao;
            if (const size_t d = argumentos.find("-M%d"); d != std::string::npos)
                argumentos = argumentos.substr(0, d) + "-M" + std::to_string(origem);
            argumentos = preenche_percentuais(argumentos);
            return true;
        }
    }
    return false;
}

bool QVPodeAbrirOrigem(const CQVQuemGerou& quem) {
    int modulo;
    std::string codigo, argumentos;
    QVProgramaOrigem(quem.GetNumeroOrigem(), modulo, codigo, argumentos);
    return !codigo.empty() && !argumentos.empty();
}

bool qv_comando_origem(const std::string& empresa, unsigned usuario, int32_t sessao, const CQVQuemGerou& quem,
                       std::string& programa, std::string& parametros) {
    std::string padrao;
    if (!programa_da_origem(quem, programa, padrao)) return false;
    const std::string chave = QVFormataChaveMesAno(quem.GetChaveMesAno());
    parametros = linha_comando(empresa, usuario, sessao, preenche(padrao, chave));
    return true;
}

bool qv_comando_origem_dmc(const std::string& empresa, unsigned usuario, int32_t sessao, const CQVQuemGerou& quem,
                           std::string& programa, std::string& parametros) {
    std::string padrao;
    if (!programa_da_origem(quem, programa, padrao)) return false;
    parametros = linha_comando(empresa, usuario, sessao, "-DMC" + std::string(quem.GetTexto64()));
    return true;
}

bool QVAbreOrigem(const std::string& empresa, unsigned usuario, int32_t sessao, const CQVQuemGerou& quem) {
    std::string programa, parametros;
    if (!qv_comando_origem(empresa, usuario, sessao, quem, programa, parametros)) return false;
    return QVExecuta(programa, parametros, true, SW_SHOWNORMAL);
}

bool QVAbreOrigemDMC(const std::string& empresa, unsigned usuario, int32_t sessao, const std::string&,
                     const CQVQuemGerou& quem) {
    std::string programa, parametros;
    if (!qv_comando_origem_dmc(empresa, usuario, sessao, quem, programa, parametros)) return false;
    return QVExecuta(programa, parametros, true, SW_SHOWNORMAL);
}

bool QVExecutaModulo(int modulo, const std::string& empresa, unsigned usuario, int32_t sessao,
                     const std::string& argumentos) {
    const std::string codigo = codigo_do_modulo(modulo == qv_modulo::NF ? qv_modulo::DF : modulo);
    if (codigo.empty()) return false;
    char meio[64];
    snprintf(meio, sizeof meio, "\" -U%d -L%d ", static_cast<int>(usuario), static_cast<int>(sessao));
    return QVExecuta(QVGetCaminhoModulo(modulo) + codigo + ".exe", "-E\"" + empresa + meio + argumentos, true,
                     SW_SHOWNORMAL);
}

bool QVExecuta(const std::string& programa, const std::string& parametros, bool ativar, int mostrar) {
    if (ativar) {
        CProcessManager processos;
        if (processos.LocalizaEAtiva(programa)) return true;
    }
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.lpFile = programa.c_str();
    info.lpParameters = parametros.c_str();
    info.nShow = mostrar;
    if (ShellExecuteExA(&info)) return true;
    const DWORD erro = GetLastError();
    qv_event_log(EVENTLOG_ERROR_TYPE, qv_texto_falha_execucao(erro) + " (" + programa + ")");
    return false;
}

UINT QVExecutaWinExec(const std::string& linhaComando) {
    size_t i = 0;
    if (!linhaComando.empty() && (linhaComando[0] == '"' || linhaComando[0] == '\'')) i = 1;
    const int anterior = _getdrive();
    bool mudou = false;
    if (i < linhaComando.size() && i + 1 < linhaComando.size() && linhaComando[i + 1] == ':') {
        const int letra = qv_ansi_upper(static_cast<unsigned char>(linhaComando[i]));
        if (letra >= 'A' && letra <= 'Z') mudou = _chdrive(letra - 'A' + 1) == 0;
    }
    const UINT resultado = WinExec(linhaComando.c_str(), SW_SHOWNORMAL);
    if (resultado < 32) qv_event_log(EVENTLOG_ERROR_TYPE, qv_texto_falha_execucao(resultado) + " (" + linhaComando + ")");
    if (mudou && anterior > 0) _chdrive(anterior);
    return resultado;
}

const std::vector<CProcessManager::processo>& CProcessManager::GetProcessos() {
    if (m_listaLida) return m_processos;
    m_listaLida = true;
    HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snap == INVALID_HANDLE_VALUE) return m_processos;
    PROCESSENTRY32 pe{};
    pe.dwSize = sizeof pe;
    for (BOOL ok = Process32First(snap, &pe); ok; ok = Process32Next(snap, &pe))
        m_processos.push_back({qv_ansi_to_lower(QVGetNomeArquivo(std::string(pe.szExeFile))), pe.th32ProcessID});
    CloseHandle(snap);
    return m_processos;
}

BOOL CALLBACK CProcessManager::coleta_janela(HWND janela, LPARAM self) {
    auto* pm = reinterpret_cast<CProcessManager*>(self);
    DWORD pid = 0;
    GetWindowThreadProcessId(janela, &pid);
    if (pid == pm->m_idProcurado) pm->m_janelas.push_back(janela);
    return TRUE;
}

int CProcessManager::LocalizaEAtiva(const std::string& nome) {
    // The process list holds executable names: compare the name part of a path with them.
    const std::string procurado = qv_ansi_to_lower(QVGetNomeArquivo(nome));
    for (const auto& p : GetProcessos()) {
        if (p.nome != procurado) continue;
        m_idProcurado = p.id;
        m_janelas.clear();
        EnumWindows(coleta_janela, reinterpret_cast<LPARAM>(this));
        for (HWND janela : m_janelas) {
            if (GetParent(janela)) continue;
            char titulo[1024] = {};
            if (GetWindowTextA(janela, titulo, sizeof titulo - 1) == 0) continue;
            if (!m_mostraJanela && !IsWindowVisible(janela)) continue;
            if (IsIconic(janela)) ShowWindow(janela, SW_RESTORE);
            SetForegroundWindow(janela);
            SetActiveWindow(janela);
            SetFocus(janela);
            if (m_mostraJanela) ShowWindow(janela, SW_SHOW);
            return 1;
        }
        return 0;   // the first process of that name decides
    }
    return 0;
}

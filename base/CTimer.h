#pragma once
// Where the time and memory of a long operation go: a run (Inicia) with named sections begun
// and ended by Registra; a section's time excludes the sections opened inside it. When the
// object is destroyed the table of sections (time, time per call, share, calls, memory growth)
// is appended to the log file: the program's path with ".exe" replaced by "t.log" unless a
// path is set. The server shows no message boxes, so the report always goes to the file.
#include <windows.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct STRUCT_TIMER {
    std::string anterior;     // the section that was current when this one was begun
    std::string nome;
    uint32_t chamadas = 0;
    uint32_t inicio = 0;      // tick count when begun or resumed; 0 while not running
    uint32_t total = 0;       // milliseconds
    int32_t profundidade = 0; // begins of this section while it was already running
    uint32_t memoriaInicio = 0;
    int32_t memoriaTotal = 0; // page-file usage growth in bytes (may be negative)
};

class CTimer {
public:
    // Read by the code that holds a CTimer pointer: 1 while a run is going.
    uint8_t m_ativo = 0;

    CTimer() = default;
    virtual ~CTimer();
    CTimer(const CTimer&) = delete;
    CTimer& operator=(const CTimer&) = delete;

    void Inicia();
    // inicio 1 begins, 0 ends the section; `interno` marks the profiler's own pause or resume.
    void Registra(uint8_t inicio, const std::string& nome, bool interno = false);
    // The order some callers use: name first.
    void Registra(const std::string& nome, uint8_t inicio) { Registra(inicio, nome); }
    void SetGravaArquivo(uint8_t gravar) { m_gravaArquivo = gravar; }
    void SetGravaVazio(uint8_t gravar) { m_gravaVazio = gravar; }
    void SetArquivo(const std::string& caminho) { m_arquivo = caminho; }

    // The report's text (without the date line) as it would be written now; ends the run.
    std::string Relatorio();

    // For tests: the sources of milliseconds and of page-file usage.
    struct fontes {
        DWORD (*ticks)();
        SIZE_T (*memoria)();
    };
    static void SetFontes(const fontes* f);

private:
    void escreve(const std::string& texto);

    std::vector<STRUCT_TIMER> m_tabela;
    std::map<std::string, size_t> m_indices;
    uint32_t m_inicio = 0;
    uint32_t m_chamadas = 0;
    std::string m_atual;
    uint8_t m_gravaArquivo = 0;
    uint8_t m_gravaVazio = 1;
    std::string m_arquivo;
    uint32_t m_memoriaInicio = 0;
};

#include "base/CTimer.h"

#include <psapi.h>

#include <algorithm>
#include <cstdio>

#include "base/QVRelogio.h"
#include "base/qv_ansi_case.h"
#include "platform/com/registrar.h"
#include "platform/com/text.h"

namespace {

DWORD real_ticks() { return GetTickCount(); }

SIZE_T real_memory() {
    PROCESS_MEMORY_COUNTERS pmc{};
    pmc.cb = sizeof pmc;
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof pmc)) return 0;
    return pmc.PagefileUsage;
}

const CTimer::fontes real_sources{real_ticks, real_memory};
const CTimer::fontes* g_sources = &real_sources;

uint32_t ticks() { return g_sources->ticks(); }
uint32_t memory() { return static_cast<uint32_t>(g_sources->memoria()); }

std::string tempo(uint32_t ms) {
    char t[32];
    snprintf(t, sizeof t, "%02u:%02u:%03u", ms / 60000, ms / 1000 % 60, ms % 1000);
    return t;
}

std::string tempo_por_chamada(uint32_t ms, uint32_t chamadas) {
    uint64_t v = chamadas == 0 ? 0 : static_cast<uint64_t>(ms) * 100 / chamadas;
    if (v > 99) v = 0;
    char t[8];
    snprintf(t, sizeof t, "%02u", static_cast<unsigned>(v));
    return t;
}

}  // namespace

void CTimer::SetFontes(const fontes* f) { g_sources = f ? f : &real_sources; }

CTimer::~CTimer() {
    if (!m_ativo) return;
    try {
        const std::string texto = Relatorio();
        if (m_tabela.empty() && m_gravaVazio == 0) return;
        escreve(texto);
    } catch (...) {
        // A report that cannot be made is not worth failing the caller.
    }
}

void CTimer::Inicia() {
    if (m_ativo) return;
    m_ativo = 1;
    m_inicio = ticks();
    m_memoriaInicio = memory();
    m_chamadas = 0;
}

void CTimer::Registra(uint8_t inicio, const std::string& nome, bool interno) {
    auto found = m_indices.find(nome);
    if (inicio) {
        if (found == m_indices.end()) {
            found = m_indices.emplace(nome, m_tabela.size()).first;
            STRUCT_TIMER novo;
            novo.nome = nome;
            m_tabela.push_back(novo);
        }
        STRUCT_TIMER& e = m_tabela[found->second];
        if (!interno) {
            ++e.chamadas;
            ++m_chamadas;
        }
        if (e.inicio != 0) {
            ++e.profundidade;
            return;
        }
        if (!interno) {
            if (!m_atual.empty()) Registra(0, m_atual, true);
            m_tabela[found->second].anterior = m_atual;   // the table may have moved
            m_atual = nome;
        }
        STRUCT_TIMER& s = m_tabela[found->second];
        s.inicio = ticks();
        if (s.inicio == 0) s.inicio = 1;   // 0 means "not running"
        s.memoriaInicio = memory();
        return;
    }
    if (found == m_indices.end()) return;   // never begun: nothing to end
    STRUCT_TIMER& e = m_tabela[found->second];
    if (e.profundidade != 0 && !interno) {
        --e.profundidade;
        return;
    }
    if (e.inicio != 0) {
        e.total += ticks() - e.inicio;
        e.inicio = 0;
        e.memoriaTotal += static_cast<int32_t>(memory() - e.memoriaInicio);
        e.memoriaInicio = 0;
    }
    if (!interno) {
        const std::string anterior = e.anterior;
        if (!anterior.empty()) Registra(1, anterior, true);
        m_atual = anterior;
    }
}

std::string CTimer::Relatorio() {
    const uint32_t decorrido = ticks() - m_inicio;
    const int32_t memoria = static_cast<int32_t>(memory() - m_memoriaInicio);
    std::vector<STRUCT_TIMER> linhas = m_tabela;
    std::sort(linhas.begin(), linhas.end(), [](const STRUCT_TIMER& a, const STRUCT_TIMER& b) {
        if (a.total != b.total) return a.total > b.total;
        if (a.chamadas != b.chamadas) return a.chamadas > b.chamadas;
        return a.nome < b.nome;
    });
    std::string texto = "TIME           T/C   %     CALLED     FUNCTION\n";
    char linha[512];
    snprintf(linha, sizeof linha, "%s - %s - 100 - %08u - %08d KB - %s\n", tempo(decorrido).c_str(),
             tempo_por_chamada(decorrido, m_chamadas).c_str(), m_chamadas, memoria / 1024, "Total");
    texto += linha;
    const uint64_t base = 10000000 / (decorrido == 0 ? 1 : decorrido);
    for (const auto& e : linhas) {
        const unsigned pct = static_cast<unsigned>(base * e.total / 100000);
        snprintf(linha, sizeof linha, "%s - %s - %03u - %08u - %08d KB - ", tempo(e.total).c_str(),
                 tempo_por_chamada(e.total, e.chamadas).c_str(), pct, e.chamadas, e.memoriaTotal / 1024);
        texto += linha + e.nome + "\n";
    }
    m_inicio = decorrido;
    m_memoriaInicio = static_cast<uint32_t>(memoria);
    m_ativo = 0;
    return texto;
}

void CTimer::escreve(const std::string& texto) {
    std::string caminho = m_arquivo;
    if (caminho.empty()) {
        const std::string programa = com::to_ansi(com::module_path());
        if (programa.empty()) return;
        caminho = qv_ansi_to_lower(programa);
        const size_t exe = caminho.rfind(".exe");
        if (exe != std::string::npos) caminho.replace(exe, 4, "t.log");
        else caminho += "t.log";
    }
    FILE* f = fopen(caminho.c_str(), "a");
    if (!f) return;
    const SYSTEMTIME agora = GetCurrentTime_LocalTime();
    fprintf(f, "%d/%d/%d %d:%d\n", agora.wDay, agora.wMonth, agora.wYear, agora.wHour, agora.wMinute);
    fputs(texto.c_str(), f);
    fputs("\n", f);
    fclose(f);
}

#include "platform/inhouse/qvcadvis/CChamaVisualizadorRel.h"

#include <cstdio>
#include <string>

#include "base/QVDCOM.h"
#include "platform/com/registrar.h"
#include "platform/com/text.h"
#include "platform/inhouse/qvcadvis/caminho_relatorio.h"
#include "platform/inhouse/qvcadvis/messages.h"
#include "platform/inhouse/qvcadvis/saida_visualizador.h"

namespace {

// What each exit code of the viewer means to the client, and the HRESULT it fails with. The
// texts' one % field is the report file, or the PDF file for a write failure, or the action.
struct significado_saida {
    saida_visualizador codigo;
    const char* texto;
    HRESULT hr;
};
constexpr significado_saida significados[] = {
    {saida_visualizador::uso_invalido, qvcadvis::msg::uso_invalido, E_INVALIDARG},
    {saida_visualizador::acao_desconhecida, qvcadvis::msg::acao_desconhecida, E_INVALIDARG},
    {saida_visualizador::sem_impressora, qvcadvis::msg::sem_impressora, HRESULT_FROM_WIN32(ERROR_INVALID_PRINTER_NAME)},
    {saida_visualizador::impressora_ausente, qvcadvis::msg::impressora_ausente,
     HRESULT_FROM_WIN32(ERROR_INVALID_PRINTER_NAME)},
    {saida_visualizador::relatorio_ilegivel, qvcadvis::msg::relatorio_ilegivel, HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND)},
    {saida_visualizador::falha_pdf, qvcadvis::msg::falha_pdf, E_FAIL},
    {saida_visualizador::falha_gravacao, qvcadvis::msg::falha_gravacao, HRESULT_FROM_WIN32(ERROR_WRITE_FAULT)},
};

template <typename... A>
std::string formata(const char* modelo, A... argumentos) {
    char texto[1024];
    std::snprintf(texto, sizeof texto, modelo, argumentos...);
    return texto;
}

// One argument of the command line, quoted as CommandLineToArgvW reads it back: a path that
// ends in a backslash would otherwise swallow its closing quote.
std::string argumento(const std::string& texto) {
    std::string saida = "\"";
    size_t barras = 0;
    for (char c : texto) {
        if (c == '\\') {
            ++barras;
        } else {
            if (c == '"') saida.append(barras + 1, '\\');
            barras = 0;
        }
        saida.push_back(c);
    }
    saida.append(barras, '\\');
    saida.push_back('"');
    return saida;
}

std::wstring programa_ao_lado() {
    std::wstring caminho = com::module_path();
    const size_t barra = caminho.find_last_of(L"\\/");
    caminho.resize(barra == std::wstring::npos ? 0 : barra + 1);
    return caminho + programa_visualizador;
}

bool arquivo_com_conteudo(const std::string& caminho) {
    WIN32_FILE_ATTRIBUTE_DATA dados{};
    return GetFileAttributesExW(com::to_wide(caminho).c_str(), GetFileExInfoStandard, &dados) &&
           !(dados.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && (dados.nFileSizeHigh != 0 || dados.nFileSizeLow != 0);
}

}  // namespace

HRESULT CChamaVisualizadorRel::Executa() {
    m_sErro.clear();
    auto falha = [this](HRESULT hr, std::string texto) {
        m_sErro = std::move(texto);
        return hr;
    };
    try {
        const std::wstring programa = programa_ao_lado();
        if (GetFileAttributesW(programa.c_str()) == INVALID_FILE_ATTRIBUTES)
            return falha(HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND),
                         formata(qvcadvis::msg::nao_instalado, com::to_ansi(programa).c_str()));
        const std::string pdf = caminho_na_pasta_de_relatorios(m_sParametro);
        // An older file of the same name must not pass for the new PDF when the viewer writes none.
        if (m_iAcao == acao_imprime_pdf && !pdf.empty()) DeleteFileW(com::to_wide(pdf).c_str());

        // The viewer always runs on this machine, so the local flag changes nothing here.
        const std::string linha = argumento(com::to_ansi(programa)) + " " + std::to_string(m_iAcao) + " " +
                                  argumento(m_sRelatorio) + " " + argumento(m_sParametro);
        const DWORD limite_ms = qv_tempo_limite_espera_ms();
        std::string saida;
        DWORD codigo = 0;
        const HRESULT hr = qv_executa_capturando(linha, limite_ms, saida, &codigo);
        if (hr == HRESULT_FROM_WIN32(ERROR_TIMEOUT))
            return falha(hr, formata(qvcadvis::msg::tempo_esgotado, static_cast<unsigned long>((limite_ms + 999) / 1000)));
        if (FAILED(hr)) return falha(hr, qvcadvis::msg::nao_iniciou);

        if (codigo != static_cast<DWORD>(saida_visualizador::sucesso)) {
            for (const auto& s : significados) {
                if (static_cast<DWORD>(s.codigo) != codigo) continue;
                if (s.codigo == saida_visualizador::acao_desconhecida) return falha(s.hr, formata(s.texto, m_iAcao));
                const std::string& arquivo =
                    s.codigo == saida_visualizador::falha_gravacao ? m_sParametro : m_sRelatorio;
                return falha(s.hr, formata(s.texto, arquivo.c_str()));
            }
            return falha(E_FAIL, formata(qvcadvis::msg::codigo_desconhecido, static_cast<unsigned long>(codigo)));
        }
        if (m_iAcao == acao_imprime_pdf && !arquivo_com_conteudo(pdf))
            return falha(E_FAIL, formata(qvcadvis::msg::pdf_ausente, m_sParametro.c_str()));
        return S_OK;
    } catch (const std::bad_alloc&) {
        return falha(E_OUTOFMEMORY, qvcadvis::msg::nao_iniciou);
    } catch (...) {
        return falha(E_UNEXPECTED, qvcadvis::msg::nao_iniciou);
    }
}

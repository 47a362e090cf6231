// QVVisualizador ACTION REPORT PARAMETER [/local]: the report viewer program that the launcher
// (CChamaVisualizadorRel) runs. Action 8 prints the report file into the PDF file named by the
// parameter, through the printer last recorded under HKEY_CURRENT_USER "Software\RO Vivavevo"
// "UltImpressora_QVRel". A bare file name is one of the installation's reports folder. It shows
// nothing: a line on the standard error and the exit code (saida_visualizador.h) say what failed.
#include <windows.h>
#include <shellapi.h>
#include <winspool.h>

#include <cstdio>
#include <cwchar>
#include <memory>
#include <string>
#include <vector>

#include "base/CQVChaveRegistro.h"
#include "platform/com/text.h"
#include "platform/com/unique.h"
#include "platform/inhouse/qvcadvis/caminho_relatorio.h"
#include "platform/inhouse/qvcadvis/saida_visualizador.h"
#include "platform/inhouse/qvcadvis/visualizador/pdf_relatorio.h"
#include "platform/inhouse/qvcadvis/visualizador/relatorio_texto.h"

namespace {

int termina(saida_visualizador codigo, const std::string& texto) {
    std::fprintf(stderr, "QVVisualizador: %s\n", texto.c_str());
    return static_cast<int>(codigo);
}

// A file handle held as the other handles are: empty (null) when the file could not be opened.
com::unique_handle abre_arquivo(const std::wstring& caminho, DWORD acesso, DWORD partilha, DWORD modo) {
    HANDLE h = CreateFileW(caminho.c_str(), acesso, partilha, nullptr, modo, FILE_ATTRIBUTE_NORMAL, nullptr);
    return com::unique_handle(h == INVALID_HANDLE_VALUE ? nullptr : h);
}

bool le_arquivo(const std::wstring& caminho, std::string& bytes) {
    com::unique_handle arquivo = abre_arquivo(caminho, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
    if (!arquivo) return false;
    LARGE_INTEGER tamanho{};
    if (!GetFileSizeEx(arquivo.get(), &tamanho) || tamanho.QuadPart > 256 * 1024 * 1024) return false;
    bytes.resize(static_cast<size_t>(tamanho.QuadPart));
    size_t lidos = 0;
    while (lidos < bytes.size()) {
        DWORD agora = 0;
        if (!ReadFile(arquivo.get(), bytes.data() + lidos, static_cast<DWORD>(bytes.size() - lidos), &agora, nullptr))
            return false;
        if (agora == 0) break;
        lidos += agora;
    }
    bytes.resize(lidos);
    return true;
}

// Written beside the target and then moved over it: a failure never leaves half a PDF under
// the name the caller waits for.
bool grava_arquivo(const std::wstring& caminho, const std::string& bytes) {
    const std::wstring temporario = caminho + L".parcial";
    {
        com::unique_handle arquivo = abre_arquivo(temporario, GENERIC_WRITE, 0, CREATE_ALWAYS);
        if (!arquivo) return false;
        DWORD gravados = 0;
        if (!WriteFile(arquivo.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &gravados, nullptr) ||
            gravados != bytes.size()) {
            arquivo.reset();
            DeleteFileW(temporario.c_str());
            return false;
        }
    }
    if (!MoveFileExW(temporario.c_str(), caminho.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        DeleteFileW(temporario.c_str());
        return false;
    }
    return true;
}

bool impressora_instalada(const std::string& nome) {
    std::wstring largo = com::to_wide(nome);
    HANDLE impressora = nullptr;
    if (!OpenPrinterW(largo.data(), &impressora, nullptr)) return false;
    ClosePrinter(impressora);
    return true;
}

std::wstring na_pasta_de_relatorios(const std::wstring& arquivo) {
    return com::to_wide(caminho_na_pasta_de_relatorios(com::to_ansi(arquivo)));
}

std::wstring nome_do_arquivo(const std::wstring& caminho) {
    const size_t barra = caminho.find_last_of(L"\\/:");
    return barra == std::wstring::npos ? caminho : caminho.substr(barra + 1);
}

int imprime_em_pdf(const std::wstring& relatorio, const std::wstring& pdf) {
    const std::string impressora =
        QVLeRegistroTexto(HKEY_CURRENT_USER, "Software\\RO Vivavevo", "UltImpressora_QVRel", "", false);
    if (impressora.empty()) return termina(saida_visualizador::sem_impressora, "nenhuma impressora registrada");
    if (!impressora_instalada(impressora))
        return termina(saida_visualizador::impressora_ausente, "impressora \"" + impressora + "\" não instalada");

    std::string bytes;
    if (!le_arquivo(relatorio, bytes))
        return termina(saida_visualizador::relatorio_ilegivel,
                       "relatório \"" + com::to_ansi(relatorio) + "\" não pôde ser lido");
    std::string documento;
    try {
        documento = visualizador::imprime_pdf(visualizador::le_linhas_relatorio(bytes),
                                              {com::to_ansi(nome_do_arquivo(relatorio)), impressora});
    } catch (const visualizador::falha_pdf& f) {
        return termina(saida_visualizador::falha_pdf, f.what());
    }
    if (!grava_arquivo(pdf, documento))
        return termina(saida_visualizador::falha_gravacao, "PDF \"" + com::to_ansi(pdf) + "\" não pôde ser gravado");
    return static_cast<int>(saida_visualizador::sucesso);
}

struct libera_argumentos {
    void operator()(wchar_t** p) const noexcept { LocalFree(p); }
};

}  // namespace

int main() try {
    // A test that started this program has its registry below its own key; read the same.
    std::unique_ptr<qv_registry_redirect> redirecionamento(qv_registry_redirect::adopt_inherited());
    int total = 0;
    std::unique_ptr<wchar_t*, libera_argumentos> argumentos(CommandLineToArgvW(GetCommandLineW(), &total));
    if (!argumentos || total < 4)
        return termina(saida_visualizador::uso_invalido, "uso: QVVisualizador AÇÃO RELATÓRIO PARÂMETRO [/local]");
    wchar_t** argv = argumentos.get();
    wchar_t* fim = nullptr;
    const long acao = std::wcstol(argv[1], &fim, 10);
    if (fim == argv[1] || *fim != L'\0' || acao != acao_imprime_pdf)
        return termina(saida_visualizador::acao_desconhecida, "ação \"" + com::to_ansi(argv[1]) + "\" desconhecida");
    if (!*argv[2] || !*argv[3]) return termina(saida_visualizador::uso_invalido, "relatório ou PDF não informado");
    return imprime_em_pdf(na_pasta_de_relatorios(argv[2]), na_pasta_de_relatorios(argv[3]));
} catch (const std::exception& e) {
    return termina(saida_visualizador::falha_pdf, e.what());
}

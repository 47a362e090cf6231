#include "tests/support/pdf_texto.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/com/text.h"

namespace {

constexpr char leitor[] = "Z:\\usr\\bin\\pdftotext";
constexpr char shell[] = "Z:\\bin\\sh";
constexpr DWORD limite_ms = 60000;

// The Unix path of a Windows one: pdftotext is a host program and knows no drive letters.
std::optional<std::string> caminho_unix(const std::string& caminho) {
    using converte_fn = char*(__cdecl*)(const wchar_t*);
    static const auto converte = reinterpret_cast<converte_fn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (!converte) return std::nullopt;
    char* unix_path = converte(com::to_wide(caminho).c_str());
    if (!unix_path) return std::nullopt;
    std::string saida = unix_path;
    HeapFree(GetProcessHeap(), 0, unix_path);
    if (saida.find('\'') != std::string::npos) return std::nullopt;   // quoted with ' below
    return saida;
}

std::optional<std::string> le(const std::string& caminho) {
    std::ifstream f(caminho, std::ios::binary);
    if (!f) return std::nullopt;
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

std::string temporario(const char* prefixo) {
    char pasta[MAX_PATH] = {};
    char arquivo[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, pasta);
    if (!GetTempFileNameA(pasta, prefixo, 0, arquivo)) return {};
    return arquivo;
}

}  // namespace

bool leitor_pdf_disponivel() { return GetFileAttributesA(leitor) != INVALID_FILE_ATTRIBUTES; }

// Wine starts a host program but neither waits for it nor hands it this process's pipes: a shell
// writes the text and then, last, the exit code into files, and the code's file is awaited.
std::optional<std::string> texto_do_pdf(const std::string& arquivo_pdf, std::string* erro) {
    auto falha = [&](std::string texto) -> std::optional<std::string> {
        if (erro) *erro = std::move(texto);
        return std::nullopt;
    };
    if (!leitor_pdf_disponivel()) return falha("pdftotext não instalado (poppler-utils)");
    const std::string texto = temporario("TXT");
    const std::string codigo = texto + ".rc";
    const auto pdf_unix = caminho_unix(arquivo_pdf);
    const auto texto_unix = caminho_unix(texto);
    if (texto.empty() || !pdf_unix || !texto_unix) return falha("sem caminho Unix para " + arquivo_pdf);
    const std::string codigo_unix = *texto_unix + ".rc";
    std::string linha = std::string(shell) + " -c \"/usr/bin/pdftotext -q -enc UTF-8 -layout '" + *pdf_unix + "' '" +
                        *texto_unix + "' 2>&1; echo $? > '" + codigo_unix + ".tmp' && mv '" + codigo_unix + ".tmp' '" +
                        codigo_unix + "'\"";
    STARTUPINFOA inicio{};
    inicio.cb = sizeof inicio;
    PROCESS_INFORMATION processo{};
    if (!CreateProcessA(nullptr, linha.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &inicio, &processo)) {
        DeleteFileA(texto.c_str());
        return falha("o shell não iniciou: erro " + std::to_string(GetLastError()));
    }
    CloseHandle(processo.hThread);
    CloseHandle(processo.hProcess);
    std::optional<std::string> resposta;
    const ULONGLONG fim = GetTickCount64() + limite_ms;
    while (!(resposta = le(codigo)) && GetTickCount64() < fim) Sleep(20);
    std::optional<std::string> lido = le(texto);
    DeleteFileA(texto.c_str());
    DeleteFileA(codigo.c_str());
    if (!resposta) return falha("pdftotext não terminou em " + std::to_string(limite_ms / 1000) + " s");
    if (std::atoi(resposta->c_str()) != 0) return falha("pdftotext recusou o arquivo: código " + *resposta);
    if (!lido) return falha("pdftotext não escreveu o texto");
    return lido;
}

std::optional<std::string> texto_dos_bytes_pdf(const std::string& bytes, std::string* erro) {
    const std::string arquivo = temporario("PDF");
    if (arquivo.empty()) {
        if (erro) *erro = "sem arquivo temporário";
        return std::nullopt;
    }
    std::optional<std::string> texto;
    if (FILE* f = std::fopen(arquivo.c_str(), "wb")) {
        const bool gravado = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
        std::fclose(f);
        if (gravado) texto = texto_do_pdf(arquivo, erro);
        else if (erro) *erro = "arquivo temporário não gravado";
    }
    DeleteFileA(arquivo.c_str());
    return texto;
}

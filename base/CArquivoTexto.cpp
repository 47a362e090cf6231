#include "base/CArquivoTexto.h"

#include <cstring>

#include "base/CQVException.h"
#include "platform/com/text.h"

namespace {


bool is_space(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

// CP1252 whatever the machine's code page; the text as it was when it cannot be converted.
std::string utf8_to_ansi(const std::string& utf8) {
    const std::string text(utf8.c_str());   // up to the first NUL
    std::string ansi = com::utf8_to_ansi(text);
    return ansi.empty() ? text : ansi;
}

void read_exact(HANDLE h, char* buffer, DWORD size, const std::string& caminho) {
    DWORD total = 0;
    while (total < size) {
        DWORD lido = 0;
        if (!ReadFile(h, buffer + total, size - total, &lido, nullptr)) {
            const DWORD e = GetLastError();
            CloseHandle(h);
            throw CFileException(static_cast<LONG>(e), caminho);
        }
        if (lido == 0) break;
        total += lido;
    }
}

}  // namespace

void CArquivoTexto::SetFilePath(const char* caminho) {
    if (!caminho) throw CInvalidArgException();
    m_caminho = caminho;
}

bool CArquivoTexto::Le(const char* caminho) {
    m_linhas.clear();
    if (!caminho) return false;
    HANDLE h = CreateFileA(caminho, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    m_caminho = caminho;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(h, &size) || size.QuadPart > 0x7FFFFFFF) {
        const DWORD e = GetLastError();
        CloseHandle(h);
        throw CFileException(static_cast<LONG>(e ? e : ERROR_FILE_TOO_LARGE), m_caminho);
    }
    DWORD n = static_cast<DWORD>(size.QuadPart);
    bool utf8 = false;
    if (n >= 3) {
        char mark[3];
        read_exact(h, mark, 3, m_caminho);
        if (static_cast<unsigned char>(mark[0]) == 0xEF && static_cast<unsigned char>(mark[1]) == 0xBB &&
            static_cast<unsigned char>(mark[2]) == 0xBF) {
            utf8 = true;
            n -= 3;
        } else {
            SetFilePointer(h, 0, nullptr, FILE_BEGIN);
        }
    }
    std::string bytes(n, '\0');
    read_exact(h, bytes.data(), n, m_caminho);
    CloseHandle(h);   // nothing more is read: writers need not wait for this object
    if (utf8 && !bytes.empty() && bytes[0] != '\0') bytes = utf8_to_ansi(bytes);
    SeparaLinhas(static_cast<uint32_t>(bytes.size()), bytes.data());
    return true;
}

bool CArquivoTexto::SeparaLinhas(uint32_t tamanho, const char* dados) {
    m_linhas.clear();
    if (!dados) return true;
    size_t inicio = 0;
    for (size_t i = 0; i < tamanho; ++i) {
        if (dados[i] != '\n') continue;
        size_t fim = i;
        if (fim > inicio && dados[fim - 1] == '\r') --fim;
        m_linhas.emplace_back(dados + inicio, fim - inicio);
        inicio = i + 1;
    }
    size_t a = inicio, b = tamanho;
    while (a < b && is_space(dados[a])) ++a;
    while (b > a && is_space(dados[b - 1])) --b;
    if (b > a) m_linhas.emplace_back(dados + a, b - a);
    return true;
}

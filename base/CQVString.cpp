#include "base/CQVString.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "base/CQVArray.h"

namespace {

std::string narrow(const wchar_t* s, int length) {
    if (!s || length <= 0) return {};
    const int bytes = WideCharToMultiByte(1252, 0, s, length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(bytes > 0 ? bytes : 0), '\0');
    if (bytes > 0) WideCharToMultiByte(1252, 0, s, length, out.data(), bytes, nullptr, nullptr);
    return out;
}

size_t clamp_pos(int i, size_t size) {
    if (i < 0) return 0;
    return std::min(static_cast<size_t>(i), size);
}

}  // namespace

CQVString::CQVString(const char* s, int length) {
    if (s && length > 0) assign(s, strnlen(s, static_cast<size_t>(length)));
}

CQVString::CQVString(const wchar_t* s) : std::string(s ? narrow(s, static_cast<int>(wcslen(s))) : std::string()) {}

CQVString::CQVString(const wchar_t* s, int length) : std::string(narrow(s, length)) {}

CQVString CQVString::Left(int n) const { return CQVString(substr(0, clamp_pos(n, size()))); }

CQVString CQVString::Right(int n) const {
    const size_t count = clamp_pos(n, size());
    return CQVString(substr(size() - count));
}

CQVString CQVString::Mid(int first) const { return CQVString(substr(clamp_pos(first, size()))); }

CQVString CQVString::Mid(int first, int count) const {
    const size_t from = clamp_pos(first, size());
    return CQVString(substr(from, clamp_pos(count, size() - from)));
}

int CQVString::Find(char c, int start) const {
    const size_t at = find(c, clamp_pos(start, size()));
    return at == npos ? -1 : static_cast<int>(at);
}

int CQVString::Find(const char* s, int start) const {
    if (!s || start > GetLength()) return -1;
    const size_t at = find(s, clamp_pos(start, size()));
    return at == npos ? -1 : static_cast<int>(at);
}

int CQVString::ReverseFind(char c) const {
    const size_t at = rfind(c);
    return at == npos ? -1 : static_cast<int>(at);
}

CQVString& CQVString::MakeUpper() {
    CharUpperBuffA(data(), static_cast<DWORD>(size()));
    return *this;
}

CQVString& CQVString::MakeLower() {
    CharLowerBuffA(data(), static_cast<DWORD>(size()));
    return *this;
}

CQVString& CQVString::Trim() { return TrimRight().TrimLeft(); }

CQVString& CQVString::TrimLeft() {
    const size_t first = find_first_not_of(" \t\r\n");
    erase(0, first == npos ? size() : first);
    return *this;
}

CQVString& CQVString::TrimRight() {
    const size_t last = find_last_not_of(" \t\r\n");
    erase(last == npos ? 0 : last + 1);
    return *this;
}

int CQVString::Replace(const char* old_text, const char* new_text) {
    if (!old_text || !*old_text) return 0;
    const std::string_view from(old_text), to(new_text ? new_text : "");
    int count = 0;
    for (size_t at = find(from); at != npos; at = find(from, at + to.size())) {
        replace(at, from.size(), to);
        ++count;
    }
    return count;
}

int CQVString::Remove(char c) {
    const size_t before = size();
    erase(std::remove(begin(), end(), c), end());
    return static_cast<int>(before - size());
}

int CQVString::CompareNoCase(const char* s) const { return lstrcmpiA(c_str(), s ? s : ""); }

int CQVString::UltimaPosicao(const char* s) const {
    if (!s || !*s) return -1;
    int last = -1;
    for (size_t at = find(s); at != npos; at = find(s, at + 1)) last = static_cast<int>(at);
    return last;
}

int CQVString::ContaOcorrencias(const char* s) const {
    if (!s || !*s) return 0;  // an empty pattern would be found forever
    int count = 0;
    for (size_t at = find(s); at != npos; at = find(s, at + 1)) ++count;
    return count;
}

void CQVString::Divide(char separator, bool ignoraVazios,
                       CQVArray<CQVString, const CQVString&>& pieces) const {
    pieces.RemoveAll();
    size_t from = 0;
    for (;;) {
        const size_t at = find(separator, from);
        CQVString piece(substr(from, at == npos ? npos : at - from));
        if (!(ignoraVazios && piece.empty())) pieces.Add(piece);
        if (at == npos) break;
        from = at + 1;
    }
}

bool CQVString::ComecaCom(const char* s) const {
    if (!s) return false;
    const size_t n = strlen(s);
    return size() >= n && compare(0, n, s) == 0;
}

bool CQVString::TerminaCom(const char* s) const {
    if (!s) return false;
    const size_t n = strlen(s);
    return size() >= n && compare(size() - n, n, s) == 0;
}

void CQVString::PreencheEsquerda(int width, char c) {
    if (width > GetLength()) insert(0, static_cast<size_t>(width - GetLength()), c);
}

void CQVString::PreencheDireita(int width, char c) {
    if (width > GetLength()) append(static_cast<size_t>(width - GetLength()), c);
}

void CQVString::Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CQVString::FormatV(const char* format, va_list args) {
    if (!format) { clear(); return; }
    va_list copy;
    va_copy(copy, args);
    const int needed = vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (needed < 0) { clear(); return; }
    std::string out(static_cast<size_t>(needed) + 1, '\0');
    vsnprintf(out.data(), out.size(), format, args);
    out.resize(static_cast<size_t>(needed));
    assign(std::move(out));
}

bool CQVString::CarregaTexto(unsigned id) {
    char buffer[4096];
    const int n = LoadStringA(GetModuleHandleA(nullptr), id, buffer, sizeof buffer);
    assign(buffer, static_cast<size_t>(n > 0 ? n : 0));
    return n > 0;
}

void CQVString::Posicoes(char c, CQVArray<int, int>& positions) const {
    for (size_t at = find(c); at != npos; at = find(c, at + 1)) positions.Add(static_cast<int>(at));
}

void CQVString::Posicoes(const char* s, CQVArray<int, int>& positions) const {
    if (!s || !*s) return;
    for (size_t at = find(s); at != npos; at = find(s, at + 1)) positions.Add(static_cast<int>(at));
}

int CQVString::ParaInteiro() const { return empty() ? 0 : atoi(c_str()); }

void CQVString::Junta(const CQVString& separador, const CQVString& texto, bool sempre) {
    if (sempre || (!texto.empty() && !empty())) append(separador);
    append(texto);
}

void CQVString::Corta(int n) {
    if (n < 0) n = 0;
    if (GetLength() <= n) return;
    resize(static_cast<size_t>(n));
    // A limit below three cannot hold text and the dots: it holds as many dots as fit.
    const size_t dots = std::min<size_t>(3, size());
    replace(size() - dots, dots, dots, '.');
}

CQVString CQVString::Trecho(int de, int ate) const {
    const size_t from = clamp_pos(de, size());
    const size_t to = clamp_pos(ate, size());
    return to > from ? CQVString(substr(from, to - from)) : CQVString();
}

CQVString Trecho(const CQVString& texto, int de, int ate) { return texto.Trecho(de, ate); }

CQVString CQVString::SemBrancosFinais() const {
    const size_t last = find_last_not_of(' ');
    return CQVString(substr(0, last == npos ? 0 : last + 1));
}

CQVString CQVString::SomenteDigitos() const {
    CQVString out;
    for (char c : *this)
        if (c >= '0' && c <= '9') out.push_back(c);
    return out;
}

CQVString CQVString::SemAspas() const {
    CQVString out(*this);
    out.Remove('"');
    return out;
}

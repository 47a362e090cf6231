#pragma once
// The server's text class: CP1252 text with the framework string's operations and the helpers
// the rest of the system uses for splitting, padding, cutting and searching.
#include <cstdarg>
#include <string>
#include <string_view>
#include <vector>

template <class TYPE, class ARG_TYPE> class CQVArray;

class CQVString : public std::string {
public:
    CQVString() = default;
    CQVString(const std::string& s) : std::string(s) {}
    CQVString(std::string&& s) noexcept : std::string(std::move(s)) {}
    CQVString(std::string_view s) : std::string(s) {}
    CQVString(char c, int count) : std::string(count > 0 ? static_cast<size_t>(count) : 0, c) {}
    CQVString(const char* s) : std::string(s ? s : "") {}
    CQVString(const char* s, int length);
    // Wide texts are converted to the ANSI code page (1252).
    CQVString(const wchar_t* s);
    CQVString(const wchar_t* s, int length);

    // The framework string's everyday operations.
    int GetLength() const { return static_cast<int>(size()); }
    bool IsEmpty() const { return empty(); }
    void Empty() { clear(); }
    const char* GetString() const { return c_str(); }
    char GetAt(int i) const { return at(static_cast<size_t>(i)); }
    void SetAt(int i, char c) { at(static_cast<size_t>(i)) = c; }
    CQVString Left(int n) const;
    CQVString Right(int n) const;
    CQVString Mid(int first) const;
    CQVString Mid(int first, int count) const;
    int Find(char c, int start = 0) const;
    int Find(const char* s, int start = 0) const;
    int ReverseFind(char c) const;
    CQVString& MakeUpper();
    CQVString& MakeLower();
    CQVString& Trim();
    CQVString& TrimLeft();
    CQVString& TrimRight();
    int Replace(const char* old_text, const char* new_text);
    int Remove(char c);
    int CompareNoCase(const char* s) const;

    int UltimaPosicao(const char* s) const;
    int ContaOcorrencias(const char* s) const;
    void Divide(char separator, bool ignoraVazios, CQVArray<CQVString, const CQVString&>& pieces) const;
    bool ComecaCom(const char* s) const;
    bool TerminaCom(const char* s) const;
    void PreencheEsquerda(int width, char c = ' ');
    void PreencheDireita(int width, char c = ' ');
    void Format(const char* format, ...) __attribute__((format(gnu_printf, 2, 3)));
    void FormatV(const char* format, va_list args);
    bool CarregaTexto(unsigned id);
    void Posicoes(char c, CQVArray<int, int>& positions) const;
    void Posicoes(const char* s, CQVArray<int, int>& positions) const;
    int ParaInteiro() const;
    void Junta(const CQVString& separador, const CQVString& texto, bool sempre = false);
    void Corta(int n);
    CQVString Trecho(int de, int ate) const;
    CQVString SemBrancosFinais() const;
    CQVString SomenteDigitos() const;
    CQVString SemAspas() const;
};

// The characters of texto at positions de .. ate - 1 (clamped to the text).
CQVString Trecho(const CQVString& texto, int de, int ate);

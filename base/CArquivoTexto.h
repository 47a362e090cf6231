#pragma once
// Reads a whole text file into lines of CP1252 text. Files may be CP1252 or UTF-8 with a
// byte-order mark (converted). Lines end at LF; a CR before the LF is dropped; empty lines and
// blanks inside lines are kept; the text after the last LF is trimmed and kept only when
// something remains.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

class CArquivoTexto {
public:
    CArquivoTexto() = default;
    virtual ~CArquivoTexto() = default;

    // False when the file cannot be opened (the lines are empty then); a read error throws
    // CFileException.
    bool Le(const char* caminho);
    bool Le(const std::string& caminho) { return Le(caminho.c_str()); }
    // Replaces the lines by those of a buffer in memory, split by the same rules.
    bool SeparaLinhas(uint32_t tamanho, const char* dados);
    const std::vector<std::string>& GetLinhas() const { return m_linhas; }
    std::vector<std::string>& GetLinhas() { return m_linhas; }

    // A null path throws CInvalidArgException.
    void SetFilePath(const char* caminho);
    const std::string& GetFilePath() const { return m_caminho; }

private:
    std::string m_caminho;
    std::vector<std::string> m_linhas;
};

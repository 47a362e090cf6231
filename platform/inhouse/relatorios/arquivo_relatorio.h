#pragma once
// The report files that the stand-in report servers write: CP1252 text, CRLF lines, a title with
// the company's legal name, the report's parameters, then the report's lines. The report base
// reads them back as report text or prints them into a PDF.
#include <cstdint>
#include <string>
#include <string_view>

namespace inhouse {

class arquivo_relatorio {
public:
    arquivo_relatorio(std::string_view titulo, std::string_view razao_social, std::string_view modelo);

    // "rotulo: valor" under the title.
    arquivo_relatorio& parametro(std::string_view rotulo, std::string_view valor);
    // "Período: dd/mm/aaaa a dd/mm/aaaa" of two day numbers (0: not given).
    arquivo_relatorio& periodo(uint16_t inicio, uint16_t fim);
    arquivo_relatorio& linha(std::string_view texto);

    const std::string& texto() const noexcept { return m_texto; }
    // Writes the report into the file (created or emptied); throws com::failure when it cannot.
    void grava(const std::string& arquivo) const;

private:
    std::string m_texto;
};

// dd/mm/aaaa of a day number, "-" for 0.
std::string data_relatorio(uint16_t dia);

}  // namespace inhouse

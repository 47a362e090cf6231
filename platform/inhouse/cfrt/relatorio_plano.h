#pragma once
// The chart report file that the chart server writes (entry 17): CP1252 text, CRLF lines. The
// first line is the title with the company's legal name; then one line per account in
// classification order: the classification indented by two blanks per level (a level per "."),
// then the code, the name and the type letter, in columns.
#include <string>
#include <string_view>

namespace inhouse {

std::string relatorio_plano_titulo(std::string_view razao_social);
std::string relatorio_plano_linha(std::string_view classificacao, std::string_view codigo, std::string_view nome,
                                  char tipo);
// Writes the bytes into the file (created or emptied); throws com::failure when it cannot.
void grava_arquivo(const std::wstring& caminho, const std::string& bytes);

}  // namespace inhouse

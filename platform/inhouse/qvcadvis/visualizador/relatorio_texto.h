#pragma once
// The report file as the viewer prints it: CP1252 text, CRLF lines (a lone LF also ends a line),
// an optional leading "*#" marker that is not printed, and form feeds that start a new page.
#include <string>
#include <string_view>
#include <vector>

namespace visualizador {

struct linha_relatorio {
    std::string texto;          // printable CP1252 bytes only: tabs expanded, controls as spaces
    bool nova_pagina = false;   // a form feed came before it
};

std::vector<linha_relatorio> le_linhas_relatorio(std::string_view bytes);

}  // namespace visualizador

#pragma once
// Prints report lines into a PDF document in memory: a monospaced built-in font (Courier) in
// WinAnsiEncoding, so that the report's CP1252 bytes are shown as they are, as many A4 pages as
// the lines need, the font size chosen so that the widest line fits the page.
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/inhouse/qvcadvis/visualizador/relatorio_texto.h"

namespace visualizador {

struct documento_pdf {
    std::string titulo;         // CP1252, the document's title in its information
    std::string impressora;     // CP1252, shown as the document's creator
};

// Thrown when the PDF library fails; what() names its error codes.
struct falha_pdf : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The PDF file's bytes. An empty report gives one empty page.
std::string imprime_pdf(const std::vector<linha_relatorio>& linhas, const documento_pdf& documento);

}  // namespace visualizador

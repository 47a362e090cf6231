#pragma once
// Reads a PDF back with a real PDF reader: the host's pdftotext (poppler-utils), which Wine runs
// as it runs a Windows program. For the tests that check what a printed report holds.
#include <optional>
#include <string>

// The text of the PDF file (a Windows path), in UTF-8, pages separated by form feeds; nullopt
// when pdftotext is missing or refuses the file (`erro` then says why).
std::optional<std::string> texto_do_pdf(const std::string& arquivo_pdf, std::string* erro = nullptr);

// The same for PDF bytes held in memory (written to a temporary file first).
std::optional<std::string> texto_dos_bytes_pdf(const std::string& bytes, std::string* erro = nullptr);

// Whether the reader is there at all (tests that need it skip with a reason otherwise).
bool leitor_pdf_disponivel();

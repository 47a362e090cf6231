#pragma once
// The installation's PDF printer: a printer on port "CPW2:" that the print spooler lists (Wine
// keeps its printers in its registry, so no print system is needed), through which the report
// viewer prints reports into PDF files. Written by the installation writers, straight into the
// machine's registry: the spooler reads that one, never a test's redirection of it.
#include <windows.h>

#include <string>

namespace inhouse {

inline constexpr wchar_t impressora_pdf_nome[] = L"ZidizUvi PDF";
inline constexpr wchar_t impressora_pdf_porta[] = L"CPW2:";

// Adds (or rewrites) the printer; with `padrao_se_nao_houver`, it also becomes the user's default
// printer when there is none. Answers the Win32 error code (0 = success).
LONG instala_impressora_pdf(bool padrao_se_nao_houver);

// The user's default printer: the "windows" / "device" entry ("name,driver,port"), empty for
// none. Kept for tests, which take the default away and give it back.
LONG grava_impressora_padrao(const wchar_t* entrada);
std::wstring le_impressora_padrao();

}  // namespace inhouse

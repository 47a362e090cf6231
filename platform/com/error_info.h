#pragma once
// The one road from a failure to a client's COM error information.
#include <windows.h>
#include <string_view>

namespace com {

// Sets the thread's error information: description, source and interface id. Never throws;
// when nothing can be set the HRESULT is still returned.
void set_error_info(std::wstring_view source, std::wstring_view description, REFIID iid) noexcept;

// The reporter: source is the ProgID of clsid, description the ANSI text; returns hr, or
// DISP_E_EXCEPTION when hr is 0. A null description gives E_POINTER and sets nothing.
HRESULT AtlReportError(REFCLSID clsid, const char* description, DWORD help_context,
                       const wchar_t* help_file, REFIID iid, HRESULT hr) noexcept;

// Which class every module object reports as (the root object) and its ProgID: set once by the
// executable, so that the source is right even in a process that does not serve that class.
void set_reporting_class(REFCLSID clsid, const wchar_t* progid) noexcept;
const CLSID& reporting_class() noexcept;

// Called in the catch (...) of every COM method: maps the exception in flight to its HRESULT and
// error information.
//   numbered_failure        the worker road: its message and location, its HRESULT
//   failure                 the reporter road: its text, its HRESULT (0: DISP_E_EXCEPTION)
//   translated_exception    (the base library's CQVException family) its text and HRESULT
//   std::bad_alloc          "Memória insuficiente.", E_OUTOFMEMORY
//   other std::exception    "Erro interno do servidor.", E_UNEXPECTED (what() to the debug log)
//   anything else           "Erro interno do servidor.", E_UNEXPECTED
HRESULT report_current_exception(REFIID iid) noexcept;

// The sibling for boundaries that have no client to tell (the module, the registrar, class
// objects, the dispatch plumbing): the same HRESULT as report_current_exception, no error
// information set.
HRESULT current_exception_hresult() noexcept;

}  // namespace com

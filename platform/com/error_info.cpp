#include "platform/com/error_info.h"

#include <oleauto.h>

#include <exception>
#include <new>
#include <string>

#include "platform/com/com_ptr.h"
#include "platform/com/failure.h"
#include "platform/com/module.h"
#include "platform/com/text.h"
#include "platform/com/unique.h"

namespace com {

namespace {
const char internal_error_text[] = "Erro interno do servidor.";
const char out_of_memory_text[] = "Memória insuficiente.";
CLSID g_reporting_class = CLSID_NULL;
const wchar_t* g_reporting_progid = nullptr;

std::wstring progid_of(REFCLSID clsid) {
    if (g_reporting_progid && IsEqualCLSID(clsid, g_reporting_class)) return g_reporting_progid;
    if (const wchar_t* known = module().progid_of(clsid)) return known;
    unique_cotaskmem<wchar_t> progid;
    if (SUCCEEDED(ProgIDFromCLSID(clsid, progid.put()))) return progid.get();
    return {};
}
}  // namespace

void set_error_info(std::wstring_view source, std::wstring_view description, REFIID iid) noexcept {
    com_ptr<ICreateErrorInfo> create;
    if (FAILED(CreateErrorInfo(create.put()))) return;
    unique_bstr src(SysAllocStringLen(source.data(), static_cast<UINT>(source.size())));
    unique_bstr desc(SysAllocStringLen(description.data(), static_cast<UINT>(description.size())));
    create->SetGUID(iid);
    create->SetSource(src.get());
    create->SetDescription(desc.get());
    if (auto info = create.try_query<IErrorInfo>()) SetErrorInfo(0, info.get());
}

HRESULT AtlReportError(REFCLSID clsid, const char* description, DWORD, const wchar_t*, REFIID iid,
                       HRESULT hr) noexcept {
    if (!description) return E_POINTER;
    try {
        set_error_info(progid_of(clsid), to_wide(description), iid);
    } catch (...) {
        return E_OUTOFMEMORY;
    }
    return hr == 0 ? DISP_E_EXCEPTION : hr;
}

void set_reporting_class(REFCLSID clsid, const wchar_t* progid) noexcept {
    g_reporting_class = clsid;
    g_reporting_progid = progid;
}
const CLSID& reporting_class() noexcept { return g_reporting_class; }

HRESULT report_current_exception(REFIID iid) noexcept {
    try {
        throw;
    } catch (const numbered_failure& f) {
        try {
            set_error_info(to_wide(f.location), to_wide(f.message), GUID_NULL);
        } catch (...) {
        }
        return f.hr;
    } catch (const failure& f) {
        return AtlReportError(g_reporting_class, f.text.c_str(), 0, nullptr, iid, f.hr);
    } catch (const translated_exception& e) {
        const HRESULT hr = e.hresult();
        try {
            const std::string text = e.text();
            return AtlReportError(g_reporting_class, text.empty() ? internal_error_text : text.c_str(), 0,
                                  nullptr, iid, hr);
        } catch (...) {
            return hr;
        }
    } catch (const std::bad_alloc&) {
        return AtlReportError(g_reporting_class, out_of_memory_text, 0, nullptr, iid, E_OUTOFMEMORY);
    } catch (const std::exception& e) {
        OutputDebugStringA(e.what());
        return AtlReportError(g_reporting_class, internal_error_text, 0, nullptr, iid, E_UNEXPECTED);
    } catch (...) {
        return AtlReportError(g_reporting_class, internal_error_text, 0, nullptr, iid, E_UNEXPECTED);
    }
}

HRESULT current_exception_hresult() noexcept {
    try {
        throw;
    } catch (const numbered_failure& f) {
        return f.hr;
    } catch (const failure& f) {
        return f.hr == 0 ? DISP_E_EXCEPTION : f.hr;
    } catch (const translated_exception& e) {
        return e.hresult();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

}  // namespace com

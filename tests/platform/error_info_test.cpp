#include <gtest/gtest.h>

#include <stdexcept>

#include "VAVEDERAZur.h"
#include "base/CQVException.h"
#include "platform/com/com_ptr.h"
#include "platform/com/error_info.h"
#include "platform/com/failure.h"
#include "platform/com/text.h"
#include "support/last_error.h"

namespace {

TEST(ErrorInfo, TheReporterGivesTheRootObjectAsSourceAndMapsZeroToDispException) {
    struct row { HRESULT given; HRESULT returned; };
    for (const auto& r : {row{0, DISP_E_EXCEPTION}, row{static_cast<HRESULT>(0x800706BA), static_cast<HRESULT>(0x800706BA)},
                          row{static_cast<HRESULT>(0x80040002), static_cast<HRESULT>(0x80040002)}}) {
        SCOPED_TRACE(r.given);
        EXPECT_EQ(com::AtlReportError(CLSID_QV_Inicializa, "Erro ao buscar versão da base.", 0, nullptr,
                                      IID_IQV_Inicializa, r.given), r.returned);
        const auto e = last_reported_error();
        EXPECT_EQ(e.source, "ZidizUvi.QV_Inicializa.1");
        EXPECT_EQ(e.description, "Erro ao buscar versão da base.");
    }
}

TEST(ErrorInfo, ANullDescriptionSetsNothing) {
    SetErrorInfo(0, nullptr);
    EXPECT_EQ(com::AtlReportError(CLSID_QV_Inicializa, nullptr, 0, nullptr, IID_IQV_Inicializa, E_FAIL), E_POINTER);
    EXPECT_EQ(last_error(), "");
}

TEST(ErrorInfo, EveryExceptionLeavesTheBoundaryAsAnHresult) {
    auto boundary = [](auto thrower) -> HRESULT {
        try { thrower(); return S_OK; } catch (...) { return com::report_current_exception(IID_IQV_Inicializa); }
    };
    EXPECT_EQ(boundary([] { com::fail("Tipo de relatório inválido."); }), DISP_E_EXCEPTION);
    EXPECT_EQ(last_error(), "Tipo de relatório inválido.");
    EXPECT_EQ(boundary([] { com::check(E_ACCESSDENIED, "Sem acesso."); }), E_ACCESSDENIED);
    EXPECT_EQ(boundary([] { throw std::bad_alloc(); }), E_OUTOFMEMORY);
    EXPECT_EQ(boundary([] { throw 42; }), E_UNEXPECTED);
    EXPECT_EQ(boundary([] { throw com::numbered_failure{static_cast<HRESULT>(0x800A001C), "28 - x", "Arquivo= a.cpp  linha= 1  data=Dec 10 2026"}; }),
              static_cast<HRESULT>(0x800A001C));
    const auto e = last_reported_error();
    EXPECT_EQ(e.source, "Arquivo= a.cpp  linha= 1  data=Dec 10 2026");
    EXPECT_EQ(e.description, "28 - x");
}

TEST(ErrorInfo, TheBaseLibrarysAndTheStandardExceptionsKeepTheirTextAndCode) {
    struct row { const char* what; void (*thrower)(); HRESULT hr; const char* description; };
    const row rows[] = {
        {"CQVException with a text", [] { throw CQVException("Arquivo de mensagens não encontrado.", 0); },
         static_cast<HRESULT>(0x8004EA61), "Arquivo de mensagens não encontrado."},
        {"CQVException with a system error", [] { throw CQVException("Sem acesso.", 0, 5); },
         static_cast<HRESULT>(0x80040005), "Sem acesso."},
        {"CMemoryException", [] { throw CMemoryException(); }, static_cast<HRESULT>(0x8004EA62), "Memória insuficiente."},
        {"std::runtime_error", [] { throw std::runtime_error("vector::at"); }, E_UNEXPECTED, "Erro interno do servidor."},
        {"std::bad_alloc", [] { throw std::bad_alloc(); }, E_OUTOFMEMORY, "Memória insuficiente."},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        HRESULT reported_hr = S_OK, sibling_hr = S_OK;
        try { r.thrower(); } catch (...) { reported_hr = com::report_current_exception(IID_IQV_Inicializa); }
        EXPECT_EQ(reported_hr, r.hr);
        const auto e = last_reported_error();
        EXPECT_EQ(e.source, "ZidizUvi.QV_Inicializa.1");
        EXPECT_EQ(e.description, r.description);
        // The sibling without error information answers the same code.
        try { r.thrower(); } catch (...) { sibling_hr = com::current_exception_hresult(); }
        EXPECT_EQ(sibling_hr, r.hr);
    }
}

// check takes an HRESULT and nothing else: check(false, ...) would be FAILED(0), never a throw.
template <class T>
constexpr bool checkable = requires(T value) { com::check(value, std::string()); };
static_assert(checkable<HRESULT>);
static_assert(!checkable<bool>);
static_assert(!checkable<int>);
static_assert(!checkable<void*>);

}  // namespace

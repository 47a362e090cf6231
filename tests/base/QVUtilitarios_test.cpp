#include <gtest/gtest.h>

#include "base/CQVException.h"
#include "base/QVSleep.h"
#include "base/QVUtilitarios.h"
#include "platform/com/failure.h"

namespace {

TEST(QVUtilitarios, ValidaNumero) {
    struct number_case { const char* texto; bool valido; };
    const number_case cases[] = {
        {"1.234.567", true}, {"-12", true}, {"+12", true}, {"1234.567", true}, {"1.234,5", true},
        {"1234", true}, {"", true}, {"   ", true}, {"123.456,78", true}, {"12,5", true},
        {"-", false}, {"12,", false}, {"1.23.4", false}, {"12a", false}, {"1.2345", true},
        {" 12", false},        // blanks count only when the whole text is blank
        {"1.2345.678", false}, {"1234.567.890", false}, {"12,3a", false}, {"--1", false},
        // Thousands groups before the decimal separator: each group after the first has three digits.
        {"1.234.567,89", true}, {"-1.234.567,89", true}, {"12.345.678,9", true},
        {"1234.567,89", false}, {"1.234.5678,9", false}, {"1.23.456,7", false}, {"1.234.567,", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.texto);
        EXPECT_EQ(QVValidaNumero(c.texto), c.valido);
    }
}

TEST(QVUtilitarios, ConverteUnidadePeso) {
    struct weight_case { int64_t valor; int de; int para; int64_t expected; };
    const weight_case cases[] = {
        {10000, 5, 4, 10000000},           // 1 g = 1000 mg
        {10000, 0, 6, 22046},              // 1 kg = 2.2046 lb
        {10000, 6, 5, 4535924},            // 1 lb = 453.5924 g (453.59237 rounded)
        {10000, 4, 0, 0},                  // 1 mg = 0.000001 kg: below four decimals
        {25000, 3, 2, 2500},               // 2.5 units of 10 mg = 0.25 units of 100 mg
        {-10000, 5, 4, -10000000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.valor << " from " << c.de << " to " << c.para);
        CY v;
        v.int64 = c.valor;
        EXPECT_EQ(QVConverteUnidadePeso(v, c.de, c.para).int64, c.expected);
    }
    CY big;
    big.int64 = INT64_MAX / 2;
    EXPECT_THROW(QVConverteUnidadePeso(big, 0, 4), CQVExceptionEx);
}

TEST(QVUtilitarios, RetriesWhileTheServerIsUnavailable) {
    const HRESULT unavailable = static_cast<HRESULT>(0x800706BA);
    struct retry_case { int unavailable_answers; HRESULT final_answer; int calls; uint64_t slept; };
    const retry_case cases[] = {
        {0, S_OK, 1, 0},
        {3, S_OK, 4, 1500},
        {2, E_FAIL, 3, 1000},
        {1000, S_OK, 400, 399 * 500},      // gives up after 400 calls
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.unavailable_answers);
        qv_sleep_override clock;
        int calls = 0;
        const HRESULT hr = QVChamaComRepeticao([&] { return ++calls <= c.unavailable_answers ? unavailable : c.final_answer; });
        EXPECT_EQ(hr, c.unavailable_answers >= 400 ? unavailable : c.final_answer);
        EXPECT_EQ(calls, c.calls);
        EXPECT_EQ(clock.slept_ms(), c.slept);
    }
}

TEST(QVUtilitarios, IdentityTextsAndInterfaceHandOver) {
    const std::string guid = QVNovoGuidTexto();
    EXPECT_EQ(guid.size(), 36u);
    EXPECT_EQ(guid[8], '-');
    EXPECT_EQ(QVGuidParaTexto(IID_IUnknown), "{00000000-0000-0000-C000-000000000046}");
    EXPECT_FALSE(QVGetUsuarioWindows().empty());
    std::string host;
    const std::string ips = QVGetNomeIP(&host);
    EXPECT_FALSE(host.empty());
    (void)ips;   // may be empty on a machine without a resolvable host name

    CQVListaInterfaces lista;
    IStream* stream = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &stream), S_OK);
    lista.Adiciona(IID_IStream, stream);
    EXPECT_EQ(lista.Tamanho(), 1u);
    IStream* back = nullptr;
    lista.Retira(IID_IStream, reinterpret_cast<void**>(&back));
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(lista.Tamanho(), 0u);
    back->Release();
    stream->Release();
    EXPECT_THROW(lista.Retira(IID_IStream, reinterpret_cast<void**>(&back)), com::failure);

    auto filter = com::make<CNoPaintMessageFilter>();
    EXPECT_EQ(filter->MessagePending(nullptr, 0, 0), static_cast<DWORD>(PENDINGMSG_WAITNOPROCESS));
    EXPECT_EQ(filter->RetryRejectedCall(nullptr, 100, SERVERCALL_RETRYLATER), 10u);
    EXPECT_EQ(filter->RetryRejectedCall(nullptr, 9000, SERVERCALL_RETRYLATER), static_cast<DWORD>(-1));
    EXPECT_EQ(filter->RetryRejectedCall(nullptr, 0, SERVERCALL_REJECTED), static_cast<DWORD>(-1));
    filter.reset();
    EXPECT_EQ(QVSetNoPaintMessageFilter(), S_OK);
    CoRegisterMessageFilter(nullptr, nullptr);
}

}  // namespace

#include <gtest/gtest.h>

#include <vector>

#include "base/CQVXmlStream.h"

namespace {

TEST(CQVXmlStream, ReadsInChunksAndAppends) {
    const char ten[] = "0123456789";
    auto stream = com::make<CQVXmlStream>(ten, 10);
    char buffer[4];
    const ULONG expected[] = {4, 4, 2, 0, 0};
    std::string read;
    for (ULONG e : expected) {
        ULONG n = 99;
        EXPECT_EQ(stream->Read(buffer, sizeof buffer, &n), S_OK);
        EXPECT_EQ(n, e);
        read.append(buffer, n);
    }
    EXPECT_EQ(read, "0123456789");

    auto empty = com::make<CQVXmlStream>();
    std::vector<char> data(3000, 'x');
    ULONG written = 0;
    EXPECT_EQ(empty->Write(data.data(), 3000, &written), S_OK);
    EXPECT_EQ(written, 3000u);
    EXPECT_GE(empty->GetCapacidade(), 3000u);
    EXPECT_EQ(empty->GetCapacidade() % 1024, 0u);
    EXPECT_EQ(empty->GetTamanho(), 3000u);
    EXPECT_EQ(empty->GetPosicao(), 0u);   // writing does not move the read position
    STATSTG stat;
    memset(&stat, 0xCC, sizeof stat);
    EXPECT_EQ(empty->Stat(&stat, STATFLAG_NONAME), S_OK);
    EXPECT_EQ(stat.cbSize.QuadPart, 3000u);
    EXPECT_EQ(stat.type, static_cast<DWORD>(STGTY_STREAM));
    EXPECT_EQ(stat.pwcsName, nullptr);
    EXPECT_EQ(empty->Write("yz", 2, nullptr), S_OK);
    EXPECT_EQ(empty->GetTamanho(), 3002u);
    ULONG n = 0;
    char tail[8];
    std::vector<char> skip(3000);
    empty->Read(skip.data(), 3000, &n);
    EXPECT_EQ(empty->Read(tail, sizeof tail, &n), S_OK);
    EXPECT_EQ(std::string(tail, n), "yz");
}

TEST(CQVXmlStream, InterfacesAndUnsupportedOperations) {
    auto stream = com::make<CQVXmlStream>();
    struct qi_case { const IID* iid; const char* what; HRESULT expected; };
    const qi_case cases[] = {
        {&IID_IUnknown, "IUnknown", S_OK},
        {&IID_IStream, "IStream", S_OK},
        {&IID_ISequentialStream, "ISequentialStream", E_NOINTERFACE},
        {&IID_IDispatch, "IDispatch", E_NOINTERFACE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        void* p = reinterpret_cast<void*>(1);
        EXPECT_EQ(stream->QueryInterface(*c.iid, &p), c.expected);
        EXPECT_EQ(p, c.expected == S_OK ? static_cast<void*>(static_cast<IStream*>(stream.get())) : nullptr);
        if (p) static_cast<IUnknown*>(p)->Release();
    }
    EXPECT_EQ(stream->AddRef(), 2u);   // counted: a reader may keep it
    EXPECT_EQ(stream->Release(), 1u);
    LARGE_INTEGER zero{};
    ULARGE_INTEGER uzero{};
    IStream* clone = nullptr;
    EXPECT_EQ(stream->Seek(zero, STREAM_SEEK_SET, nullptr), E_NOTIMPL);
    EXPECT_EQ(stream->SetSize(uzero), E_NOTIMPL);
    EXPECT_EQ(stream->CopyTo(nullptr, uzero, nullptr, nullptr), E_NOTIMPL);
    EXPECT_EQ(stream->Commit(0), E_NOTIMPL);
    EXPECT_EQ(stream->Revert(), E_NOTIMPL);
    EXPECT_EQ(stream->LockRegion(uzero, uzero, 0), E_NOTIMPL);
    EXPECT_EQ(stream->UnlockRegion(uzero, uzero, 0), E_NOTIMPL);
    EXPECT_EQ(stream->Clone(&clone), E_NOTIMPL);
}

}  // namespace

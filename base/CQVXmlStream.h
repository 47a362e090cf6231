#pragma once
// A minimal stream over a block of memory, for handing a stored document to a reader that
// takes an IStream: com::make<CQVXmlStream>(dados, tamanho). It answers IUnknown and IStream
// only and does not keep the server alive. Reading, appending and the size are supported; every
// other stream operation answers E_NOTIMPL.
#include <objidl.h>
#include <windows.h>

#include <cstdint>

#include "platform/com/object.h"

class CQVXmlStream final : public com::unlocked_object<CQVXmlStream, IStream> {
public:
    CQVXmlStream() = default;
    // A stream for reading over a copy of the bytes.
    CQVXmlStream(const void* dados, ULONG tamanho);

    HRESULT STDMETHODCALLTYPE Read(void* pv, ULONG cb, ULONG* pcbRead) override;
    HRESULT STDMETHODCALLTYPE Write(const void* pv, ULONG cb, ULONG* pcbWritten) override;

    HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER, DWORD, ULARGE_INTEGER*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetSize(ULARGE_INTEGER) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CopyTo(IStream*, ULARGE_INTEGER, ULARGE_INTEGER*, ULARGE_INTEGER*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Commit(DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Revert() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Stat(STATSTG* pstatstg, DWORD grfStatFlag) override;
    HRESULT STDMETHODCALLTYPE Clone(IStream**) override { return E_NOTIMPL; }

    const uint8_t* GetBuffer() const { return m_buffer; }
    ULONG GetCapacidade() const { return m_capacidade; }
    ULONG GetTamanho() const { return m_tamanho; }
    ULONG GetPosicao() const { return m_posicao; }

private:
    ~CQVXmlStream() override;   // objects come only from com::make

    uint8_t* m_buffer = nullptr;   // C heap (malloc, realloc, free)
    ULONG m_capacidade = 0;
    ULONG m_tamanho = 0;
    ULONG m_posicao = 0;
};

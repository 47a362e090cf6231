#pragma once
// A minimal stream over a block of memory, for handing a stored document to a reader that
// takes an IStream. It lives on its owner's stack: AddRef and Release do not count, so the
// reader must not keep it beyond the call it was given in. Reading, appending and the size are
// supported; every other stream operation answers E_NOTIMPL.
#include <objidl.h>
#include <windows.h>

#include <cstdint>

class CQVXmlStream : public IStream {
public:
    CQVXmlStream() = default;
    // A stream for reading over a copy of the bytes.
    CQVXmlStream(const void* dados, ULONG tamanho);
    virtual ~CQVXmlStream();
    CQVXmlStream(const CQVXmlStream&) = delete;
    CQVXmlStream& operator=(const CQVXmlStream&) = delete;

    // IUnknown: IUnknown and IStream only (no reference is added).
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

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
    uint8_t* m_buffer = nullptr;   // C heap (malloc, realloc, free)
    ULONG m_capacidade = 0;
    ULONG m_tamanho = 0;
    ULONG m_posicao = 0;
};

#include "base/CQVXmlStream.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace {
constexpr ULONG passo = 1024;
}

CQVXmlStream::CQVXmlStream(const void* dados, ULONG tamanho) {
    if (tamanho == 0) return;
    m_buffer = static_cast<uint8_t*>(malloc(tamanho));
    if (!m_buffer) throw std::bad_alloc();
    memcpy(m_buffer, dados, tamanho);
    m_capacidade = m_tamanho = tamanho;
}

CQVXmlStream::~CQVXmlStream() { free(m_buffer); }

HRESULT STDMETHODCALLTYPE CQVXmlStream::Read(void* pv, ULONG cb, ULONG* pcbRead) {
    ULONG n = 0;
    if (m_posicao < m_tamanho) {
        n = cb < m_tamanho - m_posicao ? cb : m_tamanho - m_posicao;
        if (n > 0 && !pv) return STG_E_INVALIDPOINTER;
        if (n > 0) memcpy(pv, m_buffer + m_posicao, n);
        m_posicao += n;
    }
    if (pcbRead) *pcbRead = n;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CQVXmlStream::Write(const void* pv, ULONG cb, ULONG* pcbWritten) {
    if (pcbWritten) *pcbWritten = 0;
    if (cb == 0) return S_OK;
    if (!pv) return STG_E_INVALIDPOINTER;
    if (cb > m_capacidade - m_tamanho) {
        const uint64_t needed = static_cast<uint64_t>(m_tamanho) + cb;
        const uint64_t capacidade = (needed + passo - 1) / passo * passo;
        if (capacidade > 0xFFFFFFFFu) return E_OUTOFMEMORY;   // beyond what the counters hold
        auto* novo = static_cast<uint8_t*>(realloc(m_buffer, static_cast<size_t>(capacidade)));
        if (!novo) return E_OUTOFMEMORY;
        m_buffer = novo;
        m_capacidade = static_cast<ULONG>(capacidade);
    }
    memcpy(m_buffer + m_tamanho, pv, cb);
    m_tamanho += cb;
    if (pcbWritten) *pcbWritten = cb;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CQVXmlStream::Stat(STATSTG* pstatstg, DWORD) {
    if (!pstatstg) return STG_E_INVALIDPOINTER;
    memset(pstatstg, 0, sizeof *pstatstg);
    pstatstg->type = STGTY_STREAM;
    pstatstg->cbSize.QuadPart = m_tamanho;
    return S_OK;
}

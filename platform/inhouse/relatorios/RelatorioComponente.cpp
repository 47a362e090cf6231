#include "platform/inhouse/relatorios/RelatorioComponente.h"

#include <cstring>
#include <string>

#include "platform/com/text.h"
#include "platform/inhouse/relatorios/registro_relatorio.h"

namespace inhouse {

HRESULT STDMETHODCALLTYPE RelatorioComponente::Abre(BSTR arquivo, BYTE* informacao) noexcept try {
    const std::wstring nome = arquivo ? std::wstring(arquivo, SysStringLen(arquivo)) : std::wstring();
    if (HRESULT hr = faults().enter("Abre", "arquivo=" + com::to_ansi(nome)); hr != S_OK) return hr;
    if (!informacao) return E_POINTER;
    if (nome.empty()) return E_INVALIDARG;
    m_arquivo.reset();
    m_tamanho = 0;
    HANDLE h = CreateFileW(nome.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return HRESULT_FROM_WIN32(GetLastError());
    com::unique_handle aberto(h);
    LARGE_INTEGER tamanho{};
    if (!GetFileSizeEx(h, &tamanho)) return HRESULT_FROM_WIN32(GetLastError());
    // The record has 32 bits for the length; the server adds two bytes for the marker.
    if (tamanho.QuadPart > 0xFFFFFFFDLL) return HRESULT_FROM_WIN32(ERROR_FILE_TOO_LARGE);
    QV_INFO_RELATORIO info{};
    info.tamanho = static_cast<uint32_t>(tamanho.QuadPart);
    std::memcpy(informacao, &info, sizeof info);
    m_arquivo = std::move(aberto);
    m_tamanho = info.tamanho;
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE RelatorioComponente::Le(LONG tamanho, BYTE* buffer) noexcept try {
    if (HRESULT hr = faults().enter("Le", "tamanho=" + std::to_string(tamanho)); hr != S_OK) return hr;
    if (!m_arquivo) return E_UNEXPECTED;
    if (tamanho < 0 || static_cast<uint32_t>(tamanho) > m_tamanho) return E_INVALIDARG;
    if (tamanho > 0 && !buffer) return E_POINTER;
    LARGE_INTEGER inicio{};
    if (!SetFilePointerEx(m_arquivo.get(), inicio, nullptr, FILE_BEGIN)) return HRESULT_FROM_WIN32(GetLastError());
    DWORD lidos = 0;
    if (tamanho > 0 && !ReadFile(m_arquivo.get(), buffer, static_cast<DWORD>(tamanho), &lidos, nullptr))
        return HRESULT_FROM_WIN32(GetLastError());
    return lidos == static_cast<DWORD>(tamanho) ? S_OK : HRESULT_FROM_WIN32(ERROR_HANDLE_EOF);
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE RelatorioComponente::Fecha() noexcept try {
    if (HRESULT hr = faults().enter("Fecha"); hr != S_OK) return hr;
    m_arquivo.reset();
    m_tamanho = 0;
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

}  // namespace inhouse

#include "platform/inhouse/editor/EditorServer.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <limits>

#include "platform/com/text.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "platform/inhouse/editor/registros_editor.h"

namespace inhouse {

HRESULT STDMETHODCALLTYPE EditorServer::Inicializa(BSTR modulo, BSTR empresa, WORD usuario, LONG sessao) noexcept try {
    const std::string m = com::from_bstr(modulo);
    const std::string e = com::from_bstr(empresa);
    if (HRESULT hr = faults().enter("Inicializa", "modulo=" + m + " " + descreve_sessao(e, usuario, sessao)); hr != S_OK)
        return hr;
    std::string pasta = pasta_editor(e, m);
    if (pasta.empty()) return E_INVALIDARG;   // no such module, or no data folder of the company for it
    m_pasta = std::move(pasta);
    m_arquivo.clear();
    m_lista.clear();
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE EditorServer::TamanhoArquivo(BSTR nome, LONG* tamanho) noexcept try {
    if (!tamanho) return E_POINTER;
    *tamanho = 0;
    const std::string n = com::from_bstr(nome);
    if (HRESULT hr = faults().enter("TamanhoArquivo", "nome=" + n); hr != S_OK) return hr;
    if (m_pasta.empty()) return E_UNEXPECTED;
    m_arquivo.clear();
    // Only a file of the folder itself: a name with a folder in it would reach any file.
    if (!nome_arquivo_editor(n)) return E_INVALIDARG;
    WIN32_FILE_ATTRIBUTE_DATA dados{};
    if (!GetFileAttributesExA((m_pasta + n).c_str(), GetFileExInfoStandard, &dados))
        return HRESULT_FROM_WIN32(GetLastError());
    if (dados.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);
    if (dados.nFileSizeHigh != 0 || dados.nFileSizeLow > static_cast<DWORD>(std::numeric_limits<LONG>::max() - 2))
        return HRESULT_FROM_WIN32(ERROR_FILE_TOO_LARGE);
    m_arquivo = n;
    *tamanho = static_cast<LONG>(dados.nFileSizeLow);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE EditorServer::LeArquivo(LONG tamanho, BYTE* buffer) noexcept try {
    if (HRESULT hr = faults().enter("LeArquivo", "tamanho=" + std::to_string(tamanho)); hr != S_OK) return hr;
    if (m_pasta.empty() || m_arquivo.empty()) return E_UNEXPECTED;
    if (tamanho < 0) return E_INVALIDARG;
    if (tamanho == 0) return S_OK;
    if (!buffer) return E_POINTER;
    HANDLE f = CreateFileA((m_pasta + m_arquivo).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return HRESULT_FROM_WIN32(GetLastError());
    // A file that shrank since its size was asked leaves the rest of the buffer zeroed.
    std::memset(buffer, 0, static_cast<size_t>(tamanho));
    DWORD lido = 0;
    const BOOL ok = ReadFile(f, buffer, static_cast<DWORD>(tamanho), &lido, nullptr);
    const DWORD erro = GetLastError();
    CloseHandle(f);
    return ok ? S_OK : HRESULT_FROM_WIN32(erro);
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE EditorServer::QuantidadeArquivos(BSTR extensao, SHORT* quantidade) noexcept try {
    if (!quantidade) return E_POINTER;
    *quantidade = 0;
    const std::string e = com::from_bstr(extensao);
    if (HRESULT hr = faults().enter("QuantidadeArquivos", "extensao=" + e); hr != S_OK) return hr;
    if (m_pasta.empty()) return E_UNEXPECTED;
    if (!extensao_editor(e)) return E_INVALIDARG;
    m_lista = lista_arquivos_editor(m_pasta, e);
    // The count is 16 bits wide: a larger folder lists its first files.
    if (m_lista.size() > static_cast<size_t>(std::numeric_limits<SHORT>::max()))
        m_lista.resize(std::numeric_limits<SHORT>::max());
    *quantidade = static_cast<SHORT>(m_lista.size());
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE EditorServer::ListaArquivos(SHORT quantidade, BYTE* arquivos) noexcept try {
    if (HRESULT hr = faults().enter("ListaArquivos", "quantidade=" + std::to_string(quantidade)); hr != S_OK) return hr;
    if (m_pasta.empty()) return E_UNEXPECTED;
    if (quantidade < 0) return E_INVALIDARG;
    if (quantidade == 0) return S_OK;
    if (!arquivos) return E_POINTER;
    // Exactly `quantidade` entries: those the count did not find stay empty.
    auto* entradas = reinterpret_cast<QVSEDITOR_ARQUIVO*>(arquivos);
    std::memset(entradas, 0, sizeof(QVSEDITOR_ARQUIVO) * static_cast<size_t>(quantidade));
    const size_t n = std::min(m_lista.size(), static_cast<size_t>(quantidade));
    for (size_t i = 0; i < n; ++i) {
        poe_campo(entradas[i].nome, m_lista[i].nome);
        poe_campo(entradas[i].descricao, m_lista[i].descricao);
    }
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

}  // namespace inhouse

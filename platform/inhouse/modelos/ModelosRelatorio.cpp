#include "platform/inhouse/modelos/ModelosRelatorio.h"

#include <objbase.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "base/QVCaminhos.h"
#include "platform/com/failure.h"
#include "platform/com/text.h"
#include "platform/com/unique.h"
#include "platform/com/wire_pointer.h"
#include "platform/inhouse/modelos/pasta_modelos.h"
#include "platform/inhouse/modelos/registros_modelos.h"

namespace inhouse {

namespace {

// A model is a small text; anything bigger is not one of ours.
constexpr DWORD tamanho_maximo_modelo = 16u << 20;

bool termina_com_extensao(const std::string& arquivo) {
    const size_t n = std::strlen(extensao_modelo);
    return arquivo.size() > n && lstrcmpiA(arquivo.c_str() + arquivo.size() - n, extensao_modelo) == 0;
}

// The names of the models in a folder, in name order.
std::vector<std::string> nomes_modelos(const std::string& pasta) {
    std::vector<std::string> nomes;
    WIN32_FIND_DATAA achado{};
    HANDLE busca = FindFirstFileA((pasta + "*" + extensao_modelo).c_str(), &achado);
    if (busca == INVALID_HANDLE_VALUE) {
        const DWORD erro = GetLastError();
        if (erro == ERROR_FILE_NOT_FOUND || erro == ERROR_PATH_NOT_FOUND) return nomes;
        com::fail("Erro ao listar os modelos de relatório.", HRESULT_FROM_WIN32(erro));
    }
    do {
        // "*.xml" also finds "a.xmlx" through the short names: keep exactly the ".xml" files.
        const std::string arquivo = achado.cFileName;
        if (achado.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY || !termina_com_extensao(arquivo)) continue;
        const std::string nome = arquivo.substr(0, arquivo.size() - std::strlen(extensao_modelo));
        if (nome_de_arquivo_valido(nome, tamanho_maximo_nome_modelo)) nomes.push_back(nome);
    } while (FindNextFileA(busca, &achado));
    FindClose(busca);
    std::sort(nomes.begin(), nomes.end());
    return nomes;
}

}  // namespace

HRESULT STDMETHODCALLTYPE ModelosRelatorio::Inicializa(BSTR modulo, BSTR componente) noexcept try {
    const std::string m = com::from_bstr(modulo);
    const std::string c = com::from_bstr(componente);
    if (HRESULT hr = faults().enter("Inicializa", "modulo=" + m + " componente=" + c); FAILED(hr)) return hr;
    const std::string relatorios = QVGetPastaRelatorios();
    if (relatorios.empty()) return HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND);
    std::string pasta = pasta_modelos(relatorios, m, c);
    if (pasta.empty()) return E_INVALIDARG;
    m_pasta = std::move(pasta);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE ModelosRelatorio::LeModelo(BSTR nome, BYTE* registro) noexcept try {
    const std::string n = com::from_bstr(nome);
    if (HRESULT hr = faults().enter("LeModelo", "nome=" + n); FAILED(hr)) return hr;
    if (!registro) return E_POINTER;
    if (m_pasta.empty()) return E_UNEXPECTED;
    if (!nome_de_arquivo_valido(n, tamanho_maximo_nome_modelo)) return E_INVALIDARG;

    const std::string arquivo = m_pasta + n + extensao_modelo;
    com::unique_handle h(CreateFileA(arquivo.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
    if (h.get() == INVALID_HANDLE_VALUE) {
        h.release();
        return HRESULT_FROM_WIN32(GetLastError());
    }
    LARGE_INTEGER tamanho{};
    if (!GetFileSizeEx(h.get(), &tamanho)) return HRESULT_FROM_WIN32(GetLastError());
    if (tamanho.QuadPart > tamanho_maximo_modelo) return HRESULT_FROM_WIN32(ERROR_FILE_TOO_LARGE);
    const DWORD bytes = static_cast<DWORD>(tamanho.QuadPart);
    com::unique_cotaskmem<BYTE> bloco(static_cast<BYTE*>(CoTaskMemAlloc(bytes ? bytes : 1)));
    if (!bloco) return E_OUTOFMEMORY;
    DWORD lidos = 0;
    if (bytes && !ReadFile(h.get(), bloco.get(), bytes, &lidos, nullptr)) return HRESULT_FROM_WIN32(GetLastError());
    if (lidos != bytes) return HRESULT_FROM_WIN32(ERROR_HANDLE_EOF);

    QV_MODELO_RELATORIO r{};
    r.tamanho = bytes;
    r.bytes = com::wire_pointer_put(bloco.get());
    bloco.release();   // the caller's now
    std::memcpy(registro, &r, sizeof r);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE ModelosRelatorio::ListaNomes(BYTE** lista) noexcept try {
    if (HRESULT hr = faults().enter("ListaNomes"); FAILED(hr)) return hr;
    if (!lista) return E_POINTER;
    *lista = nullptr;
    if (m_pasta.empty()) return E_UNEXPECTED;

    std::vector<std::string> nomes = nomes_modelos(m_pasta);
    if (nomes.size() > 0xFFFF) nomes.resize(0xFFFF);   // the count is 16 bits wide
    com::unique_cotaskmem<BYTE> registro(static_cast<BYTE*>(CoTaskMemAlloc(sizeof(QV_LISTA_MODELOS))));
    if (!registro) return E_OUTOFMEMORY;
    com::unique_cotaskmem<char> entradas;
    if (!nomes.empty()) {
        const size_t tamanho = nomes.size() * QV_TAMANHO_NOME_MODELO;
        entradas.reset(static_cast<char*>(CoTaskMemAlloc(tamanho)));
        if (!entradas) return E_OUTOFMEMORY;
        std::memset(entradas.get(), 0, tamanho);
        for (size_t i = 0; i < nomes.size(); ++i)
            std::memcpy(entradas.get() + i * QV_TAMANHO_NOME_MODELO, nomes[i].data(), nomes[i].size());
    }
    QV_LISTA_MODELOS r{};
    r.quantidade = static_cast<uint16_t>(nomes.size());
    r.nomes = com::wire_pointer_put(entradas.get());
    entradas.release();   // the caller's now, through the record
    std::memcpy(registro.get(), &r, sizeof r);
    *lista = registro.release();
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

}  // namespace inhouse

#include "platform/inhouse/xml/atributos_xml.h"

#include <cstring>
#include <string_view>

#include "platform/com/failure.h"
#include "platform/com/text.h"

namespace inhouse {

namespace {

std::string ansi(const wchar_t* texto, int tamanho) {
    return texto && tamanho > 0 ? com::to_ansi(std::wstring_view(texto, static_cast<size_t>(tamanho))) : std::string();
}

}  // namespace

atributos_xml::atributos_xml(ISAXAttributes* atributos) {
    if (!atributos) return;
    int quantidade = 0;
    com::check(atributos->getLength(&quantidade), "Erro ao ler os atributos do elemento.");
    m_atributos.reserve(static_cast<size_t>(quantidade > 0 ? quantidade : 0));
    for (int i = 0; i < quantidade; ++i) {
        const wchar_t* nome = nullptr;
        const wchar_t* valor = nullptr;
        int tamanho_nome = 0;
        int tamanho_valor = 0;
        com::check(atributos->getQName(i, &nome, &tamanho_nome), "Erro ao ler os atributos do elemento.");
        com::check(atributos->getValue(i, &valor, &tamanho_valor), "Erro ao ler os atributos do elemento.");
        m_atributos.emplace_back(ansi(nome, tamanho_nome), ansi(valor, tamanho_valor));
    }
}

HRESULT STDMETHODCALLTYPE atributos_xml::Quantidade(LONG* quantidade) noexcept {
    if (!quantidade) return E_POINTER;
    *quantidade = static_cast<LONG>(m_atributos.size());
    return S_OK;
}

HRESULT STDMETHODCALLTYPE atributos_xml::Nome(LONG i, LPCSTR* nome) noexcept {
    if (!nome) return E_POINTER;
    *nome = nullptr;
    if (i < 0 || static_cast<size_t>(i) >= m_atributos.size()) return E_INVALIDARG;
    *nome = m_atributos[static_cast<size_t>(i)].first.c_str();
    return S_OK;
}

HRESULT STDMETHODCALLTYPE atributos_xml::Valor(LONG i, LPCSTR* valor) noexcept {
    if (!valor) return E_POINTER;
    *valor = nullptr;
    if (i < 0 || static_cast<size_t>(i) >= m_atributos.size()) return E_INVALIDARG;
    *valor = m_atributos[static_cast<size_t>(i)].second.c_str();
    return S_OK;
}

HRESULT STDMETHODCALLTYPE atributos_xml::ValorPorNome(LPCSTR nome, LPCSTR* valor) noexcept {
    if (!nome || !valor) return E_POINTER;
    *valor = nullptr;
    for (const auto& [n, v] : m_atributos)
        if (n == nome) {
            *valor = v.c_str();
            return S_OK;
        }
    return E_INVALIDARG;
}

}  // namespace inhouse

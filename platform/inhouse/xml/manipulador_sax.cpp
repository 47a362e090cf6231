#include "platform/inhouse/xml/manipulador_sax.h"

#include <string>
#include <string_view>

#include "platform/com/text.h"
#include "platform/inhouse/core/stand_in.h"
#include "platform/inhouse/xml/atributos_xml.h"

namespace inhouse {

namespace {

// A counted SAX text as ANSI; element names come as written (with their prefix, if any).
std::string ansi(const wchar_t* qname, int size) {
    return qname && size > 0 ? com::to_ansi(std::wstring_view(qname, static_cast<size_t>(size))) : std::string();
}

}  // namespace

HRESULT STDMETHODCALLTYPE manipulador_sax::startDocument() noexcept {
    return m_handler ? m_handler->InicioDocumento() : S_OK;
}

HRESULT STDMETHODCALLTYPE manipulador_sax::endDocument() noexcept {
    return m_handler ? m_handler->FimDocumento() : S_OK;
}

HRESULT STDMETHODCALLTYPE manipulador_sax::startElement(const wchar_t*, int, const wchar_t*, int, const wchar_t* qname,
                                                        int qname_size, ISAXAttributes* attributes) noexcept try {
    if (!m_handler) return S_OK;
    const std::string n = ansi(qname, qname_size);
    com::com_ptr<atributos_xml> atributos = com::make<atributos_xml>(attributes);
    return m_handler->InicioElemento(n.c_str(), atributos.get());
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE manipulador_sax::endElement(const wchar_t*, int, const wchar_t*, int, const wchar_t* qname,
                                                      int qname_size) noexcept try {
    if (!m_handler) return S_OK;
    return m_handler->FimElemento(ansi(qname, qname_size).c_str());
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE manipulador_sax::characters(const wchar_t* chars, int size) noexcept try {
    if (!m_handler) return S_OK;
    return m_handler->Caracteres(ansi(chars, size).c_str());
} catch (...) {
    return stand_in_failure();
}

}  // namespace inhouse

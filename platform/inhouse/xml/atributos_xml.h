#pragma once
// The attributes of one element as the XML reader's content handler receives them: a copy, in
// ANSI (CP1252), of what the SAX reader delivered, so that the object stays valid for as long as
// a handler keeps it.
#include <msxml2.h>

#include <string>
#include <utility>
#include <vector>

#include "inhouse_xml.h"
#include "platform/com/object.h"
#include "platform/inhouse/xml/sax_msxml.h"

namespace inhouse {

class atributos_xml final : public com::unlocked_object<atributos_xml, IQVXmlAtributos> {
public:
    // Copies the attributes (null: none). Throws com::failure when the SAX reader fails to give one.
    explicit atributos_xml(ISAXAttributes* atributos);

    HRESULT STDMETHODCALLTYPE Quantidade(LONG* quantidade) noexcept override;
    HRESULT STDMETHODCALLTYPE Nome(LONG i, LPCSTR* nome) noexcept override;
    HRESULT STDMETHODCALLTYPE Valor(LONG i, LPCSTR* valor) noexcept override;
    HRESULT STDMETHODCALLTYPE Reservado06() noexcept override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reservado07() noexcept override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reservado08() noexcept override { return E_NOTIMPL; }
    // The first attribute of that name (exact comparison); E_INVALIDARG when there is none.
    HRESULT STDMETHODCALLTYPE ValorPorNome(LPCSTR nome, LPCSTR* valor) noexcept override;

private:
    ~atributos_xml() override = default;

    std::vector<std::pair<std::string, std::string>> m_atributos;   // name, value
};

}  // namespace inhouse

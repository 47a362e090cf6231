#pragma once
// The SAX content handler that the XML reader component gives MSXML's reader: it turns each event
// (UTF-16, counted texts) into the call of the user's IQVXmlContentHandler (ANSI, terminated
// texts) and answers what the user's handler answered, so a failure there ends the parse.
#include <msxml2.h>

#include "inhouse_xml.h"
#include "platform/com/com_ptr.h"
#include "platform/com/object.h"
#include "platform/inhouse/xml/sax_msxml.h"

namespace inhouse {

class manipulador_sax final : public com::unlocked_object<manipulador_sax, ISAXContentHandler> {
public:
    explicit manipulador_sax(com::com_ptr<IQVXmlContentHandler> handler) noexcept : m_handler(std::move(handler)) {}

    HRESULT STDMETHODCALLTYPE putDocumentLocator(ISAXLocator*) noexcept override { return S_OK; }
    HRESULT STDMETHODCALLTYPE startDocument() noexcept override;
    HRESULT STDMETHODCALLTYPE endDocument() noexcept override;
    HRESULT STDMETHODCALLTYPE startPrefixMapping(const wchar_t*, int, const wchar_t*, int) noexcept override {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE endPrefixMapping(const wchar_t*, int) noexcept override { return S_OK; }
    HRESULT STDMETHODCALLTYPE startElement(const wchar_t* uri, int uri_size, const wchar_t* local, int local_size,
                                           const wchar_t* qname, int qname_size,
                                           ISAXAttributes* attributes) noexcept override;
    HRESULT STDMETHODCALLTYPE endElement(const wchar_t* uri, int uri_size, const wchar_t* local, int local_size,
                                         const wchar_t* qname, int qname_size) noexcept override;
    HRESULT STDMETHODCALLTYPE characters(const wchar_t* chars, int size) noexcept override;
    HRESULT STDMETHODCALLTYPE ignorableWhitespace(const wchar_t*, int) noexcept override { return S_OK; }
    HRESULT STDMETHODCALLTYPE processingInstruction(const wchar_t*, int, const wchar_t*, int) noexcept override {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE skippedEntity(const wchar_t*, int) noexcept override { return S_OK; }

private:
    ~manipulador_sax() override = default;

    com::com_ptr<IQVXmlContentHandler> m_handler;
};

}  // namespace inhouse

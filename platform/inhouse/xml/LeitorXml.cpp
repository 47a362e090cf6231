#include "platform/inhouse/xml/LeitorXml.h"

#include <objbase.h>

#include "platform/com/unique.h"
#include "platform/inhouse/xml/manipulador_sax.h"
#include "platform/inhouse/xml/sax_msxml.h"

namespace inhouse {

HRESULT STDMETHODCALLTYPE LeitorXml::PoeContentHandler(IQVXmlContentHandler* handler) noexcept try {
    if (HRESULT hr = faults().enter("PoeContentHandler", handler ? "handler" : "null"); FAILED(hr)) return hr;
    m_handler = com::com_ptr<IQVXmlContentHandler>(handler);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE LeitorXml::Analisa(VARIANT entrada) noexcept try {
    if (HRESULT hr = faults().enter("Analisa", "vt=" + std::to_string(entrada.vt)); FAILED(hr)) return hr;
    com::com_ptr<ISAXXMLReader> sax;
    if (HRESULT hr = CoCreateInstance(CLSID_SAXXMLReader_30, nullptr, CLSCTX_INPROC_SERVER, __uuidof(ISAXXMLReader),
                                      sax.put_void());
        FAILED(hr))
        return hr;
    com::com_ptr<manipulador_sax> manipulador = com::make<manipulador_sax>(m_handler);
    if (HRESULT hr = sax->putContentHandler(manipulador.get()); FAILED(hr)) return hr;
    const HRESULT hr = sax->parse(entrada);
    // The SAX reader would otherwise keep the handler (and through it the user's) until it ends.
    sax->putContentHandler(nullptr);
    return hr;
} catch (...) {
    return stand_in_failure();
}

}  // namespace inhouse

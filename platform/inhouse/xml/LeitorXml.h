#pragma once
// The XML reader component of the maker (IQVXmlLeitor), ours over the platform's SAX reader: it
// parses what it is given with MSXML's SAXXMLReader and hands the events to the user's content
// handler with ANSI (CP1252) texts, each element's attributes in an IQVXmlAtributos.
#include "inhouse_xml.h"
#include "platform/com/com_ptr.h"
#include "platform/inhouse/core/stand_in.h"

namespace inhouse {

class LeitorXml final : public stand_in_object<LeitorXml, IQVXmlLeitor> {
public:
    using stand_in_object::stand_in_object;

    HRESULT STDMETHODCALLTYPE PoeContentHandler(IQVXmlContentHandler* handler) noexcept override;
    ZU_RESERVADO(04)
    // Answers what the SAX reader answered (the first failing step's HRESULT).
    HRESULT STDMETHODCALLTYPE Analisa(VARIANT entrada) noexcept override;

private:
    ~LeitorXml() override = default;   // objects come only from com::make

    com::com_ptr<IQVXmlContentHandler> m_handler;
};

}  // namespace inhouse

#pragma once
// The base of the XML reader's content handlers that live on their user's stack for one parse:
// QueryInterface answers IUnknown and IQVXmlContentHandler with the object itself, AddRef and
// Release count nothing (they always answer 1; nobody deletes the object through COM), and every
// event is accepted with S_OK. A handler overrides the events it needs.
#include "inhouse_xml.h"

class CQVXmlContentHandlerImpl : public IQVXmlContentHandler {
public:
    CQVXmlContentHandlerImpl() = default;
    CQVXmlContentHandlerImpl(const CQVXmlContentHandlerImpl&) = delete;
    CQVXmlContentHandlerImpl& operator=(const CQVXmlContentHandlerImpl&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) noexcept override;
    ULONG STDMETHODCALLTYPE AddRef() noexcept override { return 1; }
    ULONG STDMETHODCALLTYPE Release() noexcept override { return 1; }

    HRESULT STDMETHODCALLTYPE InicioDocumento() noexcept override { return S_OK; }
    HRESULT STDMETHODCALLTYPE FimDocumento() noexcept override { return S_OK; }
    HRESULT STDMETHODCALLTYPE InicioElemento(LPCSTR, IQVXmlAtributos*) noexcept override { return S_OK; }
    HRESULT STDMETHODCALLTYPE FimElemento(LPCSTR) noexcept override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Caracteres(LPCSTR) noexcept override { return S_OK; }

    virtual ~CQVXmlContentHandlerImpl() = default;
};

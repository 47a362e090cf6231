#pragma once
// Reads the three flags of a report model's XML text through the XML reader component: for
// which uses the model is meant. Only the attributes of an "impressao" element directly below a
// root "relatorio" count:
//
//     <relatorio><impressao relOperacional="1" relGerencial="0" relZidizUvi="1"/></relatorio>
//
// A flag is 1 when its value begins with '1', else 0; a missing relOperacional or relGerencial
// keeps the flag as it was, a missing relZidizUvi makes the web flag -1. One parser serves one
// parse; it lives on its user's stack.
#include <string>
#include <vector>

#include "masterdata/CQVXmlContentHandlerImpl.h"

class CRelatorioParser final : public CQVXmlContentHandlerImpl {
public:
    CRelatorioParser() = default;
    ~CRelatorioParser() override = default;

    // Parses one XML text (a stream as IUnknown); the HRESULT of the first step that fails, else
    // S_OK. The flags keep what was read before a failure.
    HRESULT Parse(IUnknown* stream) noexcept;

    short GetRelOperacional() const noexcept { return m_iRelOperacional; }
    short GetRelGerencial() const noexcept { return m_iRelGerencial; }
    short GetRelZidizUvi() const noexcept { return m_iRelZidizUvi; }
    // Whether the last Parse got as far as handing the text to the reader: when it did not, the
    // reader component was missing and the flags say nothing about the model.
    bool GetLeitorPronto() const noexcept { return m_bLeitorPronto; }

    HRESULT STDMETHODCALLTYPE InicioElemento(LPCSTR nome, IQVXmlAtributos* atributos) noexcept override;
    HRESULT STDMETHODCALLTYPE FimElemento(LPCSTR nome) noexcept override;

private:
    short m_iRelOperacional = 0;
    short m_iRelGerencial = 0;
    short m_iRelZidizUvi = 0;
    std::vector<std::string> m_Elementos;   // the open elements, outermost first
    bool m_bLeitorPronto = false;
};

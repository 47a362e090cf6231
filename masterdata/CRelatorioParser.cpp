#include "masterdata/CRelatorioParser.h"

#include <oleauto.h>

#include "base/QVDCOM.h"
#include "platform/com/com_ptr.h"
#include "platform/com/unique.h"
#include "platform/inhouse/core/inhouse_guids.h"

namespace {

// What an attribute says: 1 when its value begins with '1'; nothing when it is not there.
bool le_atributo(IQVXmlAtributos* atributos, const char* nome, short& flag) noexcept {
    LPCSTR valor = nullptr;
    if (FAILED(atributos->ValorPorNome(nome, &valor))) return false;
    flag = valor && valor[0] == '1' ? 1 : 0;
    return true;
}

}  // namespace

HRESULT CRelatorioParser::Parse(IUnknown* stream) noexcept {
    m_bLeitorPronto = false;
    com::com_ptr<IQVXmlLeitor> leitor;
    if (HRESULT hr = QVCriaInstancia(inhouse::CLSID_LeitorXml, nullptr, QV_CLSCTX_SERVIDOR, __uuidof(IQVXmlLeitor),
                                     leitor.put_void(), QV_CRIA_PADRAO);
        FAILED(hr))
        return hr;
    if (HRESULT hr = leitor->PoeContentHandler(this); FAILED(hr)) return hr;
    m_bLeitorPronto = true;
    com::unique_variant texto;
    texto->vt = VT_UNKNOWN;
    texto->punkVal = stream;
    if (stream) stream->AddRef();
    return leitor->Analisa(*texto.get());
}

HRESULT STDMETHODCALLTYPE CRelatorioParser::InicioElemento(LPCSTR nome, IQVXmlAtributos* atributos) noexcept try {
    m_Elementos.emplace_back(nome ? nome : "");
    if (m_Elementos.size() != 2 || m_Elementos[0] != "relatorio" || m_Elementos[1] != "impressao") return S_OK;
    if (!atributos) {
        m_iRelZidizUvi = -1;
        return S_OK;
    }
    com::com_ptr<IQVXmlAtributos> mantido(atributos);
    le_atributo(atributos, "relOperacional", m_iRelOperacional);
    le_atributo(atributos, "relGerencial", m_iRelGerencial);
    if (!le_atributo(atributos, "relZidizUvi", m_iRelZidizUvi)) m_iRelZidizUvi = -1;
    return S_OK;
} catch (...) {
    // Out of memory for the element's name: the stack would no longer match the document, so the
    // parse ends here and the flags keep what was read before.
    return E_OUTOFMEMORY;
}

HRESULT STDMETHODCALLTYPE CRelatorioParser::FimElemento(LPCSTR) noexcept {
    if (!m_Elementos.empty()) m_Elementos.pop_back();
    return S_OK;
}

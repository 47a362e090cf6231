#include "ft/ftlibrary/CFTAppInfo.h"

#include <cstring>

#include "base/QVDCOM.h"
#include "platform/com/text.h"
#include "platform/inhouse/acesso/QVAVISO.h"
#include "platform/inhouse/core/inhouse_guids.h"

namespace {
constexpr char fonte[] = "FTApp";
}

void CFTAppInfo::Inicializa(const std::string& empresa, WORD codigoEmpresa, WORD usuario, LONG sessao) {
    Finaliza();
    m_Empresa = empresa;
    m_CodigoEmpresa = codigoEmpresa;
    m_Usuario = usuario;
    m_Sessao = sessao;
    m_ParametrosCarregados = false;
    m_Mestre.Configura(empresa, usuario, sessao);
}

const BYTE* CFTAppInfo::GetParametrosFT() {
    if (!m_ParametrosCarregados || m_DiaParametros != m_Hoje()) CarregaParametrosFT();
    return m_ParametrosFT;
}

bool CFTAppInfo::CarregaParametrosFT() {
    std::memset(m_ParametrosFT, 0, sizeof m_ParametrosFT);
    m_ParametrosCarregados = false;
    HRESULT hr = ObtemServidorParametros();
    if (SUCCEEDED(hr)) {
        QV_PARAMETROS_472 registro{};
        hr = m_ServidorParametros->LeParametros(&registro);
        if (SUCCEEDED(hr)) {
            std::memcpy(m_ParametrosFT, registro.dados, sizeof m_ParametrosFT);
            m_ParametrosCarregados = true;
            m_DiaParametros = m_Hoje();
            return true;
        }
    }
    Reporta(hr, 0);
    return false;
}

HRESULT CFTAppInfo::ObtemServidorParametros() {
    if (m_Empresa.empty()) return E_FAIL;
    if (!m_ServidorParametros) {
        m_ServidorInicializado = false;
        const HRESULT hr = QVCriaInstancia(inhouse::CLSID_MestreComercialServer, nullptr, QV_CLSCTX_SERVIDOR,
                                           __uuidof(IQVFT_MestreComercial), m_ServidorParametros.put_void(),
                                           QV_CRIA_PADRAO);
        if (FAILED(hr)) {
            m_ServidorParametros.reset();
            Reporta(hr, 0);
            return hr;
        }
    }
    if (!m_ServidorInicializado) {
        const HRESULT hr = m_ServidorParametros->Inicializa(com::to_bstr(m_Empresa).get(), m_CodigoEmpresa, m_Sessao);
        if (FAILED(hr)) {
            Reporta(hr, 0);
            return hr;
        }
        m_ServidorInicializado = true;
    }
    return S_OK;
}

void CFTAppInfo::Finaliza() noexcept {
    m_ServidorParametros.reset();
    m_ServidorInicializado = false;
    m_Mestre.Libera();
}

void CFTAppInfo::Reporta(HRESULT hr, int linha) const {
    if (m_MostraErros) QVTrataErro2(hr, 0, 0, m_Empresa.c_str(), fonte, linha, __DATE__ " " __TIME__);
}

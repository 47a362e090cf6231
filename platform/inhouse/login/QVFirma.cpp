#include "platform/inhouse/login/QVFirma.h"

#include <objbase.h>

#include <cstring>

#include "base/QVEventLog.h"
#include "inhouse_login.h"
#include "inhouse_registros.h"
#include "platform/com/com_ptr.h"
#include "platform/com/text.h"
#include "platform/inhouse/acesso/CConexaoServidor.h"
#include "platform/inhouse/core/inhouse_guids.h"

void CQVDadosInicializacao::BuscaDados(const CQVParametroInicializacao& parametro, int, int, int) {
    *this = CQVDadosInicializacao();
    // Tests script the library like a connection: a failure is the read's error; a positive
    // answer is taken as the company's own result code.
    const HRESULT scripted = inhouse::faults_of_connection("CQVDadosInicializacao")
                                 .enter("BuscaDados", "empresa=" + parametro.GetEmpresa() +
                                                          " usuario=" + std::to_string(parametro.GetUsuario()));
    if (FAILED(scripted)) {
        m_hrErro = scripted;
        return;
    }
    if (scripted != S_OK) {
        m_iResultado = static_cast<int>(scripted);
        return;
    }
    try {
        com::com_ptr<IQVEmpresas> servidor;
        HRESULT hr = CoCreateInstance(inhouse::CLSID_EmpresaServer, nullptr, CLSCTX_ALL, __uuidof(IQVEmpresas),
                                      servidor.put_void());
        if (FAILED(hr)) {
            m_hrErro = hr;
            return;
        }
        com::unique_bstr empresa = com::to_bstr(parametro.GetEmpresa());
        LONG resultado = resultado_falha;
        LONG sessao = 0;
        com::unique_bstr razao;
        QV_TIPOS_VEVUREZE_64 tipos{};
        hr = servidor->DadosInicializacao(empresa.get(), parametro.GetUsuario(), &resultado, &sessao, razao.put(), &tipos);
        if (FAILED(hr)) {
            m_hrErro = hr;
            return;
        }
        m_iResultado = static_cast<int>(resultado);
        if (m_iResultado != resultado_ok) return;
        m_lNumeroSecao = sessao;
        m_sRazaoSocial = com::from_bstr(razao.get());
        std::memcpy(m_tipos.data(), tipos.dados, m_tipos.size());
    } catch (const std::bad_alloc&) {
        *this = CQVDadosInicializacao();
        m_hrErro = E_OUTOFMEMORY;
    }
}

void CQVDadosInicializacao::EncerraSessao(const CQVString& empresa, int32_t sessao) noexcept {
    HRESULT hr = E_UNEXPECTED;
    try {
        com::com_ptr<IQVEmpresas> servidor;
        hr = CoCreateInstance(inhouse::CLSID_EmpresaServer, nullptr, CLSCTX_ALL, __uuidof(IQVEmpresas),
                              servidor.put_void());
        if (SUCCEEDED(hr)) hr = servidor->EncerraSessao(com::to_bstr(empresa).get(), sessao);
    } catch (...) {
        hr = E_OUTOFMEMORY;
    }
    if (FAILED(hr))
        qv_event_log(EVENTLOG_WARNING_TYPE, "Não foi possível encerrar a sessão " + std::to_string(sessao) +
                                                " da empresa " + empresa + ".");
}

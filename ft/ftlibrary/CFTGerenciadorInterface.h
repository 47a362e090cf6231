#pragma once
// The manager of one data-server interface: created on first use through the retrying creation
// (context 23, retry while unavailable and report to the event log), initialised once with the
// company, user and session. A failed creation leaves the interface empty and a failed
// initialisation leaves the flag clear, so the next use tries again. Failures are reported through
// the message library (which only writes the event log) when the show-messages flag is set.
#include <windows.h>

#include <string>

#include "base/QVDCOM.h"
#include "platform/com/com_ptr.h"
#include "platform/com/text.h"
#include "platform/inhouse/acesso/QVAVISO.h"

// Call-site number and line of the creation failure, as every manager reports it.
inline constexpr long FTGerenciador_SitioCriacao = 276910;
inline constexpr int FTGerenciador_LinhaCriacao = 226;
inline constexpr char FTGerenciador_FonteCriacao[] = "ft\\ftlibrary\\BufferNFs";

template <class I, const CLSID& Classe, long Mensagem>
class CFTGerenciadorInterface {
public:
    virtual ~CFTGerenciadorInterface() = default;

    void Configura(std::string empresa, WORD usuario, LONG sessao) {
        m_Empresa = std::move(empresa);
        m_Usuario = usuario;
        m_Sessao = sessao;
    }

    // The server's initialise method; the product server's managers add a further argument.
    virtual HRESULT InicializaServidor() {
        return m_Interface->Inicializa(com::to_bstr(m_Empresa).get(), m_Usuario, m_Sessao);
    }

    HRESULT CriaInterface() {
        if (m_Interface) return S_OK;
        const HRESULT hr = QVCriaInstancia(Classe, nullptr, QV_CLSCTX_SERVIDOR, __uuidof(I), m_Interface.put_void(),
                                           QV_CRIA_PADRAO);
        if (FAILED(hr)) {
            m_Interface.reset();
            Reporta(hr, FTGerenciador_SitioCriacao, FTGerenciador_FonteCriacao, FTGerenciador_LinhaCriacao);
        }
        return hr;
    }

    // Created and initialised; the interface is then usable.
    HRESULT Prepara() {
        if (const HRESULT hr = CriaInterface(); FAILED(hr)) return hr;
        if (m_Inicializado) return S_OK;
        const HRESULT hr = InicializaServidor();
        if (FAILED(hr)) {
            Reporta(hr, 0, FonteServidor(), 0);
            return hr;
        }
        m_Inicializado = true;
        return hr;
    }

    void Reporta(HRESULT hr, long sitio, const char* fonte, int linha) const {
        if (m_MostraMensagens) QVTrataErro2(hr, Mensagem, sitio, m_Empresa.c_str(), fonte, linha, __DATE__ " " __TIME__);
    }
    virtual const char* FonteServidor() const { return "BufferNFs"; }

    I* Interface() const noexcept { return m_Interface.get(); }
    bool Inicializado() const noexcept { return m_Inicializado; }
    void Libera() noexcept {
        m_Interface.reset();
        m_Inicializado = false;
    }

    std::string m_Empresa;
    WORD m_Usuario = 0;
    LONG m_Sessao = 0;
    bool m_MostraMensagens = true;

protected:
    com::com_ptr<I> m_Interface;
    bool m_Inicializado = false;
};

#pragma once
#include "platform/com/text.h"
#include "platform/inhouse/acesso/CConexaoServidor.h"

// A connection's data server, created when missing and initialised with the connection's session;
// a failed initialisation drops the server again, so a server handed out is always initialised.
// `extras` follow the session in the server's Inicializa (some servers take one more value).
template <class Itf, class... Extra>
HRESULT servidor_inicializado(CConexaoServidor& conexao, Itf*& servidor, Extra... extras) {
    servidor = static_cast<Itf*>(conexao.CConexaoServidor::GetInterface());
    if (servidor) return S_OK;
    if (HRESULT hr = conexao.CConexaoServidor::CriaServidor(); FAILED(hr)) return hr;
    Itf* s = static_cast<Itf*>(conexao.CConexaoServidor::GetInterface());
    if (!s) return E_UNEXPECTED;
    try {
        const HRESULT hr = s->Inicializa(com::to_bstr(conexao.GetEmpresa()).get(), conexao.GetUsuario(),
                                         static_cast<LONG>(conexao.GetSessao()), extras...);
        if (FAILED(hr)) {
            conexao.Finaliza();
            return hr;
        }
    } catch (...) {
        conexao.Finaliza();
        return E_OUTOFMEMORY;
    }
    servidor = s;
    return S_OK;
}

// The state and municipality connections.
#include <cerrno>
#include <cstdlib>

#include "platform/com/text.h"
#include "platform/inhouse/acesso/CConexaoEstado.h"
#include "platform/inhouse/acesso/CConexaoMunicipio.h"
#include "platform/inhouse/core/inhouse_guids.h"

namespace {

// Creates the connection's server and initialises it with the connection's session.
template <class Conexao>
HRESULT cria_inicializado(Conexao& c) {
    if (c.GetServidor()) return S_OK;
    if (HRESULT hr = c.CConexaoServidor::CriaServidor(); FAILED(hr)) return hr;
    auto* s = c.GetServidor();
    if (!s) return E_UNEXPECTED;
    try {
        const HRESULT hr = s->Inicializa(com::to_bstr(c.GetEmpresa()).get(), c.GetUsuario(), static_cast<LONG>(c.GetSessao()));
        if (FAILED(hr)) c.Finaliza();
        return hr;
    } catch (...) {
        c.Finaliza();
        return E_OUTOFMEMORY;
    }
}

template <class Conexao, class Servidor>
HRESULT servidor(Conexao& c, Servidor*& s) {
    if (HRESULT hr = c.CriaServidor(); FAILED(hr)) return hr;
    s = c.GetServidor();
    return s ? S_OK : E_UNEXPECTED;
}

}  // namespace

const CLSID* CConexaoEstado::ClasseServidor() const noexcept { return &inhouse::CLSID_EstadoServer; }
HRESULT CConexaoEstado::CriaServidor() { return cria_inicializado(*this); }

HRESULT CConexaoEstado::Le(long posicao, inhouse::REG_ESTADO* estado) {
    if (!estado) return E_POINTER;
    IQVEstados* s = nullptr;
    if (HRESULT hr = servidor(*this, s); FAILED(hr)) return hr;
    return s->Le(static_cast<LONG>(posicao), reinterpret_cast<BYTE*>(estado));
}

const CLSID* CConexaoMunicipio::ClasseServidor() const noexcept { return &inhouse::CLSID_MunicipioServer; }
HRESULT CConexaoMunicipio::CriaServidor() { return cria_inicializado(*this); }

HRESULT CConexaoMunicipio::Le(long posicao, _REG_MUNICIPIO_PS* municipio) {
    if (!municipio) return E_POINTER;
    IQVMunicipios* s = nullptr;
    if (HRESULT hr = servidor(*this, s); FAILED(hr)) return hr;
    return s->Le(static_cast<LONG>(posicao), reinterpret_cast<BYTE*>(municipio));
}

int CConexaoMunicipio::Existe(const char* codigo, WORD* posicao, _REG_MUNICIPIO_PS* municipio) {
    if (!codigo || !posicao || !municipio) return 0;
    *posicao = 0;
    *municipio = {};
    // Only a whole decimal number names a fiscal code; anything else finds nothing.
    char* fim = nullptr;
    errno = 0;
    const long numero = std::strtol(codigo, &fim, 10);
    if (fim == codigo || *fim != '\0' || errno == ERANGE) return 0;
    IQVMunicipios* s = nullptr;
    if (FAILED(servidor(*this, s))) return 0;
    if (s->Pesquisa(static_cast<LONG>(numero), posicao, reinterpret_cast<BYTE*>(municipio)) != S_OK || *posicao == 0) {
        *posicao = 0;
        *municipio = {};
        return 0;
    }
    return 1;
}

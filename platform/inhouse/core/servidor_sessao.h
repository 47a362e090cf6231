#pragma once
// The initialisation that most stand-in data servers share: the server's creation code hands
// them the caller's session, either as a record passed by value (QV_SESSAO_nn) or as its parts
// (company, user, session and, for some, a trailing value). The call goes into the fault plan
// ("bytes=..." for a record, "empresa=... usuario=... sessao=..." for the parts), and a scripted
// answer other than S_OK is returned as it is and leaves the server as it was.
#include <string>

#include "platform/com/text.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "platform/inhouse/core/stand_in.h"

namespace inhouse {

// A server initialised with a session record. It serves the company the record names; calls
// before the initialisation are the derived class's to refuse (m_inicializado).
template <class Self, class Itf, class Block>
class servidor_registro_sessao : public stand_in_object<Self, Itf> {
public:
    using stand_in_object<Self, Itf>::stand_in_object;

    HRESULT STDMETHODCALLTYPE Inicializa(Block sessao) noexcept override try {
        if (HRESULT hr = this->faults().enter("Inicializa", hex_bytes(&sessao, sizeof sessao)); hr != S_OK) return hr;
        m_empresa = empresa_sessao(sessao);
        m_inicializado = true;
        return S_OK;
    } catch (...) {
        return stand_in_failure();
    }

protected:
    std::string m_empresa;
    bool m_inicializado = false;
};

// A server initialised with the session's parts; `Valor` is empty, or LONG for the servers whose
// initialisation takes one more value (recorded as " valor=N").
template <class Self, class Itf, class... Valor>
class servidor_partes_sessao : public stand_in_object<Self, Itf> {
    static_assert(sizeof...(Valor) <= 1);

public:
    using stand_in_object<Self, Itf>::stand_in_object;

    HRESULT STDMETHODCALLTYPE Inicializa(BSTR empresa, WORD usuario, LONG sessao, Valor... valor) noexcept override try {
        std::string chave = com::from_bstr(empresa);
        std::string texto = descreve_sessao(chave, usuario, sessao);
        ((texto += " valor=" + std::to_string(valor)), ...);
        if (HRESULT hr = this->faults().enter("Inicializa", std::move(texto)); hr != S_OK) return hr;
        m_empresa = std::move(chave);
        m_inicializado = true;
        return S_OK;
    } catch (...) {
        return stand_in_failure();
    }

protected:
    // The company the initialisation named; calls before it are the derived class's to refuse.
    std::string m_empresa;
    bool m_inicializado = false;
};

}  // namespace inhouse

#pragma once
// The framework's proving data server: the company table through a custom interface.
#include "inhouse_prova.h"
#include "platform/inhouse/core/stand_in.h"

namespace inhouse {

class ProvaServer final : public stand_in_object<ProvaServer, IProvaServer> {
public:
    using stand_in_object::stand_in_object;

    HRESULT STDMETHODCALLTYPE Versao(LONG* versao) noexcept override;
    HRESULT STDMETHODCALLTYPE RazaoSocial(BSTR chave, BSTR* razao) noexcept override;
    HRESULT STDMETHODCALLTYPE GravaRazaoSocial(BSTR chave, BSTR razao) noexcept override;

private:
    ~ProvaServer() override = default;   // objects come only from com::make
};

}  // namespace inhouse

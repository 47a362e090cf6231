#pragma once
// The test probe: an error on demand on both error roads, and by-reference arguments of the
// kinds the system's interfaces declare.
#include "ZidizUviTeste.h"
#include "platform/com/object.h"

namespace teste {

inline constexpr GUID appid = {0xD7A3F002, 0x4C1E, 0x4F5A, {0x8B, 0x2D, 0x5A, 0x0C, 0x3E, 0x9F, 0x10, 0x00}};

class Sonda final : public com::object<Sonda, ISonda> {
public:
    static constexpr com::class_info info{&CLSID_Sonda, L"Sonda", 100, true};

    HRESULT STDMETHODCALLTYPE Vazio() noexcept override;
    HRESULT STDMETHODCALLTYPE Falha(LONG hr, BSTR bsTexto) noexcept override;
    HRESULT STDMETHODCALLTYPE FalhaNumerada(LONG lNumero, BSTR bsMensagem) noexcept override;
    HRESULT STDMETHODCALLTYPE Dobra(INT* piValor) noexcept override;
    HRESULT STDMETHODCALLTYPE Saudacao(BSTR* pbsNome) noexcept override;
    HRESULT STDMETHODCALLTYPE Conta(INT* piContagem, BSTR* pbsTexto) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Pid(LONG* plPid) noexcept override;
    HRESULT STDMETHODCALLTYPE Acentos(BSTR* pbsTexto) noexcept override;

private:
    ~Sonda() override = default;   // objects come only from com::make
};

}  // namespace teste

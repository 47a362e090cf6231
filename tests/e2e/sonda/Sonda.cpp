#include "tests/e2e/sonda/Sonda.h"

#include <string>

#include "platform/com/failure.h"
#include "platform/com/text.h"
#include "server/root/CWebErroBase.h"

namespace teste {

HRESULT Sonda::Vazio() noexcept { return S_OK; }

HRESULT Sonda::Falha(LONG hr, BSTR bsTexto) noexcept try {
    com::fail(com::from_bstr(bsTexto), hr);
} catch (...) {
    return report();
}

HRESULT Sonda::FalhaNumerada(LONG lNumero, BSTR bsMensagem) noexcept try {
    server::falha_numerada(std::to_string(lNumero) + "\t-\t" + com::from_bstr(bsMensagem),
                           server::hresult_mensagem(lNumero));
} catch (...) {
    return report();
}

HRESULT Sonda::Dobra(INT* piValor) noexcept {
    if (!piValor) return E_POINTER;
    *piValor *= 2;
    return S_OK;
}

HRESULT Sonda::Saudacao(BSTR* pbsNome) noexcept try {
    if (!pbsNome) return E_POINTER;
    auto text = com::to_bstr("Olá, " + com::from_bstr(*pbsNome));
    SysFreeString(*pbsNome);
    *pbsNome = text.release();
    return S_OK;
} catch (...) {
    return report();
}

HRESULT Sonda::Conta(INT* piContagem, BSTR* pbsTexto) noexcept try {
    if (!piContagem || !pbsTexto) return E_POINTER;
    auto text = com::to_bstr("três");
    *piContagem = 3;
    *pbsTexto = text.release();
    return S_OK;
} catch (...) {
    return report();
}

HRESULT Sonda::get_Pid(LONG* plPid) noexcept {
    if (!plPid) return E_POINTER;
    *plPid = static_cast<LONG>(GetCurrentProcessId());
    return S_OK;
}

HRESULT Sonda::Acentos(BSTR* pbsTexto) noexcept try {
    if (!pbsTexto) return E_POINTER;
    *pbsTexto = com::to_bstr("Usuário não tem acesso a nenhuma filial ativa. çãõÉ").release();
    return S_OK;
} catch (...) {
    return report();
}

}  // namespace teste

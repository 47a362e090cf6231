// The session's settings: the representative, the reports folder, the modules in use, the
// client's time limit.
#include <array>

#include "base/QVCaminhos.h"
#include "platform/com/out_param.h"
#include "server/holders/CSessaoGlobal.h"
#include "server/root/CQV_Inicializa.h"

namespace server {

namespace {

// The time a client waits for an answer, in seconds; a developer's machine waits longer.
constexpr int timeout_padrao = 60;
constexpr int timeout_desenvolvimento = 1000;

// The byte of TIPOS_VEVUREZE that says whether each module is in use.
enum byte_modulo : size_t {
    modulo_contabil = 12,
    modulo_gerenciador = 18,
    modulo_financeiro = 20,
    modulo_estoque = 22,
    modulo_comercial = 25,
    modulo_ged = 35,
};
static_assert(modulo_ged < std::tuple_size_v<CSessaoGlobal::tipos_vevureze>);

}  // namespace

HRESULT CQV_Inicializa::get_PosicaoRepresentante(LONG* pVal) noexcept try {
    return com::put_number(pVal, CSessaoGlobal::GetInstancia()->GetPosicaoRepresentante());
} catch (...) {
    return report();
}

HRESULT CQV_Inicializa::get_DiretorioRelatorios(BSTR* pVal) noexcept try {
    return com::put_text(pVal, QVGetPastaRelatorios());
} catch (...) {
    return report();
}

HRESULT CQV_Inicializa::flag_modulo(size_t byte, VARIANT_BOOL* pVal) noexcept {
    return com::put_bool(pVal, m_sessao.TIPOS_VEVUREZE[byte] != 0);
}

HRESULT CQV_Inicializa::get_PossuiTavonContabil(VARIANT_BOOL* pVal) noexcept { return flag_modulo(modulo_contabil, pVal); }

HRESULT CQV_Inicializa::get_PossuiTavonGerenciador(VARIANT_BOOL* pVal) noexcept {
    return flag_modulo(modulo_gerenciador, pVal);
}

HRESULT CQV_Inicializa::get_PossuiTavonFinanceiro(VARIANT_BOOL* pVal) noexcept {
    return flag_modulo(modulo_financeiro, pVal);
}

HRESULT CQV_Inicializa::get_PossuiTavonEstoque(VARIANT_BOOL* pVal) noexcept { return flag_modulo(modulo_estoque, pVal); }

HRESULT CQV_Inicializa::get_PossuiTavonComercial(VARIANT_BOOL* pVal) noexcept {
    return flag_modulo(modulo_comercial, pVal);
}

HRESULT CQV_Inicializa::get_PossuiTavonGED(VARIANT_BOOL* pVal) noexcept { return flag_modulo(modulo_ged, pVal); }

HRESULT CQV_Inicializa::IsDebugDev(VARIANT_BOOL* pvbDebug) noexcept { return com::put_bool(pvbDebug, false); }

HRESULT CQV_Inicializa::GetTimeout(INT* piTimeout) noexcept {
    VARIANT_BOOL debug = VARIANT_FALSE;
    IsDebugDev(&debug);
    return com::put_number(piTimeout, com::is_true(debug) ? timeout_desenvolvimento : timeout_padrao);
}

}  // namespace server

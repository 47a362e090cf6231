#include "masterdata/CTW_DF_Propriedades.h"

#include "base/QVDataCurta.h"
#include "inhouse_login.h"
#include "masterdata/conta_registro.h"
#include "masterdata/messages.h"
#include "masterdata/plano_contas.h"
#include "platform/com/com_ptr.h"
#include "platform/com/failure.h"
#include "platform/com/out_param.h"
#include "server/holders/CCacheServidores.h"
#include "server/holders/CPoolConexoes.h"

namespace masterdata {

namespace {

using periodo_fn = HRESULT (STDMETHODCALLTYPE IQVCN_MestreContabil::*)(WORD*);

// One period date of the accounting master as "dd/mm/yyyy". A master that could not be created
// is a failure with the date's own text, never a call through a null interface.
HRESULT periodo(periodo_fn le, const char* falha, BSTR* texto) {
    if (!texto) return E_POINTER;
    *texto = nullptr;
    WORD data = 0;
    {
        com::com_ptr<IQVCN_MestreContabil> mestre = server::CCacheServidores::GetInstancia()->GetServidorMestreContabil();
        if (!mestre) com::fail(falha);
        com::check((mestre.get()->*le)(&data), falha);
    }   // released before the failure reaches the reporter
    return com::put_text(texto, QVFormataData(data, true));
}

}  // namespace

HRESULT CTW_DF_Propriedades::GetUsaCodigoProprio(VARIANT_BOOL* pvbUsa) noexcept try {
    if (!pvbUsa) return E_POINTER;
    *pvbUsa = VARIANT_FALSE;
    CConexaoPlano& conexao = *server::CPoolConexoes::GetInstancia()->GetConexaoPlanoContabil();
    const bool usa = plano_contas::UtilizaCodigoProprio(servidor_plano(conexao, msg::buscar_configuracoes),
                                                        msg::buscar_configuracoes);
    return com::put_bool(pvbUsa, usa);
} catch (...) {
    return report();
}

HRESULT CTW_DF_Propriedades::GetPeriodoInicial(BSTR* pbsPeriodoInicial) noexcept try {
    return periodo(&IQVCN_MestreContabil::PeriodoInicial, msg::periodo_inicial, pbsPeriodoInicial);
} catch (...) {
    return report();
}

HRESULT CTW_DF_Propriedades::GetPeriodoFinal(BSTR* pbsPeriodoFinal) noexcept try {
    return periodo(&IQVCN_MestreContabil::PeriodoFinal, msg::periodo_final, pbsPeriodoFinal);
} catch (...) {
    return report();
}

}  // namespace masterdata

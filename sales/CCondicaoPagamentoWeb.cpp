#include "sales/CCondicaoPagamentoWeb.h"

#include "platform/com/out_param.h"
#include "platform/inhouse/core/registros_sessao.h"

namespace sales {

using inhouse::texto_campo;

HRESULT CCondicaoPagamentoWeb::get_Codigo(BSTR* pVal) noexcept { return com::put_text(pVal, texto_campo(m_registro.CodigoTexto)); }

HRESULT CCondicaoPagamentoWeb::get_Nome(BSTR* pVal) noexcept { return com::put_text(pVal, texto_campo(m_registro.Nome)); }

HRESULT CCondicaoPagamentoWeb::get_Posicao(LONG* pVal) noexcept {
    return com::put_number(pVal, static_cast<LONG>(m_registro.Posicao));
}

HRESULT CCondicaoPagamentoWeb::get_ComprasPodeUsar(VARIANT_BOOL* pVal) noexcept {
    return com::put_bool(pVal, m_registro.ComprasPodeUsar != 0);
}

}  // namespace sales

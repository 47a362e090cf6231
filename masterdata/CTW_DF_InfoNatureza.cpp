#include "masterdata/CTW_DF_InfoNatureza.h"

#include "platform/com/out_param.h"
#include "platform/com/text.h"
#include "platform/inhouse/acesso/QVAcesso.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "server/holders/CPoolConexoes.h"

namespace masterdata {

namespace {
// 3 January 2003: the natures are looked up as in force on that day, whatever today is.
constexpr WORD dia_consulta_natureza = 56617;
// What the natures connection passes for the module of the sale pages.
constexpr BYTE modulo_natureza = 13;
}  // namespace

HRESULT CTW_DF_InfoNatureza::SetDados(BSTR bsCodigo, BSTR bsFilial, VARIANT_BOOL* pvbSucesso) noexcept try {
    if (!pvbSucesso) return E_POINTER;
    *pvbSucesso = VARIANT_FALSE;
    // A look-up that finds nothing leaves nothing of an earlier one to read.
    m_natureza = {};
    server::CPoolConexoes& pool = *server::CPoolConexoes::GetInstancia();
    long posicao_filial = 0;
    inhouse::REG_FILIAL filial{};
    if (pool.GetConexaoFilial()->Existe(com::from_bstr(bsFilial).c_str(), &posicao_filial, &filial) == 0) return S_OK;
    WORD posicao = 0;
    const HRESULT hr = pool.GetConexaoNatureza()->Existe(com::from_bstr(bsCodigo).c_str(), dia_consulta_natureza,
                                                         static_cast<WORD>(posicao_filial), modulo_natureza,
                                                         &posicao, &m_natureza);
    // Found: a nature at a register position; a failed call finds nothing.
    if (SUCCEEDED(hr) && posicao != 0) *pvbSucesso = VARIANT_TRUE;
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_DF_InfoNatureza::GetPonteiro(USHORT* pusPonteiro) noexcept try {
    return com::put_number(pusPonteiro, m_natureza.posicao);
} catch (...) {
    return report();
}

HRESULT CTW_DF_InfoNatureza::GetIntegraFinanceiro(VARIANT_BOOL* pvbIntegra) noexcept try {
    return com::put_bool(pvbIntegra, m_natureza.integracao_financeiro == 1);
} catch (...) {
    return report();
}

HRESULT CTW_DF_InfoNatureza::GetNome(BSTR* pbsNome) noexcept try {
    return com::put_text(pbsNome, inhouse::texto_campo(m_natureza.nome));
} catch (...) {
    return report();
}

}  // namespace masterdata

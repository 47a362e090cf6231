#include "masterdata/CTW_DF_ListaMunicipios.h"

#include <algorithm>
#include <cstring>

#include "masterdata/messages.h"
#include "platform/com/failure.h"
#include "platform/com/out_param.h"
#include "platform/com/text.h"
#include "server/holders/CPoolConexoes.h"

namespace masterdata {

namespace {
CConexaoMunicipio& conexao() { return *server::CPoolConexoes::GetInstancia()->GetConexaoMunicipio(); }
}  // namespace

HRESULT CTW_DF_ListaMunicipios::SetUf(BSTR bsUf) noexcept try {
    std::string uf = com::from_bstr(bsUf);
    if (uf == m_sUf) return S_OK;
    m_sUf = std::move(uf);
    m_Municipios.clear();
    m_ulQuantidade = 0;
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_DF_ListaMunicipios::BuscaPonteiros(ULONG* pulQuantidade) noexcept try {
    if (!pulQuantidade) return E_POINTER;
    *pulQuantidade = 0;
    if (m_ulQuantidade > 0) {
        *pulQuantidade = m_ulQuantidade;
        return S_OK;
    }
    CConexaoMunicipio& c = conexao();
    com::check(c.CriaServidor(), msg::ler_municipios);
    LONG quantidade = 0;
    com::check(c.GetServidor()->Quantidade(&quantidade), msg::ler_municipios);
    std::vector<m_Municipio> municipios;
    for (LONG p = 1; p <= quantidade; ++p) {
        // A municipality that cannot be read fails the list rather than showing empty.
        _REG_MUNICIPIO_PS r{};
        const HRESULT hr = c.Le(p, &r);
        com::check(hr, msg::ler_municipios);
        if (hr != S_OK) com::fail(msg::ler_municipios, E_UNEXPECTED);
        const std::string uf(r.uf, strnlen(r.uf, sizeof r.uf));
        if (!m_sUf.empty() && uf != m_sUf) continue;
        municipios.push_back({std::string(r.nome, strnlen(r.nome, sizeof r.nome)), uf, r.codigo_fiscal});
    }
    m_Municipios = std::move(municipios);
    m_ulQuantidade = static_cast<ULONG>(m_Municipios.size());
    *pulQuantidade = m_ulQuantidade;
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_DF_ListaMunicipios::LePosicao(ULONG ulPosArray) noexcept try {
    if (ulPosArray >= m_ulQuantidade) return E_INVALIDARG;
    m_Atual = m_Municipios[ulPosArray];
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_DF_ListaMunicipios::GetCodigo(LONG* p) noexcept { return com::put_number(p, m_Atual.codigo); }
HRESULT CTW_DF_ListaMunicipios::GetNome(BSTR* p) noexcept { return com::put_text(p, m_Atual.nome); }
HRESULT CTW_DF_ListaMunicipios::GetUf(BSTR* p) noexcept { return com::put_text(p, m_Atual.uf); }

// The municipality found becomes current by its fiscal code: its register position does not
// name its index in a list filtered by state.
HRESULT CTW_DF_ListaMunicipios::GetMunicipio(BSTR bsCodigo, VARIANT_BOOL* pvbExiste) noexcept try {
    if (!pvbExiste) return E_POINTER;
    *pvbExiste = VARIANT_FALSE;
    const std::string codigo = com::from_bstr(bsCodigo);
    WORD posicao = 0;
    _REG_MUNICIPIO_PS r{};
    if (conexao().Existe(codigo.c_str(), &posicao, &r) != 1 || m_ulQuantidade == 0) return S_OK;
    const auto it = std::find_if(m_Municipios.begin(), m_Municipios.end(),
                                 [&](const m_Municipio& m) { return m.codigo == r.codigo_fiscal; });
    if (it == m_Municipios.end()) return S_OK;
    m_Atual = *it;
    *pvbExiste = VARIANT_TRUE;
    return S_OK;
} catch (...) {
    return report();
}

// The list keeps register order whatever is asked.
HRESULT CTW_DF_ListaMunicipios::SetOrdenacao(USHORT) noexcept { return S_OK; }

}  // namespace masterdata

#include "masterdata/CTW_DF_ListaEstados.h"

#include <algorithm>
#include <cstring>

#include "masterdata/messages.h"
#include "platform/com/failure.h"
#include "platform/com/out_param.h"
#include "server/holders/CPoolConexoes.h"

namespace masterdata {

HRESULT CTW_DF_ListaEstados::BuscaPonteiros(ULONG* pulQuantidade) noexcept try {
    if (!pulQuantidade) return E_POINTER;
    *pulQuantidade = 0;
    if (m_ulQuantidade > 0) {
        *pulQuantidade = m_ulQuantidade;
        return S_OK;
    }
    CConexaoEstado& conexao = *server::CPoolConexoes::GetInstancia()->GetConexaoEstado();
    com::check(conexao.CriaServidor(), msg::ler_estados);
    WORD quantidade = 0;
    com::check(conexao.GetServidor()->Quantidade(&quantidade), msg::ler_estados);
    std::vector<std::string> siglas(quantidade);
    for (WORD p = 1; p <= quantidade; ++p) {
        // A state that cannot be read fails the list rather than showing as an empty abbreviation.
        inhouse::REG_ESTADO estado{};
        const HRESULT hr = conexao.Le(p, &estado);
        com::check(hr, msg::ler_estados);
        if (hr != S_OK) com::fail(msg::ler_estados, E_UNEXPECTED);
        siglas[p - 1].assign(estado.sigla, strnlen(estado.sigla, sizeof estado.sigla));
    }
    std::sort(siglas.begin(), siglas.end());   // byte order: "DF" before "df"
    m_Siglas = std::move(siglas);
    m_ulQuantidade = static_cast<ULONG>(m_Siglas.size());
    *pulQuantidade = m_ulQuantidade;
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_DF_ListaEstados::LeUf(ULONG ulPosArray, BSTR* pbsUf) noexcept try {
    if (!pbsUf) return E_POINTER;
    *pbsUf = nullptr;
    if (ulPosArray >= m_ulQuantidade) return E_INVALIDARG;
    return com::put_text(pbsUf, m_Siglas[ulPosArray]);
} catch (...) {
    return report();
}

}  // namespace masterdata

#include "masterdata/CTW_DF_InfoCliente.h"

#include <string>

#include "masterdata/messages.h"
#include "platform/com/failure.h"
#include "platform/com/out_param.h"
#include "platform/com/text.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "server/holders/CBufferCFRT.h"
#include "server/holders/CCacheServidores.h"
#include "server/holders/CPoolConexoes.h"

namespace masterdata {

using inhouse::texto_campo;

namespace {
CBufferCFRT& buffer_cfrt() {
    CBufferCFRT& buffer = *server::CCacheServidores::GetInstancia()->GetBufferCFRT();
    buffer.Retoma();   // its failure shows in the read that follows
    return buffer;
}
}  // namespace

HRESULT CTW_DF_InfoCliente::SetDados(BSTR bsCodigo, VARIANT_BOOL* pvbSucesso) noexcept try {
    if (!pvbSucesso) return E_POINTER;
    *pvbSucesso = VARIANT_FALSE;
    const std::string codigo = com::from_bstr(bsCodigo);
    if (!server::CPoolConexoes::GetInstancia()->GetConexaoCliente()->Existe(codigo.c_str(), &m_registro)) return S_OK;
    // A customer found but not read is a failure: its answers would be another's or none.
    QVCFRT lido{};
    lido.posicao_plano = m_registro.posicao_plano;
    const HRESULT hr = buffer_cfrt().Le(&lido, 0);
    if (hr != S_OK) {
        m_registro = QVCFRT{};
        com::fail(msg::ler_cfrt, FAILED(hr) ? hr : E_FAIL);
    }
    m_registro = lido;
    *pvbSucesso = VARIANT_TRUE;
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_DF_InfoCliente::GetNome(BSTR* pbsValor) noexcept { return com::put_text(pbsValor, texto_campo(m_registro.nome)); }

HRESULT CTW_DF_InfoCliente::GetEndereco(BSTR* pbsValor) noexcept try {
    return com::put_text(pbsValor, std::string(texto_campo(m_registro.rua)) + ", " + std::to_string(m_registro.numero) +
                                       " - Bairro: " + std::string(texto_campo(m_registro.bairro)));
} catch (...) {
    return report();
}

HRESULT CTW_DF_InfoCliente::GetCEP(BSTR* pbsValor) noexcept { return com::put_text(pbsValor, texto_campo(m_registro.cep)); }

HRESULT CTW_DF_InfoCliente::GetUf(BSTR* pbsValor) noexcept { return com::put_text(pbsValor, texto_campo(m_registro.uf)); }

HRESULT CTW_DF_InfoCliente::GetCodigoTransportadora(BSTR* pbsValor) noexcept try {
    if (!pbsValor) return E_POINTER;
    *pbsValor = nullptr;
    QVCFRT transportadora{};
    transportadora.posicao_plano = m_registro.posicao_transportadora;
    // A carrier that cannot be read has no code.
    if (transportadora.posicao_plano == 0 ||
        buffer_cfrt().Le(&transportadora, 0) != S_OK)
        return com::put_text(pbsValor, "");
    return com::put_text(pbsValor, texto_campo(transportadora.codigo));
} catch (...) {
    return report();
}

HRESULT CTW_DF_InfoCliente::GetPosicaoTabPrecos(BSTR* pbsValor) noexcept try {
    return com::put_text(pbsValor, std::to_string(m_registro.tabela_preco_produtos));
} catch (...) {
    return report();
}

HRESULT CTW_DF_InfoCliente::GetPosicaoTipoCobranca(BSTR* pbsValor) noexcept try {
    return com::put_text(pbsValor, std::to_string(m_registro.tipo_cobranca));
} catch (...) {
    return report();
}

HRESULT CTW_DF_InfoCliente::GetPosicaoFormaPagamento(BSTR* pbsValor) noexcept try {
    return com::put_text(pbsValor, std::to_string(m_registro.forma_pagamento));
} catch (...) {
    return report();
}

HRESULT CTW_DF_InfoCliente::GetPosicaoCondicaoPagamento(BSTR* pbsValor) noexcept try {
    return com::put_text(pbsValor, std::to_string(m_registro.condicao_pagamento));
} catch (...) {
    return report();
}

HRESULT CTW_DF_InfoCliente::GetMunicipio(BSTR* pbsValor) noexcept try {
    if (!pbsValor) return E_POINTER;
    *pbsValor = nullptr;
    _REG_MUNICIPIO_PS municipio{};
    if (server::CPoolConexoes::GetInstancia()->GetConexaoMunicipio()->Le(m_registro.posicao_municipio, &municipio) != S_OK)
        return com::put_text(pbsValor, "");
    return com::put_text(pbsValor, texto_campo(municipio.nome));
} catch (...) {
    return report();
}

}  // namespace masterdata

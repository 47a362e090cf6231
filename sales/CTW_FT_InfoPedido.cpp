#include "sales/CTW_FT_InfoPedido.h"

#include "platform/com/failure.h"
#include "platform/com/out_param.h"
#include "platform/inhouse/cfrt/QVCFRT.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "sales/mes_atual.h"
#include "sales/messages.h"
#include "server/holders/CCacheServidores.h"
#include "server/holders/CPoolConexoes.h"
#include "server/holders/CSessaoGlobal.h"

namespace sales {

namespace {
// Byte of the commercial parameter record: quantities must match the packaging.
constexpr size_t quantidades_embalagem = 365;
}  // namespace

HRESULT CTW_FT_InfoPedido::GetNumero(BSTR* pbsNumero) noexcept try {
    if (!pbsNumero) return E_POINTER;
    *pbsNumero = nullptr;
    const mes_atual hoje = le_mes_atual();
    LONG sequencia = 0;
    // A number that cannot be had is not shown as the month's first: the page would offer a
    // number that is taken.
    com::com_ptr<IQVFT_Pedidos> pedidos = server::CCacheServidores::GetInstancia()->GetServidorPedidos();
    if (!pedidos) com::fail(msg::numero_pedido, E_FAIL);
    const HRESULT hr = pedidos->NumeroMes(hoje.indice, &sequencia);
    if (FAILED(hr)) com::fail(msg::numero_pedido, hr);
    if (sequencia == 0) sequencia = 1;
    return com::put_text(pbsNumero, numero_pedido(hoje.mes, hoje.ano, static_cast<uint32_t>(sequencia)));
} catch (...) {
    return report();
}

HRESULT CTW_FT_InfoPedido::GetNomeRepresentante(BSTR* pbsRepresentante) noexcept try {
    if (!pbsRepresentante) return E_POINTER;
    *pbsRepresentante = nullptr;
    const unsigned short posicao = server::CSessaoGlobal::GetInstancia()->GetPosicaoRepresentante();
    if (posicao == 0) return com::put_text(pbsRepresentante, "");
    // An account that cannot be read leaves the zeroed record: an empty name.
    _RegContaPS conta{};
    server::CPoolConexoes::GetInstancia()->GetConexaoPlano()->Le(posicao, &conta);
    return com::put_text(pbsRepresentante, inhouse::texto_campo(conta.nome));
} catch (...) {
    return report();
}

HRESULT CTW_FT_InfoPedido::QuantidadesCondizentesEmbalagem(VARIANT_BOOL* pvbRetorno) noexcept try {
    if (!pvbRetorno) return E_POINTER;
    *pvbRetorno = VARIANT_FALSE;
    BYTE* parametros = nullptr;
    com::com_ptr<IQVFT_MestreComercial> mestre = server::CCacheServidores::GetInstancia()->GetServidorMestreComercial();
    if (!mestre) com::fail(msg::inicializar_comercial, E_FAIL);
    // The record stays the server's: read while the reference is held.
    const HRESULT hr = mestre->Parametros(&parametros);
    if (FAILED(hr)) com::fail(msg::inicializar_comercial, hr);
    return com::put_bool(pvbRetorno, parametros && parametros[quantidades_embalagem] != 0);
} catch (...) {
    return report();
}

}  // namespace sales

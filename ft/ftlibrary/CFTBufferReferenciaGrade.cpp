#include "ft/ftlibrary/CFTBufferReferenciaGrade.h"

#include <objbase.h>

#include <cstring>

void CFTBufferReferenciaGrade::LeProduto(const _REG_POSICAO_PRODUTOPS& posicao, _REG_PRODUTOPS& produto) {
    if (FAILED(m_Produto.LeProduto(static_cast<uint32_t>(posicao.Produto), produto))) {
        std::memset(&produto, 0, sizeof produto);
        return;
    }
    if (posicao.Grade1 == 0) return;
    _REG_REFERENCIA_GRADEPS referencia{};
    if (FAILED(LeReferencia(posicao, referencia))) return;
    auto* bytes = reinterpret_cast<uint8_t*>(&produto);
    if (referencia.peso_bruto != 0) std::memcpy(bytes + 24, &referencia.peso_bruto, 8);
    if (referencia.peso_liquido != 0) std::memcpy(bytes + 32, &referencia.peso_liquido, 8);
}

HRESULT CFTBufferReferenciaGrade::LeReferencia(const _REG_POSICAO_PRODUTOPS& posicao,
                                               _REG_REFERENCIA_GRADEPS& referencia) {
    if (posicao.Produto == 0) {
        std::memset(&referencia, 0, sizeof referencia);
        return S_OK;
    }
    return Le(posicao, referencia);
}

HRESULT CFTBufferReferenciaGrade::Carrega(_REG_POSICAO_PRODUTOPS posicao, _REG_REFERENCIA_GRADEPS& referencia) {
    auto& gerenciador = Gerenciador();
    if (const HRESULT hr = gerenciador.Prepara(); FAILED(hr)) return hr;
    QV_REFERENCIA_GRADE_86 pedido{};
    _REG_REFERENCIA_GRADEPS chave{};
    chave.produto = posicao.Produto;
    chave.item1 = posicao.Grade1;
    chave.item2 = posicao.Grade2;
    chave.item3 = posicao.Grade3;
    std::memcpy(pedido.dados, &chave, sizeof chave);
    RESPOSTA_REFERENCIAS_GRADE resposta{};
    const HRESULT hr = gerenciador.Interface()->ReferenciasGrade(pedido, reinterpret_cast<BYTE*>(&resposta));
    if (FAILED(hr)) gerenciador.Reporta(hr, 345482, "FTBufferReferenciaGrade", 61);
    if (resposta.quantidade > 0 && resposta.registros) referencia = resposta.registros[0];
    else std::memset(&referencia, 0, sizeof referencia);
    if (resposta.registros) CoTaskMemFree(resposta.registros);
    return hr;
}

#pragma once
// The grid-reference cache: the grid reference of a product position (its own unit weights) read
// from the product server's entry 125 on a miss, and the product read by position, which takes a
// grid reference's non-zero weights over the product's own. Its product cache and that cache's
// manager of the product server also serve the item-information cache.
#include <windows.h>

#include "ft/ftlibrary/CFTBufferProduto.h"
#include "ft/ftlibrary/CFTBufferRegistros.h"
#include "ft/ftlibrary/registros_pedido.h"
#include "platform/inhouse/produtos/registros_referencia.h"

// The product-position key: the product and its three grid items.
struct tracos_posicao_produto {
    static uint32_t hash(const _REG_POSICAO_PRODUTOPS& p) noexcept {
        const uint32_t grades = (uint32_t{p.Grade1} * 31u + p.Grade2) * 31u + p.Grade3;
        return QVHashMinimoPadrao((static_cast<uint32_t>(p.Produto) ^ (grades * 2654435761u)) & 0x7FFFFFFEu);
    }
    static bool iguais(const _REG_POSICAO_PRODUTOPS& a, const _REG_POSICAO_PRODUTOPS& b) noexcept {
        return a.Produto == b.Produto && a.Grade1 == b.Grade1 && a.Grade2 == b.Grade2 && a.Grade3 == b.Grade3;
    }
};

class CFTBufferReferenciaGrade
    : public CFTBufferRegistros<_REG_POSICAO_PRODUTOPS, _REG_REFERENCIA_GRADEPS, tracos_posicao_produto> {
public:
    void Inicializa(const std::string& empresa, WORD usuario, LONG sessao) { m_Produto.Inicializa(empresa, usuario, sessao); }

    // The product of the position, with the grid reference's non-zero weights (bytes 24 and 32).
    // A failed read is not passed on: the record then stays zero-filled.
    void LeProduto(const _REG_POSICAO_PRODUTOPS& posicao, _REG_PRODUTOPS& produto);
    // A product of 0 gives a zero-filled record and 0.
    HRESULT LeReferencia(const _REG_POSICAO_PRODUTOPS& posicao, _REG_REFERENCIA_GRADEPS& referencia);
    HRESULT Carrega(_REG_POSICAO_PRODUTOPS posicao, _REG_REFERENCIA_GRADEPS& referencia) override;
    void Limpa() override {
        CFTBufferRegistros::Limpa();
        m_Produto.Limpa();
    }

    CFTGerenciadorProduto& Gerenciador() noexcept { return m_Produto.m_Gerenciador; }

    CFTBufferProduto m_Produto;
};

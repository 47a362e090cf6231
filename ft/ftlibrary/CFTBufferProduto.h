#pragma once
// The product cache: product records by 32-bit product pointer, read from the product server
// (IQVDF_Produto) on a miss. Product 0 is no product: a zero-filled record and no call.
#include <windows.h>

#include <cstdint>
#include <string>

#include "ft/ftlibrary/CFTBufferRegistros.h"
#include "ft/ftlibrary/CFTGerenciadorInterface.h"
#include "inhouse_produtos.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "platform/inhouse/produtos/registros_produto.h"

inline constexpr long FTBufferProduto_Mensagem = 24;

using CFTGerenciadorProduto = CFTGerenciadorInterface<IQVDF_Produto, inhouse::CLSID_ProdutoServer, FTBufferProduto_Mensagem>;

class CFTBufferProduto : public CFTBufferRegistros<uint32_t, _REG_PRODUTOPS> {
public:
    void Inicializa(const std::string& empresa, WORD usuario, LONG sessao) { m_Gerenciador.Configura(empresa, usuario, sessao); }
    HRESULT Carrega(uint32_t produto, _REG_PRODUTOPS& registro) override;
    // Product 0 gives a zero-filled record without asking anyone.
    HRESULT LeProduto(uint32_t produto, _REG_PRODUTOPS& registro);

    CFTGerenciadorProduto m_Gerenciador;
};

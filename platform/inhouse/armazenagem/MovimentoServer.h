#pragma once
// The stock-movement server (IQVES_Movimento): a product's balances per storage place of a branch,
// over the store's estoque_saldo rows. Calls before Inicializa answer QV_E_NAO_INICIALIZADO.
#include <vector>

#include "inhouse_armazenagem.h"
#include "platform/inhouse/armazenagem/registros_armazenagem.h"
#include "platform/inhouse/core/servidor_sessao.h"

namespace inhouse {

class MovimentoServer final : public servidor_partes_sessao<MovimentoServer, IQVES_Movimento> {
public:
    using servidor_partes_sessao::servidor_partes_sessao;

    ZU_RESERVADO(4) ZU_RESERVADO(5) ZU_RESERVADO(6) ZU_RESERVADO(7) ZU_RESERVADO(8) ZU_RESERVADO(9) ZU_RESERVADO(10)
    ZU_RESERVADO(11) ZU_RESERVADO(12) ZU_RESERVADO(13) ZU_RESERVADO(14) ZU_RESERVADO(15) ZU_RESERVADO(16)
    ZU_RESERVADO(17) ZU_RESERVADO(18) ZU_RESERVADO(19) ZU_RESERVADO(20) ZU_RESERVADO(21) ZU_RESERVADO(22)
    ZU_RESERVADO(23) ZU_RESERVADO(24) ZU_RESERVADO(25) ZU_RESERVADO(26) ZU_RESERVADO(27) ZU_RESERVADO(28)
    ZU_RESERVADO(29) ZU_RESERVADO(30) ZU_RESERVADO(31) ZU_RESERVADO(32) ZU_RESERVADO(33) ZU_RESERVADO(34)
    ZU_RESERVADO(35) ZU_RESERVADO(36) ZU_RESERVADO(37) ZU_RESERVADO(38) ZU_RESERVADO(39) ZU_RESERVADO(40)
    ZU_RESERVADO(41) ZU_RESERVADO(42) ZU_RESERVADO(43)
    HRESULT STDMETHODCALLTYPE QuantidadeSaldosLocais(QV_CHAVE_PRODUTO_10 produto, WORD filial, LONG tipos, LONG opcao,
                                                     LONG* quantidade, LONG zero) noexcept override;
    ZU_RESERVADO(45)
    HRESULT STDMETHODCALLTYPE SaldosLocais(LONG quantidade, BYTE* saldos) noexcept override;

private:
    ~MovimentoServer() override = default;   // objects come only from com::make
    std::vector<REG_SALDO_LOCAL> m_saldos;     // the places of the last count
};

}  // namespace inhouse

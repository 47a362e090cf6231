#pragma once
// The quotation server of the suppliers' answers (IQVCP_CotacaoFornecedor) over the store's
// cotacao, cotacao_item, cotacao_fornecedor, cotacao_resposta and cotacao_resposta_parcela.
// The key check needs no initialisation; reading and saving answer QV_E_NAO_INICIALIZADO before
// Inicializa. The ticket of a key is its supplier row: Grava saves for that supplier only.
#include "inhouse_cotacoes.h"
#include "platform/inhouse/core/servidor_sessao.h"

namespace inhouse {

class CotacaoFornecedorServer final
    : public servidor_registro_sessao<CotacaoFornecedorServer, IQVCP_CotacaoFornecedor, QV_SESSAO_262> {
public:
    using servidor_registro_sessao::servidor_registro_sessao;

    HRESULT STDMETHODCALLTYPE ValidaChave(GUID chave, LONG* ticket, BYTE* bloco) noexcept override;
    HRESULT STDMETHODCALLTYPE LeCotacao(ULONG numero, BYTE* registro) noexcept override;
    HRESULT STDMETHODCALLTYPE Grava(LONG ticket, LONG quantidade, BYTE* itens, LONG fornecedor,
                                    QV_FORNECEDOR_COTACAO_126 entrada) noexcept override;

private:
    ~CotacaoFornecedorServer() override = default;   // objects come only from com::make
};

}  // namespace inhouse

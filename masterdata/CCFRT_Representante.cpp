#include "masterdata/CCFRT_Representante.h"

#include "platform/com/failure.h"
#include "platform/com/text.h"
#include "platform/inhouse/core/registros_sessao.h"

namespace masterdata {

void CCFRT_Representante::SetDados(long posicao, const QVCFRT& r) {
    using inhouse::texto_campo;
    m_lPosicao = posicao;
    com::check(put_Classificacao(com::to_bstr(texto_campo(r.classificacao)).get()), "");
    com::check(put_CNPJ_CPF(com::to_bstr(texto_campo(r.cnpj_cpf)).get()), "");
    com::check(put_Nome(com::to_bstr(texto_campo(r.nome)).get()), "");
    com::check(put_CodigoProprio(com::to_bstr(texto_campo(r.codigo)).get()), "");
    // The record's person kind: 'F' a natural person, 'J' a legal one.
    com::check(put_TipoPessoa(com::to_bstr(std::string(r.pessoa ? 1 : 0, r.pessoa)).get()), "");
    put_TabelaDePrecosProdutos(r.tabela_preco_produtos);
    put_TabelaDePrecosServicos(r.tabela_preco_servicos);
}

}  // namespace masterdata

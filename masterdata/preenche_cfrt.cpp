#include "masterdata/preenche_cfrt.h"

#include <cstring>
#include <string_view>

#include "platform/com/failure.h"
#include "platform/com/text.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "server/holders/CBufferCFRT.h"

namespace masterdata {

namespace {

using inhouse::texto_campo;

// The byte of the customer's extra information that holds the freight letter.
constexpr size_t info_extras_frete = 248;
// The main e-mail's text inside the record.
constexpr size_t deslocamento_email_principal = 0x1E0;
constexpr size_t largura_email_principal = 0x3D8 - 0x1E0;

template <class Obj>
void poe(Obj& objeto, HRESULT (STDMETHODCALLTYPE Obj::*put)(BSTR), std::string_view texto) {
    com::check((objeto.*put)(com::to_bstr(texto).get()), "");
}

template <class Pessoa>
void situacao(Pessoa& pessoa, const QVCFRT& r) {
    const bool ativo = r.situacao == 'A';
    pessoa.SetSituacao(ativo, ativo ? r.data_situacao_ativo : r.data_situacao_inativo);
    pessoa.SetClienteDesde(r.cliente_desde);
    pessoa.SetVendaBloqueada(r.bloqueado_venda);
}

template <class Pessoa>
void comuns(Pessoa& p, const QVCFRT& r, const categorias_lidas& categorias) {
    using P = Pessoa;
    poe<P>(p, &P::put_Nome, texto_campo(r.nome));
    poe<P>(p, &P::put_Classificacao, texto_campo(r.classificacao));
    poe<P>(p, &P::put_TipoPessoa, std::string(r.pessoa ? 1 : 0, r.pessoa));
    poe<P>(p, &P::put_CNPJ_CPF, texto_campo(r.cnpj_cpf));
    poe<P>(p, &P::put_CodigoProprio, texto_campo(r.codigo));
    p.put_TabelaDePrecosProdutos(r.tabela_preco_produtos);
    p.put_TabelaDePrecosServicos(r.tabela_preco_servicos);
    const auto* bytes = reinterpret_cast<const char*>(&r);
    poe<P>(p, &P::put_EmailPrincipal, texto_campo(bytes + deslocamento_email_principal, largura_email_principal));

    CCFRT_Endereco& e = p.Endereco();
    using E = CCFRT_Endereco;
    poe<E>(e, &E::put_Rua, texto_campo(r.rua));
    e.put_Numero(r.numero);
    poe<E>(e, &E::put_Complemento, texto_campo(r.complemento));
    poe<E>(e, &E::put_Bairro, texto_campo(r.bairro));
    poe<E>(e, &E::put_CEP, texto_campo(r.cep));
    poe<E>(e, &E::put_Email, texto_campo(reinterpret_cast<const char*>(r.info_extras), sizeof r.info_extras));
    poe<E>(e, &E::put_Contato, texto_campo(r.contato_endereco));
    poe<E>(e, &E::put_UF, texto_campo(r.uf));
    poe<E>(e, &E::put_DDD, texto_campo(r.ddd));
    poe<E>(e, &E::put_Telefone, texto_campo(r.telefone));
    e.put_CodigoMunicipio(r.posicao_municipio);

    // A later category with the same code wins.
    for (const _REG_CATEGORIAS_PS& c : categorias) {
        const std::string_view nome = texto_campo(c.nome);
        if (c.codigo == r.categoria)
            poe<P>(p, &P::put_Porte, nome);
        else if (c.codigo == r.categoria_tipo)
            poe<P>(p, &P::put_Tipo, nome);
        else if (c.codigo == r.categoria_regiao)
            poe<P>(p, &P::put_Regiao, nome);
    }
}

}  // namespace

void PreencheCliente(CCFRT_Cliente& cliente, const QVCFRT& r, CBufferCFRT& buffer, const categorias_lidas& categorias) {
    poe(cliente, &CCFRT_Cliente::put_InscricaoEstadual, texto_campo(r.inscricao_estadual));
    cliente.put_Representante(r.representante);
    situacao(cliente, r);
    cliente.SetPagamento(r.condicao_pagamento, r.forma_pagamento, r.tipo_cobranca);

    std::array<uint8_t, QV_CFRT_TAMANHO_INFO_EXTRAS> extras{};
    buffer.LeInfoExtras(r.chave_info_extras, extras.data());
    cliente.SetFretePorConta(extras[info_extras_frete]);
    QVCFRT transportadora{};
    transportadora.posicao_plano = r.posicao_transportadora;
    // A carrier that cannot be read has no own code.
    if (r.posicao_transportadora != 0 && buffer.Le(&transportadora, 0) == S_OK)
        cliente.SetTransportadora(std::string(texto_campo(transportadora.codigo)));

    comuns(cliente, r, categorias);
}

void PreencheFornecedor(CCFRT_Fornecedor& fornecedor, const QVCFRT& r, const categorias_lidas& categorias) {
    poe(fornecedor, &CCFRT_Fornecedor::put_InscricaoEstadual, texto_campo(r.inscricao_estadual));
    situacao(fornecedor, r);
    comuns(fornecedor, r, categorias);
}

}  // namespace masterdata

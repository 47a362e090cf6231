#pragma once
// The commercial operations server (IQVDF_OperacoesComerciais) over the store: the company's
// operations by note type and what each suggests. Calls before Inicializa answer
// QV_E_NAO_INICIALIZADO.
#include "inhouse_opcomerciais.h"
#include "platform/inhouse/core/servidor_sessao.h"

namespace inhouse {

class OpComerciaisServer final : public servidor_partes_sessao<OpComerciaisServer, IQVDF_OperacoesComerciais> {
public:
    using servidor_partes_sessao::servidor_partes_sessao;

    HRESULT STDMETHODCALLTYPE Le(WORD posicao, LONG opcao, BYTE* registro) noexcept override;
    HRESULT STDMETHODCALLTYPE Existe(BSTR codigo, LONG* posicao, BYTE* registro) noexcept override;
    HRESULT STDMETHODCALLTYPE Posicoes(BYTE tipo_nf, LONG* quantidade, DWORD** posicoes) noexcept override;
    HRESULT STDMETHODCALLTYPE TipoOperacao(LONG operacao, BSTR uf_filial, BSTR uf_cliente, BSTR pais_cliente,
                                           BSTR produto, BYTE* resposta) noexcept override;

private:
    ~OpComerciaisServer() override = default;   // objects come only from com::make
};

}  // namespace inhouse

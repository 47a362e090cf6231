#pragma once
// The payment-condition server (IQVDF_Materiais) over the store: the company's conditions by
// position, by code and as a list of a module, and a condition's instalment rows. Calls before
// Inicializa answer QV_E_NAO_INICIALIZADO.
#include "inhouse_condicoes.h"
#include "platform/inhouse/core/servidor_sessao.h"

namespace inhouse {

inline constexpr HRESULT QV_E_CONDICAO_DESCONHECIDA = static_cast<HRESULT>(0x80040320u);

class CondicoesServer final : public servidor_partes_sessao<CondicoesServer, IQVDF_Materiais> {
public:
    using servidor_partes_sessao::servidor_partes_sessao;

    ZU_RESERVADO(04)
    HRESULT STDMETHODCALLTYPE Le(LONG posicao, BYTE* registro) noexcept override;
    HRESULT STDMETHODCALLTYPE Existe(BSTR codigo, WORD* posicao, BYTE* registro) noexcept override;
    HRESULT STDMETHODCALLTYPE Quantidade(WORD* quantidade) noexcept override;
    ZU_RESERVADO(08)
    ZU_RESERVADO(09)
    ZU_RESERVADO(10)
    HRESULT STDMETHODCALLTYPE LeParcelas(WORD chave, WORD quantidade, BYTE* linhas) noexcept override;
    ZU_RESERVADO(12)
    HRESULT STDMETHODCALLTYPE BuscaPonteiros(WORD quantidade, LONG opcao, LONG modulo, WORD* lidos,
                                             BYTE* registros) noexcept override;

private:
    ~CondicoesServer() override = default;   // objects come only from com::make
};

}  // namespace inhouse

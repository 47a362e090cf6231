#pragma once
// The operation natures server (IQVDF_Naturezas) over the store: the company's CFOP natures with
// the branch, type, module and products/services they serve and the day from which they are in
// force. Calls before Inicializa answer QV_E_NAO_INICIALIZADO.
#include <string>
#include <vector>

#include "inhouse_naturezas.h"
#include "platform/inhouse/core/servidor_sessao.h"
#include "platform/inhouse/naturezas/registros_natureza.h"

namespace inhouse {

class NaturezasServer final : public servidor_partes_sessao<NaturezasServer, IQVDF_Naturezas> {
public:
    using servidor_partes_sessao::servidor_partes_sessao;

    HRESULT STDMETHODCALLTYPE LeNatureza(LONG posicao, WORD dia, BYTE modulo, BYTE* registro) noexcept override;
    HRESULT STDMETHODCALLTYPE ExisteNatureza(BSTR codigo, WORD dia, WORD filial, BYTE modulo, WORD* posicao,
                                             BYTE* registro) noexcept override;
    ZU_RESERVADO(06)
    HRESULT STDMETHODCALLTYPE Quantidade(WORD filial, WORD dia, BYTE tipo, BYTE modulo, BYTE letra,
                                         WORD* quantidade) noexcept override;
    HRESULT STDMETHODCALLTYPE Registros(WORD quantidade, BYTE* registros) noexcept override;
    HRESULT STDMETHODCALLTYPE QuantidadeNaturezas(WORD* quantidade) noexcept override;

private:
    ~NaturezasServer() override = default;   // objects come only from com::make

    std::vector<REG_NATUREZA> m_contadas;   // the natures Quantidade counted
};

}  // namespace inhouse

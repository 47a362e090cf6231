#pragma once
// The storage-places server (IQVES_LocaisArmazenagem) over the store's local_armazenagem rows and
// the products' default places (produto_local_padrao).
// Calls before Inicializa answer QV_E_NAO_INICIALIZADO.
#include <string>

#include "inhouse_armazenagem.h"
#include "platform/inhouse/core/servidor_sessao.h"

namespace inhouse {

class LocaisArmazenagemServer final
    : public servidor_partes_sessao<LocaisArmazenagemServer, IQVES_LocaisArmazenagem, LONG> {
public:
    using servidor_partes_sessao::servidor_partes_sessao;

    HRESULT STDMETHODCALLTYPE Quantidade(BSTR tipos, LONG opcao, LONG* quantidade) noexcept override;
    HRESULT STDMETHODCALLTYPE Indice(LONG quantidade, BYTE* indice) noexcept override;
    HRESULT STDMETHODCALLTYPE Le(LONG ponteiro, BYTE* registro, LONG opcao) noexcept override;
    HRESULT STDMETHODCALLTYPE LocalPadrao(LONG produto, WORD filial, BYTE* registro) noexcept override;

private:
    ~LocaisArmazenagemServer() override = default;   // objects come only from com::make
    std::string m_tipos = "X";   // the filter of the last Quantidade
};

}  // namespace inhouse

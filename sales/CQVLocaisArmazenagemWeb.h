#pragma once
// The company's stock storage places for web pages (ProgID ZidizUvi.QVLocaisArmazenagemWeb):
// Inicializa with the root object creates the storage-places server once, BuscaPonteiros reads
// its index, LePosicao hands out one CQVLocalArmazenagem per index entry. A failed index read
// leaves no index (count 0); calls before Inicializa answer E_UNEXPECTED.
#include <vector>

#include "VAVEDERAZur.h"
#include "inhouse_armazenagem.h"
#include "platform/com/com_ptr.h"
#include "platform/com/object.h"
#include "platform/inhouse/armazenagem/registros_armazenagem.h"
#include "server/process/class_table.h"

namespace sales {

class CQVLocaisArmazenagemWeb final : public com::object<CQVLocaisArmazenagemWeb, IQVLocaisArmazenagemWeb> {
public:
    static constexpr com::class_info info =
        server::class_info_of(L"QVLocaisArmazenagemWeb", &CLSID_QVLocaisArmazenagemWeb);

    HRESULT STDMETHODCALLTYPE Inicializa(IQV_Inicializa* pQV_Inicializa) noexcept override;
    HRESULT STDMETHODCALLTYPE BuscaPonteiros(LONG* plQuantidade) noexcept override;
    HRESULT STDMETHODCALLTYPE LePosicao(LONG iPosicao, IQVLocalArmazenagem** ppLocalArmazenagem) noexcept override;

private:
    ~CQVLocaisArmazenagemWeb() override = default;   // objects come only from com::make

    bool m_inicializado = false;
    com::com_ptr<IQVES_LocaisArmazenagem> m_servidor;
    std::vector<inhouse::REG_INDICE_LOCAL_ARMAZENAGEM> m_indice;
};

}  // namespace sales

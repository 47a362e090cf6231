// The root's product position: the filter's values, then the sales subsystem's maker.
#include "server/root/CQV_Inicializa.h"
#include "server/root/CQVHashTable.h"
#include "server/root/fabricas_modulos.h"
#include "server/messages.h"
#include "platform/com/failure.h"

namespace server {

HRESULT CQV_Inicializa::TW_FT_PosicaoProdutos(IQVHashTable* pIHash, ITW_FT_PosicaoProdutos** ppPosicao) noexcept try {
    if (!ppPosicao) return E_POINTER;
    *ppPosicao = nullptr;
    const com::com_ptr<CQVHashTable> tabela = CQVHashTable::De(pIHash);
    const CQVHashTable::valores filtro = tabela ? tabela->GetValores() : CQVHashTable::valores{};
    const fabrica_posicao_produtos fabrica = fabrica_posicao_produtos_registrada();
    if (!fabrica) com::fail(msg::falha_instanciar_posicao, E_NOTIMPL);
    *ppPosicao = static_cast<ITW_FT_PosicaoProdutos*>(fabrica(filtro));
    return S_OK;
} catch (...) {
    return report();
}

}  // namespace server

#include "masterdata/CQVcEditor.h"

namespace masterdata {

HRESULT CQVcEditor::Inicializa(IQV_Inicializa* pInicializa, BSTR bsModulo, BSTR bsExtensao) noexcept try {
    return m_worker.Inicializa(pInicializa, bsModulo, bsExtensao);
} catch (...) {
    return report();
}

HRESULT CQVcEditor::GetQuantidade(LONG* lQuantidade) noexcept try {
    if (!lQuantidade) return E_POINTER;
    *lQuantidade = m_worker.GetQuantidade();
    return S_OK;
} catch (...) {
    return report();
}

// A position outside the list is no failure here: a null text and S_OK.
HRESULT CQVcEditor::GetNomeArquivo(LONG lPos, BSTR* bsNomeArquivo) noexcept try {
    if (!bsNomeArquivo) return E_POINTER;
    *bsNomeArquivo = nullptr;
    *bsNomeArquivo = m_worker.GetNomeArquivo(lPos).release();
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CQVcEditor::GetDescricao(LONG lPos, BSTR* bsDescricao) noexcept try {
    if (!bsDescricao) return E_POINTER;
    *bsDescricao = nullptr;
    *bsDescricao = m_worker.GetDescricao(lPos).release();
    return S_OK;
} catch (...) {
    return report();
}

}  // namespace masterdata

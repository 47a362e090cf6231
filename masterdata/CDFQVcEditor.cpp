#include "masterdata/CDFQVcEditor.h"

#include "masterdata/messages.h"
#include "platform/com/text.h"
#include "server/root/CWebErroBase.h"

namespace masterdata {

HRESULT CDFQVcEditor::Inicializa(IQV_Inicializa* pInicializa, BSTR bsModulo, BSTR bsExtensao) {
    if (HRESULT hr = CEmpresarialInicializa::Inicializa(pInicializa); FAILED(hr)) return hr;
    // A root without a session (or none at all) gives no company to open the editor for.
    VerificaInicializado();
    const std::string modulo = com::from_bstr(bsModulo);
    const std::string extensao = com::from_bstr(bsExtensao);
    if (!m_cliente.Inicializa(modulo, extensao, m_sEmpresa, m_iUsuario, m_lNumeroSessao))
        server::falha_numerada(msg::editor_inicializar, server::hresult_mensagem(87));
    if (!m_cliente.BuscaArquivos()) server::falha_numerada(msg::editor_carregar, server::hresult_mensagem(88));
    return S_OK;
}

LONG CDFQVcEditor::GetQuantidade() const noexcept { return static_cast<LONG>(m_cliente.GetArquivos().size()); }

const QVSEDITOR_ARQUIVO* CDFQVcEditor::Entrada(LONG lPos) const noexcept {
    const auto& arquivos = m_cliente.GetArquivos();
    if (lPos < 0 || static_cast<size_t>(lPos) >= arquivos.size()) return nullptr;
    return &arquivos[static_cast<size_t>(lPos)];
}

com::unique_bstr CDFQVcEditor::GetNomeArquivo(LONG lPos) const {
    const QVSEDITOR_ARQUIVO* a = Entrada(lPos);
    return a ? com::to_bstr(NomeArquivo(*a)) : com::unique_bstr();
}

com::unique_bstr CDFQVcEditor::GetDescricao(LONG lPos) const {
    const QVSEDITOR_ARQUIVO* a = Entrada(lPos);
    return a ? com::to_bstr(DescricaoArquivo(*a)) : com::unique_bstr();
}

}  // namespace masterdata

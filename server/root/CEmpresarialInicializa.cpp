#include "server/root/CEmpresarialInicializa.h"

#include "platform/com/error_info.h"
#include "platform/com/text.h"
#include "server/messages.h"
#include "server/root/CTW_Relatorio.h"
#include "server/root/CWebErroBase.h"

namespace server {

void CEmpresarialInicializa::VerificaInicializado(std::source_location where) const {
    if (!m_bInicializado) falha_numerada(msg::componente_nao_inicializado, hresult_mensagem(1), where);
}

namespace {
const textos_transferencia textos_trabalhador = {msg::instanciar_componente_relatorios,
                                                 msg::inicializar_componente_relatorio, msg::trasferir_relatorio};
}  // namespace

HRESULT CEmpresarialInicializa::TransfereRelatorio(const std::string& arquivo, BSTR* pResultado, REFCLSID clsid,
                                                   REFIID iid) noexcept try {
    if (!pResultado) return E_POINTER;
    *pResultado = nullptr;
    *pResultado = com::to_bstr(le_arquivo_relatorio(arquivo, textos_trabalhador)).release();
    return S_OK;
} catch (const com::failure& f) {
    return com::AtlReportError(clsid, f.text.c_str(), 0, nullptr, iid, f.hr);
} catch (...) {
    return com::report_current_exception(iid);
}

}  // namespace server

// The movement dates of the root object: the period in which the company's entries may be made,
// read from the accounting master once a session and handed out as "dd/mm/yy".
#include "base/QVDataCurta.h"
#include "inhouse_login.h"
#include "inhouse_registros.h"
#include "platform/com/com_ptr.h"
#include "platform/com/failure.h"
#include "platform/com/out_param.h"
#include "platform/com/text.h"
#include "platform/com/unique.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "platform/inhouse/login/registros_login.h"
#include "server/messages.h"
#include "server/root/CQV_Inicializa.h"

namespace server {

namespace {
// The answer when the accounting master cannot be created, whatever the creation said.
constexpr HRESULT E_INSTANCIAR_MESTRE = static_cast<HRESULT>(0x8004065Fu);
// In-process handler, in-process, local and remote server.
constexpr DWORD contexto_servidor = CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER |
                                    CLSCTX_REMOTE_SERVER;
}  // namespace

HRESULT CQV_Inicializa::le_movimentacao(const char* falha_criacao) {
    com::com_ptr<IQVCN_MestreContabil> mestre;
    if (FAILED(CoCreateInstance(inhouse::CLSID_MestreContabilServer, nullptr, contexto_servidor,
                                __uuidof(IQVCN_MestreContabil), mestre.put_void())) ||
        !mestre)
        com::fail(falha_criacao, E_INSTANCIAR_MESTRE);
    com::unique_bstr empresa = com::to_bstr(m_sessao.m_sEmpresa);
    if (HRESULT hr = mestre->Inicializa(empresa.get(), m_sessao.m_iUsuario, m_sessao.m_lNumeroSessao); hr != S_OK)
        return hr;
    QV_PERIODO_MOVIMENTACAO_10 bloco{};
    if (HRESULT hr = mestre->LePeriodoMovimentacao(&bloco); hr != S_OK) return hr;
    const auto periodo = inhouse::de_bloco<inhouse::REG_PERIODO_MOVIMENTACAO>(bloco);
    m_movimentacao.inferior = periodo.inferior;
    m_movimentacao.superior = periodo.superior;
    return S_OK;
}

HRESULT CQV_Inicializa::data_movimentacao(bool superior, const char* falha_criacao, BSTR* pVal) noexcept try {
    if (!pVal) return E_POINTER;
    *pVal = nullptr;
    uint16_t& data = superior ? m_movimentacao.superior : m_movimentacao.inferior;
    if (data == 0)
        if (HRESULT hr = le_movimentacao(falha_criacao); hr != S_OK) return hr;
    return com::put_text(pVal, QVFormataData(data, false));
} catch (...) {
    return report();
}

HRESULT CQV_Inicializa::get_DataInferiorMovimentacao(BSTR* pVal) noexcept {
    return data_movimentacao(false, msg::instanciar_filial_inferior, pVal);
}

HRESULT CQV_Inicializa::get_DataSuperiorMovimentacao(BSTR* pVal) noexcept {
    return data_movimentacao(true, msg::instanciar_filial_superior, pVal);
}

}  // namespace server

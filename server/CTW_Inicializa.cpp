#include "CTW_Inicializa.h"

#include <objbase.h>

#include "CSessaoGlobal.h"
#include "platform/com/com_ptr.h"
#include "platform/inhouse/inhouse_guids.h"

namespace server {

namespace {
constexpr HRESULT login_company_server_failed = static_cast<HRESULT>(0x80040002);
constexpr DWORD all_server_contexts =
    CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER;

std::string trim_blanks(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}
}  // namespace

CTW_Inicializa::~CTW_Inicializa() { CSessaoGlobal::Esquece(this); }

HRESULT CTW_Inicializa::Limpa() {
    m_sRazaoSocial.clear();
    m_sEmpresa.clear();
    m_lNumeroSessao = 0;
    m_iUsuario = 0;
    TIPOS_VEVUREZE.fill(0);
    // TODO: the connection pool and the data-server cache end here too.
    CSessaoGlobal::Destroi();
    return S_OK;
}

HRESULT CTW_Inicializa::Inicializa(const std::string& bsEmpresa, const std::string&, const std::string&,
                                   int* pResult, long) {
    *pResult = 1;
    Limpa();
    const std::string empresa = trim_blanks(bsEmpresa);
    com::com_ptr<IUnknown> company_server;
    if (FAILED(CoCreateInstance(inhouse::CLSID_EmpresaServer, nullptr, all_server_contexts, IID_IUnknown,
                                company_server.put_void())))
        return login_company_server_failed;
    // TODO: the company list, the user check and the start-up data come with the company stand-ins.
    (void)empresa;
    return login_company_server_failed;
}

}  // namespace server

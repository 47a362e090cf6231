#include "platform/inhouse/acesso/CConexaoServidor.h"

#include <map>
#include <memory>
#include <mutex>
#include <utility>

#include "base/QVDCOM.h"

namespace inhouse {

fault_plan& faults_of_connection(std::string_view class_name) {
    static std::mutex mutex;
    static std::map<std::string, std::unique_ptr<fault_plan>, std::less<>> plans;
    std::lock_guard lock(mutex);
    auto it = plans.find(class_name);
    if (it == plans.end())
        it = plans.emplace(std::string(class_name), std::make_unique<fault_plan>()).first;
    return *it->second;
}

}  // namespace inhouse

CConexaoServidor::~CConexaoServidor() { Finaliza(); }

HRESULT CConexaoServidor::Inicializa(const CQVString& empresa, WORD usuario, long sessao) {
    return InicializaComum(empresa, usuario, sessao, {});
}

HRESULT CConexaoServidor::InicializaComum(const CQVString& empresa, WORD usuario, long sessao, std::string extras) {
    std::string arguments = "empresa=" + empresa + " usuario=" + std::to_string(usuario) +
                            " sessao=" + std::to_string(sessao);
    if (!extras.empty()) arguments += " " + extras;
    const HRESULT hr = faults().enter("Inicializa", std::move(arguments));
    if (FAILED(hr)) return hr;
    m_sEmpresa = empresa;
    m_wUsuario = usuario;
    m_lSessao = sessao;
    m_bInicializada = true;
    return hr;
}

HRESULT CConexaoServidor::CriaServidor() {
    if (HRESULT hr = faults().enter("CriaServidor"); FAILED(hr)) return hr;
    const CLSID* clsid = ClasseServidor();
    const IID* iid = InterfaceServidor();
    if (!clsid || !iid || m_servidor) return S_OK;
    return QVCriaInstancia(*clsid, nullptr, QV_CLSCTX_SERVIDOR, *iid, m_servidor.put_void(), QV_CRIA_PADRAO);
}

void CConexaoServidor::Finaliza() noexcept {
    m_servidor.reset();
}

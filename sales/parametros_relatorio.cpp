#include "sales/parametros_relatorio.h"

#include <windows.h>

#include "base/QVCaminhos.h"
#include "base/QVDCOM.h"
#include "inhouse_relatorios.h"
#include "platform/com/com_ptr.h"
#include "platform/com/failure.h"
#include "platform/com/text.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "sales/messages.h"

namespace sales::parametros_relatorio {

namespace {

constexpr int modulo_instalacao = 1;
constexpr const char* biblioteca = "relparam.dll";
constexpr const char* entrada = "BuscaParametrosFixosRelatorios";
constexpr int opcao_parametros = 1;
using busca_parametros = int(__cdecl*)(IUnknown*, const char*, int, const char*, short*);

// The library for as long as the holder lives.
class modulo_carregado {
public:
    explicit modulo_carregado(const std::string& caminho)
        : m_h(LoadLibraryExA(caminho.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH)) {}
    ~modulo_carregado() {
        if (m_h) FreeLibrary(m_h);
    }
    modulo_carregado(const modulo_carregado&) = delete;
    modulo_carregado& operator=(const modulo_carregado&) = delete;

    busca_parametros funcao() const noexcept {
        return m_h ? reinterpret_cast<busca_parametros>(reinterpret_cast<void*>(GetProcAddress(m_h, entrada))) : nullptr;
    }

private:
    HMODULE m_h;
};

com::com_ptr<IQVParametrosRelatorio> componente_inicializado() {
    com::com_ptr<IQVParametrosRelatorio> componente;
    HRESULT hr = QVCriaInstancia(inhouse::CLSID_ParametrosRelatorio, nullptr, QV_CLSCTX_SERVIDOR,
                                 __uuidof(IQVParametrosRelatorio), reinterpret_cast<void**>(componente.put()),
                                 QV_CRIA_PADRAO);
    if (SUCCEEDED(hr)) hr = componente->Inicializa(com::to_bstr("ES").get(), com::to_bstr("RES").get());
    if (FAILED(hr)) com::fail(msg::inicializar_parametros_relatorio, hr);
    return componente;
}

}  // namespace

short BuscaParametrosFixos(const std::string& tipo) {
    const com::com_ptr<IQVParametrosRelatorio> componente = componente_inicializado();
    const modulo_carregado modulo(QVMontaCaminho(QVGetCaminhoModulo(modulo_instalacao), biblioteca));
    const busca_parametros busca = modulo.funcao();
    if (!busca) com::fail(msg::buscar_informacoes_relatorio, E_FAIL);
    short resultado = 0;
    if (busca(componente.get(), tipo.c_str(), opcao_parametros, "", &resultado) != 0)
        com::fail(msg::buscar_informacoes_relatorio, E_FAIL);
    return resultado;
}

}  // namespace sales::parametros_relatorio

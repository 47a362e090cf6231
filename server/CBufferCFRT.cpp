#include "server/CBufferCFRT.h"

#include <cstring>

#include "base/QVSleep.h"
#include "platform/com/text.h"
#include "platform/com/unique.h"
#include "platform/inhouse/inhouse_guids.h"
#include "platform/inhouse/registros_sessao.h"

namespace {

// A server call that is retried: while the server answers that it is unavailable, up to 400
// calls 500 ms apart.
template <class Call>
HRESULT com_repeticao(Call&& call) {
    HRESULT hr = QV_SERVIDOR_INDISPONIVEL;
    for (uint16_t tentativas = 0; hr == QV_SERVIDOR_INDISPONIVEL && tentativas < 400;) {
        hr = call();
        ++tentativas;
        if (hr == QV_SERVIDOR_INDISPONIVEL) qv_sleep(500);
    }
    return hr;
}

}  // namespace

CBufferCFRT::CBufferCFRT() = default;

CBufferCFRT::CBufferCFRT(const CBufferCFRT& other) { *this = other; }

CBufferCFRT& CBufferCFRT::operator=(const CBufferCFRT& other) {
    if (this == &other) return *this;
    m_plano = other.m_plano;
    m_cadastro = other.m_cadastro;
    m_cMascara = other.m_cMascara;
    m_configuracao = other.m_configuracao;
    m_sEmpresa = other.m_sEmpresa;
    m_wUsuario = other.m_wUsuario;
    m_lSessao = other.m_lSessao;
    m_bUsaServidorPlano = other.m_bUsaServidorPlano;
    m_bSegundaOpcao = other.m_bSegundaOpcao;
    m_bCodigoObrigatorio = other.m_bCodigoObrigatorio;
    m_cache = other.m_cache;
    m_cache_contatos = other.m_cache_contatos;
    m_cache_info_extras = other.m_cache_info_extras;
    m_lLimiteCache = other.m_lLimiteCache;
    m_bUsaCache = other.m_bUsaCache;
    m_bUsaCacheContatos = other.m_bUsaCacheContatos;
    m_bUsaCacheInfoExtras = other.m_bUsaCacheInfoExtras;
    return *this;
}

CBufferCFRT::~CBufferCFRT() {
    m_cache.clear();
    m_cache_contatos.clear();
    m_cache_info_extras.clear();
    m_cadastro.reset();
    m_plano.reset();
}

HRESULT CBufferCFRT::Inicializa(const CQVString& empresa, WORD usuario, long sessao) {
    m_wUsuario = usuario;
    m_lSessao = sessao;
    const CQVString cortada = empresa.substr(0, 29);
    if (cortada != m_sEmpresa) m_cache.clear();
    m_sEmpresa = cortada;

    if (!m_plano && m_bUsaServidorPlano) {
        if (HRESULT hr = QVCriaInstancia(inhouse::CLSID_PlanoServer, nullptr, QV_CLSCTX_SERVIDOR, IID_IQVDF_Plano,
                                         m_plano.put_void(), QV_CRIA_PADRAO);
            FAILED(hr))
            return hr;
    }
    if (!m_cadastro) {
        if (HRESULT hr = QVCriaInstancia(inhouse::CLSID_CFRTServer, nullptr, QV_CLSCTX_SERVIDOR, IID_IQVDF_CFRT,
                                         m_cadastro.put_void(), QV_CRIA_PADRAO);
            FAILED(hr))
            return hr;
    }

    const QV_SESSAO_32 bloco =
        inhouse::como_bloco<QV_SESSAO_32>(inhouse::monta_sessao_32(m_sEmpresa, m_wUsuario, m_lSessao));
    if (IQVDF_Plano* plano = m_plano.get()) {
        HRESULT hr = com_repeticao([&] { return plano->Inicializa(bloco); });
        if (FAILED(hr)) {
            DescartaServidores();
            return hr;
        }
        if (hr != S_OK) return hr;
        com_repeticao([&] { return plano->Atualiza(); });
        hr = com_repeticao([&] { return plano->Prepara(0, 0); });
        if (FAILED(hr)) {
            DescartaServidores();
            return hr;
        }
        if (hr != S_OK) return hr;
        std::array<uint8_t, QV_CFRT_TAMANHO_CONFIGURACAO> configuracao{};
        hr = com_repeticao([&] { return plano->LeConfiguracao(configuracao.data()); });
        if (FAILED(hr)) {
            DescartaServidores();
            return hr;
        }
        if (hr != S_OK) return hr;
        m_configuracao = configuracao;
    }

    HRESULT hr = S_OK;
    {
        com::unique_bstr bstr = com::to_bstr(m_sEmpresa);
        IQVDF_CFRT* cadastro = m_cadastro.get();
        hr = com_repeticao([&] { return cadastro->Inicializa(bstr.get(), m_wUsuario, m_lSessao); });
        if (FAILED(hr)) DescartaServidores();
    }
    const char codigo = static_cast<char>(m_configuracao[QV_CFRT_CONFIG_CODIGO]);
    m_bCodigoObrigatorio = codigo == 'S' || codigo == 's';
    return hr;
}

void CBufferCFRT::LiberaServidores() noexcept {
    m_cadastro.reset();
    m_plano.reset();
}

void CBufferCFRT::DescartaServidores() noexcept {
    m_cadastro.reset();
    if (m_bUsaServidorPlano) m_plano.reset();
}

void CBufferCFRT::SetCache(bool usa, long limite) {
    m_bUsaCache = usa;
    m_lLimiteCache = limite;
    if (!usa || static_cast<long>(m_cache.size()) > limite) m_cache.clear();
}

void CBufferCFRT::SetCacheContatos(bool usa) {
    m_bUsaCacheContatos = usa;
    if (!usa) LimpaCacheContatos();
}

void CBufferCFRT::SetCacheInfoExtras(bool usa) {
    m_bUsaCacheInfoExtras = usa;
    if (!usa) LimpaCacheInfoExtras();
}

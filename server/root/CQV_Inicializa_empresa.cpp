// What the root object tells of the company: its indices, logo, home page and category names.
#include <string>

#include "base/QVDCOM.h"
#include "inhouse_cache.h"
#include "platform/com/failure.h"
#include "platform/com/out_param.h"
#include "platform/inhouse/acesso/QVAcesso.h"
#include "platform/inhouse/cache/registros_cache.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "platform/inhouse/login/registros_filial.h"
#include "server/holders/CCacheServidores.h"
#include "server/holders/CPoolConexoes.h"
#include "server/messages.h"
#include "server/root/CQV_Inicializa.h"

namespace server {

namespace {

// The branch whose record holds the company's home page.
constexpr long filial_homepage = 1;
// The category names a client may ask for.
constexpr LONG primeira_categoria = 1;
constexpr LONG ultima_categoria = 3;

}  // namespace

HRESULT CQV_Inicializa::get_Indices(BSTR* pVal) noexcept try {
    if (!pVal) return E_POINTER;
    *pVal = nullptr;
    com::com_ptr<IQVDF_Mestre> mestre = CCacheServidores::GetInstancia()->GetServidorMestre();
    if (!mestre) com::fail(msg::erro_buscar_mestre);
    QV_MESTRE_1324 bloco{};
    com::check(mestre->LeMestre(&bloco), msg::erro_buscar_mestre);
    const auto registro = inhouse::de_bloco<inhouse::REG_MESTRE>(bloco);
    std::string indices(inhouse::texto_campo(registro.indice_moeda));
    for (int i = 1; i <= inhouse::REG_MESTRE::quantidade_indices; ++i) {
        const auto& indice = inhouse::indice_mestre(registro, i);
        if (indice[0] == '\0') continue;
        indices += inhouse::texto_campo(indice);
        indices += '|';
    }
    return com::put_text(pVal, indices);
} catch (...) {
    return report();
}

HRESULT CQV_Inicializa::get_CaminhoLogotipo(BSTR* pVal) noexcept try {
    if (!pVal) return E_POINTER;
    *pVal = nullptr;
    CQVString caminho;
    com::check(CPoolConexoes::GetInstancia()->GetConexaoFilial()->LeLogotipo(
                   inhouse::logotipo_empresa, inhouse::logotipo_caminho_completo, caminho),
               msg::erro_ler_logotipo);
    return com::put_text(pVal, caminho);
} catch (...) {
    return report();
}

HRESULT CQV_Inicializa::get_HomepageEmpresa(BSTR* pVal) noexcept try {
    if (!pVal) return E_POINTER;
    *pVal = nullptr;
    inhouse::REG_FILIAL filial{};
    // An unread branch must not answer as a company without a home page.
    com::check(CPoolConexoes::GetInstancia()->GetConexaoFilial()->Le(filial_homepage, &filial), msg::erro_ler_filial);
    return com::put_text(pVal, inhouse::texto_campo(filial.homepage));
} catch (...) {
    return report();
}

HRESULT CQV_Inicializa::GetNomeCategoria(LONG lPos, BSTR* pbsNome) noexcept try {
    if (!pbsNome) return E_POINTER;
    *pbsNome = nullptr;
    if (lPos < primeira_categoria || lPos > ultima_categoria) return S_OK;
    com::com_ptr<IQVDF_Categorias> categorias;
    com::check(QVCriaInstancia(inhouse::CLSID_CategoriasServer, nullptr, QV_CLSCTX_SERVIDOR, __uuidof(IQVDF_Categorias),
                               categorias.put_void(), QV_CRIA_PADRAO),
               msg::erro_servidor_categorias);
    com::check(categorias->Inicializa(inhouse::bloco_sessao<QV_SESSAO_36>(m_sessao.m_sEmpresa, m_sessao.m_iUsuario,
                                                                           m_sessao.m_lNumeroSessao)),
               msg::erro_inicializar_categorias);
    QV_CATEGORIA_80 bloco{};
    com::check(categorias->LeCategoria(lPos, &bloco), msg::erro_ler_categoria);
    return com::put_text(pbsNome, inhouse::texto_campo(inhouse::de_bloco<_REG_CATEGORIAS_PS>(bloco).nome));
} catch (...) {
    return report();
}

}  // namespace server

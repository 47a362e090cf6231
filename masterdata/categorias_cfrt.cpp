#include "masterdata/categorias_cfrt.h"

#include <cstring>

#include "base/QVDCOM.h"
#include "platform/com/failure.h"
#include "platform/com/text.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "platform/inhouse/core/registros_sessao.h"

namespace masterdata {

namespace {
struct bloco_tarefa {
    BYTE* p = nullptr;
    ~bloco_tarefa() { CoTaskMemFree(p); }
};
}  // namespace

std::vector<_REG_CATEGORIAS_PS> le_categorias(IQVDF_Categorias& servidor, const char* texto) {
    LONG quantidade = 0;
    bloco_tarefa nomes, codigos;
    const com::unique_bstr vazio = com::to_bstr(std::string());
    com::check(servidor.BuscaCategorias(vazio.get(), vazio.get(), 0, &quantidade, &nomes.p, &codigos.p), texto);
    std::vector<_REG_CATEGORIAS_PS> categorias;
    if (quantidade <= 0 || !nomes.p || !codigos.p) return categorias;
    categorias.resize(static_cast<size_t>(quantidade));
    constexpr size_t largura_nome = sizeof(_REG_CATEGORIAS_PS::nome);
    for (size_t i = 0; i < categorias.size(); ++i) {
        std::memcpy(categorias[i].nome, nomes.p + i * largura_nome, largura_nome);
        categorias[i].nome[largura_nome - 1] = '\0';
        std::memcpy(&categorias[i].codigo, codigos.p + i * sizeof(uint16_t), sizeof(uint16_t));
    }
    return categorias;
}

std::vector<_REG_CATEGORIAS_PS> categorias_cfrt::Todas(const CQVString& empresa, WORD usuario, long sessao,
                                                        const char* texto) {
    if (!m_servidor) {
        com::com_ptr<IQVDF_Categorias> servidor;
        com::check(QVCriaInstancia(inhouse::CLSID_CategoriasServer, nullptr, QV_CLSCTX_SERVIDOR,
                                   __uuidof(IQVDF_Categorias), servidor.put_void(), QV_CRIA_PADRAO),
                   texto);
        com::check(servidor->Inicializa(inhouse::bloco_sessao<QV_SESSAO_36>(empresa, usuario, sessao)), texto);
        m_servidor = std::move(servidor);
    }
    return le_categorias(*m_servidor.get(), texto);
}

}  // namespace masterdata

#include "ft/ftlibrary/CFTBufferInfoUnMedida.h"

#include <cstring>

#include "ft/ftlibrary/CFTAppInfo.h"
#include "platform/inhouse/acesso/QVAVISO.h"

namespace {

// The unit text cut to the record's 11 characters.
void copia_unidade(REG_INFO_UN_MEDIDA& r, const BYTE* origem, size_t largura) {
    const size_t n = strnlen(reinterpret_cast<const char*>(origem), largura);
    std::memcpy(r.Unidade, origem, n < 11 ? n : 11);
}

uint8_t casas_de(uint8_t indicador) { return indicador == 0 ? 0 : indicador == 1 ? 2 : 4; }

}  // namespace

CFTBufferRegistros<uint16_t, REG_INFO_UN_MEDIDA>* CFTBufferInfoUnMedida::Mapa(bool produto) {
    return produto ? static_cast<CFTBufferRegistros<uint16_t, REG_INFO_UN_MEDIDA>*>(&m_Produtos) : &m_Servicos;
}

HRESULT CFTBufferInfoUnMedida::Carrega(IQVDF_Produto* servidor, uint16_t unidade, bool produto,
                                       REG_INFO_UN_MEDIDA& registro) {
    std::memset(&registro, 0, sizeof registro);
    if (unidade == 0) return S_OK;
    auto* mapa = Mapa(produto);
    if (mapa->BuscaMapa(unidade, registro)) return S_OK;
    if (!servidor) return E_POINTER;
    HRESULT hr;
    int linha, sitio;
    if (produto) {
        QV_UNIDADE_72 u{};
        hr = servidor->LeUnidadeProduto(unidade, &u);
        if (SUCCEEDED(hr)) {
            copia_unidade(registro, u.dados + 46, 72 - 46);
            registro.Casas = casas_de(u.dados[64]);
        }
        linha = 60, sitio = 385441;
    } else {
        QV_UNIDADE_76 u{};
        hr = servidor->LeUnidadeServico(unidade, &u);
        if (SUCCEEDED(hr)) {
            copia_unidade(registro, u.dados + 42, 76 - 42);
            registro.Casas = casas_de(u.dados[60]);
        }
        linha = 85, sitio = 385417;
    }
    if (FAILED(hr)) {
        std::memset(&registro, 0, sizeof registro);
        if (m_MostraErros)
            QVTrataErro2(hr, 24, sitio, m_Contexto ? m_Contexto->GetEmpresa().c_str() : "", "FTBufferInfoUnMedida", linha,
                         __DATE__ " " __TIME__);
        return hr;
    }
    mapa->GuardaMapa(unidade, registro);
    return hr;
}

void CFTBufferInfoUnMedida::Limpa() {
    m_Produtos.Limpa();
    m_Servicos.Limpa();
}

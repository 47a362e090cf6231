#include "masterdata/CTW_DF_ModelosRelatorios.h"

#include <objbase.h>

#include <cstring>

#include "base/QVDCOM.h"
#include "masterdata/messages.h"
#include "platform/com/failure.h"
#include "platform/com/out_param.h"
#include "platform/com/unique.h"
#include "platform/com/wire_pointer.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "platform/inhouse/modelos/registros_modelos.h"

namespace masterdata {

HRESULT CTW_DF_ModelosRelatorios::BuscaNomes(BSTR bsModulo, BSTR bsComponente, ULONG* pulQuantidade) noexcept try {
    if (!pulQuantidade) return E_POINTER;
    *pulQuantidade = 0;
    m_Nomes.clear();

    com::com_ptr<IQVModelosRelatorio> modelos;
    com::check(QVCriaInstancia(inhouse::CLSID_ModelosRelatorio, nullptr, QV_CLSCTX_SERVIDOR,
                               __uuidof(IQVModelosRelatorio), modelos.put_void(), QV_CRIA_PADRAO),
               msg::criar_interface_relatorios);
    m_pModelos = modelos;
    com::check(m_pModelos->Inicializa(bsModulo, bsComponente), msg::inicializar_interface_relatorios);

    BYTE* resposta = nullptr;
    com::check(m_pModelos->ListaNomes(&resposta), msg::buscar_nomes_relatorios);
    com::unique_cotaskmem<BYTE> registro(resposta);
    if (!registro) com::fail(msg::buscar_nomes_relatorios);
    inhouse::QV_LISTA_MODELOS lista;
    std::memcpy(&lista, registro.get(), sizeof lista);
    com::unique_cotaskmem<char> entradas(static_cast<char*>(com::wire_pointer_take(lista.nomes)));
    if (lista.quantidade && !entradas) com::fail(msg::buscar_nomes_relatorios);

    std::vector<std::string> nomes;
    nomes.reserve(lista.quantidade);
    for (size_t i = 0; i < lista.quantidade; ++i) {
        const char* entrada = entradas.get() + i * inhouse::QV_TAMANHO_NOME_MODELO;
        nomes.emplace_back(entrada, strnlen(entrada, inhouse::QV_TAMANHO_NOME_MODELO));
    }
    m_Nomes = std::move(nomes);
    *pulQuantidade = static_cast<ULONG>(m_Nomes.size());
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_DF_ModelosRelatorios::GetNome(ULONG ulPosArray, BSTR* pbsNome) noexcept {
    if (!pbsNome) return E_POINTER;
    *pbsNome = nullptr;
    if (ulPosArray >= m_Nomes.size()) return E_INVALIDARG;
    return com::put_text(pbsNome, m_Nomes[ulPosArray]);
}

HRESULT CTW_DF_ModelosRelatorios::responde_flag(ULONG ulPosArray, VARIANT_BOOL* pvb, short flags_modelo::*flag,
                                                const char* texto) noexcept try {
    if (!pvb) return E_POINTER;
    *pvb = VARIANT_FALSE;
    if (ulPosArray >= m_Nomes.size() || !m_pModelos) return E_INVALIDARG;
    const flags_modelo flags = le_flags_modelo(*m_pModelos.get(), m_Nomes[ulPosArray], texto);
    return com::put_bool(pvb, flags.*flag != 0);
} catch (...) {
    return report();
}

HRESULT CTW_DF_ModelosRelatorios::GetEhGerencial(ULONG ulPosArray, VARIANT_BOOL* pvbGerencial) noexcept {
    return responde_flag(ulPosArray, pvbGerencial, &flags_modelo::gerencial, msg::ler_relatorio_ponto);
}

HRESULT CTW_DF_ModelosRelatorios::GetEhOperacional(ULONG ulPosArray, VARIANT_BOOL* pvbOperacional) noexcept {
    return responde_flag(ulPosArray, pvbOperacional, &flags_modelo::operacional, msg::ler_relatorio);
}

HRESULT CTW_DF_ModelosRelatorios::GetEhZidizUvi(ULONG ulPosArray, VARIANT_BOOL* pvbZidizUvi) noexcept {
    return responde_flag(ulPosArray, pvbZidizUvi, &flags_modelo::zidizuvi, msg::ler_relatorio);
}

}  // namespace masterdata

#include "masterdata/CTW_DF_Historicos.h"

#include <objbase.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "base/QVCurrency.h"
#include "masterdata/historico_registro.h"
#include "masterdata/messages.h"
#include "platform/com/failure.h"
#include "platform/com/out_param.h"
#include "server/holders/CPoolConexoes.h"

namespace masterdata {

namespace {

// The history server's answers: only a negative one is a failure here.
void verifica(HRESULT hr, const char* texto) {
    if (hr < 0) com::fail(texto, hr);
}

struct libera_tarefa {
    void operator()(void* p) const noexcept { CoTaskMemFree(p); }
};

}  // namespace

HRESULT CTW_DF_Historicos::BuscaPonteiros(ULONG* pulQuantidade) noexcept try {
    if (!pulQuantidade) return E_POINTER;
    *pulQuantidade = 0;
    if (!m_historicos.empty()) return com::put_number(pulQuantidade, static_cast<ULONG>(m_historicos.size()));

    CConexaoHistorico& conexao = *server::CPoolConexoes::GetInstancia()->GetConexaoHistorico();
    IQVCN_Historico* servidor = conexao.GetInterface();
    if (!servidor) com::fail(msg::quantidade_historicos, E_UNEXPECTED);
    WORD quantidade = 0;
    verifica(servidor->Quantidade(&quantidade), msg::quantidade_historicos);
    if (quantidade == 0) return S_OK;

    std::vector<__MIDL___MIDL_itf_CNSHIS_0000_0000_0001> posicoes(quantidade);
    verifica(servidor->Posicoes(0, 0, 0, &quantidade, posicoes.data()), msg::indices_historicos);
    posicoes.resize(std::min<size_t>(quantidade, posicoes.size()));

    // Loaded aside: a load that fails halfway leaves the list empty, and the next call tries again.
    std::vector<REG_HISTORICO> lidos(posicoes.size());
    for (size_t i = 0; i < posicoes.size(); ++i) {
        std::unique_ptr<REG_HISTORICO, libera_tarefa> buffer(
            static_cast<REG_HISTORICO*>(CoTaskMemAlloc(sizeof(REG_HISTORICO))));
        if (!buffer) com::fail(msg::ler_historico, E_OUTOFMEMORY);
        std::memset(buffer.get(), 0, sizeof(REG_HISTORICO));
        verifica(servidor->Le(posicoes[i].Posicao, buffer.get()), msg::ler_historico);
        lidos[i] = *buffer;
    }
    OrdenaHistoricos(lidos, 2);
    m_historicos = std::move(lidos);
    return com::put_number(pulQuantidade, static_cast<ULONG>(m_historicos.size()));
} catch (...) {
    return report();
}

HRESULT CTW_DF_Historicos::LePosicao(ULONG ulPosArray) noexcept try {
    if (ulPosArray >= m_historicos.size()) return E_INVALIDARG;
    m_atual = m_historicos[ulPosArray];
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_DF_Historicos::GetCodigo(BSTR* pbsCodigo) noexcept try {
    return com::put_text(pbsCodigo, CodigoHistorico(m_atual));
} catch (...) {
    return report();
}

HRESULT CTW_DF_Historicos::GetNome(BSTR* pbsNome) noexcept try {
    return com::put_text(pbsNome, TextoHistorico(m_atual));
} catch (...) {
    return report();
}

HRESULT CTW_DF_Historicos::GetClassificacao(BSTR* pbsClassificacao) noexcept try {
    return com::put_text(pbsClassificacao, ClassificacaoHistorico(m_atual));
} catch (...) {
    return report();
}

HRESULT CTW_DF_Historicos::SetOrdenacao(USHORT usOrdem) noexcept try {
    OrdenaHistoricos(m_historicos, usOrdem);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_DF_Historicos::LocalizaCodigo(ULONG codigo, USHORT* encontrado) noexcept try {
    if (!encontrado) return E_POINTER;
    *encontrado = 0;
    for (const REG_HISTORICO& h : m_historicos) {
        if (QVConverteTextoUI4(CodigoHistorico(h).c_str()) == codigo) {
            m_atual = h;
            *encontrado = 1;
            break;
        }
    }
    return S_OK;
} catch (...) {
    return report();
}

}  // namespace masterdata

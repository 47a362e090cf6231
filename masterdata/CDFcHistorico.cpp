#include "masterdata/CDFcHistorico.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

#include "masterdata/historico_registro.h"
#include "masterdata/messages.h"
#include "server/root/CWebErroBase.h"

namespace masterdata {

namespace {

[[gnu::format(printf, 1, 2)]] std::string formata(const char* modelo, ...) {
    char texto[512];
    va_list args;
    va_start(args, modelo);
    std::vsnprintf(texto, sizeof texto, modelo, args);
    va_end(args);
    return texto;
}

unsigned hex(HRESULT hr) { return static_cast<unsigned>(hr); }

}  // namespace

HRESULT CDFcHistorico::Inicializa(IQV_Inicializa* pInicializa) {
    if (m_bInicializado) Limpa();
    // The connection is opened afresh: the next read asks the server again.
    m_lUltimaLida = -1;
    if (HRESULT hr = CEmpresarialInicializa::Inicializa(pInicializa); FAILED(hr)) return hr;
    // A root without a session (or none at all) gives no company to open the register of.
    VerificaInicializado();
    m_conexao.SetTrataErros(false);
    m_conexao.SetTratarMensagens(false);
    m_conexao.Finaliza();
    if (HRESULT hr = m_conexao.Inicializa(m_sEmpresa, m_iUsuario, m_lNumeroSessao); hr != S_OK)
        server::falha_numerada(formata(msg::historico_inicializar, hex(hr)), server::hresult_mensagem(82));
    return S_OK;
}

LONG CDFcHistorico::GetQuantidade() {
    VerificaInicializado();
    IQVCN_Historico* servidor = m_conexao.GetInterface();
    WORD quantidade = 0;
    HRESULT hr = servidor ? servidor->Quantidade(&quantidade) : E_UNEXPECTED;
    if (hr != S_OK) server::falha_numerada(formata(msg::historico_quantidade, hex(hr)), server::hresult_mensagem(83));
    std::vector<__MIDL___MIDL_itf_CNSHIS_0000_0000_0001> lidas(quantidade);
    if (quantidade > 0) {
        hr = servidor->Posicoes(0, 0, 0, &quantidade, lidas.data());
        if (hr != S_OK) server::falha_numerada(formata(msg::historico_posicoes, hex(hr)), server::hresult_mensagem(84));
        lidas.resize(std::min<size_t>(quantidade, lidas.size()));
    }
    m_posicoes.assign(lidas.size(), 0);
    for (size_t i = 0; i < lidas.size(); ++i) m_posicoes[i] = lidas[i].Posicao;
    return static_cast<LONG>(m_posicoes.size());
}

void CDFcHistorico::Le(LONG lPos) {
    VerificaInicializado();
    // -1 marks nothing read (or a failed read): never a position to answer from.
    if (lPos >= 0 && lPos == m_lUltimaLida) return;
    // Only a good read is remembered: a failed one fails again on the next call.
    m_lUltimaLida = -1;
    const LONG quantidade = static_cast<LONG>(m_posicoes.size());
    if (lPos < 0 || lPos >= quantidade) {
        m_historico = {};
        server::falha_numerada(formata(msg::historico_limites, static_cast<int>(lPos), static_cast<int>(quantidade - 1)),
                               server::hresult_mensagem(86));
    }
    if (HRESULT hr = m_conexao.Le(static_cast<long>(m_posicoes[static_cast<size_t>(lPos)]), &m_historico); hr != S_OK)
        server::falha_numerada(formata(msg::historico_ler, static_cast<int>(lPos), hex(hr)), server::hresult_mensagem(85));
    m_lUltimaLida = lPos;
}

std::string CDFcHistorico::GetCodigo(LONG lPos) {
    Le(lPos);
    return CodigoHistorico(m_historico);
}

std::string CDFcHistorico::GetConteudo(LONG lPos) {
    Le(lPos);
    return TextoHistorico(m_historico);
}

LONG CDFcHistorico::GetIdPrincipal(LONG lPos) {
    Le(lPos);
    return m_historico.IdPrincipal;
}

LONG CDFcHistorico::GetPosicaoLogicaIdPrincipal(LONG IdPrincipal) const {
    VerificaInicializado();
    for (size_t i = 0; i < m_posicoes.size(); ++i)
        if (static_cast<LONG>(m_posicoes[i]) == IdPrincipal) return static_cast<LONG>(i);
    return -1;
}

}  // namespace masterdata

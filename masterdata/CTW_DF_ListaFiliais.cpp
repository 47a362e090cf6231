#include "masterdata/CTW_DF_ListaFiliais.h"

#include <algorithm>
#include <cstring>

#include "masterdata/filiais_ativas.h"
#include "masterdata/messages.h"
#include "platform/com/failure.h"
#include "platform/com/out_param.h"
#include "platform/com/text.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "server/holders/CPoolConexoes.h"

namespace masterdata {

namespace {

enum ordem : USHORT { por_codigo = 0, por_nome = 1, por_ativa = 2 };

// Names compare byte by byte as stored (CP1252), capitals before small letters.
bool nome_antes(const _TW_DF_Filial& a, const _TW_DF_Filial& b) {
    return std::strcmp(a.nome.c_str(), b.nome.c_str()) < 0;
}
bool codigo_antes(const _TW_DF_Filial& a, const _TW_DF_Filial& b) { return a.codigo < b.codigo; }
bool ativa_antes(const _TW_DF_Filial& a, const _TW_DF_Filial& b) { return a.ativa < b.ativa; }

}  // namespace

ULONG CTW_DF_ListaFiliais::carrega() {
    if (!m_filiais.empty()) return static_cast<ULONG>(m_filiais.size());
    CConexaoFilial& conexao = *server::CPoolConexoes::GetInstancia()->GetConexaoFilial();
    // A register that cannot be counted is no empty register.
    unsigned n = 0;
    com::check(conexao.LeQuantidadeFiliais(n), msg::filiais_quantidade);
    // Flags beyond the block's last position cannot be kept: no branch there is listed.
    n = std::min<unsigned>(n, ultima_posicao_filial);
    if (n == 0) return 0;
    // Without the user's flags every branch would show inactive, and a later SetAtiva would
    // write that back for every branch: a failed read loads nothing.
    inhouse::FILIAIS_ATIVAS bloco{};
    com::check(conexao.LeFiliaisAtivas(conexao.GetUsuario(), bloco), msg::filiais_ler_ativas);

    std::vector<_TW_DF_Filial> filiais(n);
    for (unsigned p = 1; p <= n; ++p) {
        // A position without a branch gives an entry without name and with code 0.
        inhouse::REG_FILIAL registro{};
        (void)conexao.Le(static_cast<long>(p), &registro);
        _TW_DF_Filial& f = filiais[p - 1];
        f.nome = std::string(inhouse::texto_campo(registro.nome));
        f.codigo = registro.codigo;
        f.ativa = bloco.filiais[p] != 0 ? 1 : 0;
        f.posicao = static_cast<long>(p);
    }
    m_bloco = bloco;
    m_filiais = std::move(filiais);
    return static_cast<ULONG>(m_filiais.size());
}

HRESULT CTW_DF_ListaFiliais::BuscaPonteiros(ULONG* pulQuantidade) noexcept try {
    if (!pulQuantidade) return E_POINTER;
    *pulQuantidade = 0;
    return com::put_number(pulQuantidade, carrega());
} catch (...) {
    return report();
}

HRESULT CTW_DF_ListaFiliais::LePosicao(ULONG ulPosArray) noexcept {
    if (ulPosArray >= m_filiais.size()) return E_INVALIDARG;
    m_atual = ulPosArray;
    return S_OK;
}

HRESULT CTW_DF_ListaFiliais::GetCodigo(USHORT* pusCodigo) noexcept {
    const _TW_DF_Filial* f = atual();
    return com::put_number(pusCodigo, f ? f->codigo : 0);
}

HRESULT CTW_DF_ListaFiliais::GetNome(BSTR* pbsNome) noexcept {
    const _TW_DF_Filial* f = atual();
    return com::put_text(pbsNome, f && !f->nome.empty() ? std::string_view(f->nome) : msg::filiais_nome_vazio);
}

HRESULT CTW_DF_ListaFiliais::GetAtiva(VARIANT_BOOL* pvbAtiva) noexcept {
    const _TW_DF_Filial* f = atual();
    return com::put_bool(pvbAtiva, f && f->ativa != 0);
}

HRESULT CTW_DF_ListaFiliais::SetAtiva(VARIANT_BOOL vbAtiva) noexcept try {
    if (m_atual >= m_filiais.size()) com::fail(msg::filiais_sem_atual, E_INVALIDARG);
    _TW_DF_Filial& f = m_filiais[m_atual];
    server::CPoolConexoes& pool = *server::CPoolConexoes::GetInstancia();
    // The flags are those of the user the pool's branch connection serves, the session's user.
    const CConexaoFilial& filiais = *pool.GetConexaoFilial();
    const WORD usuario = filiais.GetUsuario();
    // Only VARIANT_TRUE sets the flag: 1 clears it, as any other value does.
    const bool ativa = vbAtiva == VARIANT_TRUE;
    grava_filial_ativa(*pool.GetConexaoUsuario(), usuario, filiais.GetSessao(), m_bloco, f.posicao, ativa);
    f.ativa = ativa ? 1 : 0;
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_DF_ListaFiliais::GetQtdFiliaisAtivas(ULONG* pulQuantidade) noexcept try {
    if (!pulQuantidade) return E_POINTER;
    *pulQuantidade = 0;
    const ULONG n = carrega();
    ULONG ativas = 0;
    for (ULONG i = 0; i < n; ++i) {
        m_atual = i;
        ativas += m_filiais[i].ativa != 0;
    }
    return com::put_number(pulQuantidade, ativas);
} catch (...) {
    return report();
}

HRESULT CTW_DF_ListaFiliais::GetQtdFiliaisInativas(ULONG* pulQuantidade) noexcept try {
    if (!pulQuantidade) return E_POINTER;
    *pulQuantidade = 0;
    const ULONG n = carrega();
    ULONG ativas = 0;
    if (HRESULT hr = GetQtdFiliaisAtivas(&ativas); FAILED(hr)) return hr;
    return com::put_number(pulQuantidade, n - ativas);
} catch (...) {
    return report();
}

HRESULT CTW_DF_ListaFiliais::GetFilial(BSTR bsCodigo, VARIANT_BOOL* pvbExiste) noexcept try {
    if (!pvbExiste) return E_POINTER;
    *pvbExiste = VARIANT_FALSE;
    CConexaoFilial& conexao = *server::CPoolConexoes::GetInstancia()->GetConexaoFilial();
    long posicao = 0;
    inhouse::REG_FILIAL registro{};
    if (conexao.Existe(com::from_bstr(bsCodigo), &posicao, &registro) != 1) return S_OK;
    carrega();
    // Found by its register position, wherever a sort has put it.
    const auto it = std::find_if(m_filiais.begin(), m_filiais.end(),
                                 [&](const _TW_DF_Filial& f) { return f.posicao == posicao; });
    if (it == m_filiais.end()) return S_OK;
    m_atual = static_cast<size_t>(it - m_filiais.begin());
    return com::put_bool(pvbExiste, true);
} catch (...) {
    return report();
}

HRESULT CTW_DF_ListaFiliais::SetOrdenacao(USHORT usOrdem) noexcept try {
    const long posicao_atual = atual() ? atual()->posicao : 0;
    switch (usOrdem) {
        case por_nome: std::sort(m_filiais.begin(), m_filiais.end(), nome_antes); break;
        case por_ativa: std::sort(m_filiais.begin(), m_filiais.end(), ativa_antes); break;
        default: std::sort(m_filiais.begin(), m_filiais.end(), codigo_antes); break;
    }
    // The current entry stays on its branch.
    if (posicao_atual != 0)
        for (size_t i = 0; i < m_filiais.size(); ++i)
            if (m_filiais[i].posicao == posicao_atual) m_atual = i;
    return S_OK;
} catch (...) {
    return report();
}

}  // namespace masterdata

#include "masterdata/CTW_DF_Plano.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "masterdata/conta_registro.h"
#include "masterdata/messages.h"
#include "platform/com/failure.h"
#include "platform/com/out_param.h"
#include "platform/com/text.h"

namespace masterdata {

namespace {

constexpr uint32_t mascara_ponteiro = 0x00FFFFFFu;   // the top byte of an index entry is the server's

int texto_cmp(const _RegContaPS& a, const _RegContaPS& b, size_t offset, size_t largura) {
    return std::strncmp(reinterpret_cast<const char*>(&a) + offset, reinterpret_cast<const char*>(&b) + offset, largura);
}

int codigo_numero(const _RegContaPS& a) {
    char codigo[campo::largura_codigo + 2] = {};
    std::memcpy(codigo, reinterpret_cast<const char*>(&a) + campo::codigo, campo::largura_codigo + 1);
    return std::atoi(codigo);
}

// The sort orders: 0 code as a number, 1 name, 2 classification, 3 type character; any other
// value sorts by code.
using compara = bool (*)(const _RegContaPS&, const _RegContaPS&);
constexpr compara ordens[] = {
    [](const _RegContaPS& a, const _RegContaPS& b) {
        return codigo_numero(a) < codigo_numero(b);
    },
    [](const _RegContaPS& a, const _RegContaPS& b) {
        return texto_cmp(a, b, campo::nome, campo::largura_nome + 1) < 0;
    },
    [](const _RegContaPS& a, const _RegContaPS& b) {
        return texto_cmp(a, b, campo::classificacao, campo::largura_classificacao + 1) < 0;
    },
    [](const _RegContaPS& a, const _RegContaPS& b) {
        return byte_conta(a, campo::tipo) < byte_conta(b, campo::tipo);
    },
};
constexpr USHORT ordem_classificacao = 2;

void ordena(CQVArray<_RegContaPS>& plano, USHORT ordem) {
    const compara c = ordem < std::size(ordens) ? ordens[ordem] : ordens[0];
    std::sort(plano.begin(), plano.end(), c);
}

}  // namespace

HRESULT CTW_DF_Plano::LePosicao(ULONG ulPosArray) noexcept {
    const auto posicao = static_cast<LONG>(ulPosArray);
    if (posicao < 0 || posicao >= m_Plano.GetSize()) return E_INVALIDARG;
    m_RegConta = m_Plano.GetData()[posicao];
    return S_OK;
}

HRESULT CTW_DF_Plano::GetCodigo(BSTR* pbsCodigo) noexcept {
    return com::put_text(pbsCodigo, texto_conta(m_RegConta, campo::codigo, campo::largura_codigo + 1));
}

HRESULT CTW_DF_Plano::GetNome(BSTR* pbsNome) noexcept {
    return com::put_text(pbsNome, texto_conta(m_RegConta, campo::nome, campo::largura_nome + 1));
}

HRESULT CTW_DF_Plano::GetClassificacao(BSTR* pbsClassificacao) noexcept {
    return com::put_text(pbsClassificacao,
                         texto_conta(m_RegConta, campo::classificacao, campo::largura_classificacao + 1));
}

HRESULT CTW_DF_Plano::GetTipo(BSTR* pbsTipo) noexcept { return com::put_text(pbsTipo, tipo_conta(m_RegConta)); }

HRESULT CTW_DF_Plano::SetOrdenacao(USHORT usOrdem) noexcept {
    ordena(m_Plano, usOrdem);
    return S_OK;
}

LONG CTW_DF_Plano::Carrega(CConexaoPlano& conexao, const textos_plano& textos) {
    if (m_Plano.GetSize() > 0) return m_Plano.GetSize();
    IQVDF_Plano& plano = servidor_plano(conexao, textos.tamanho);
    LONG quantidade = 0;
    {
        com::unique_bstr todas = com::to_bstr("X");
        com::check(plano.QuantidadeContas(todas.get(), 0, &quantidade), textos.tamanho);
    }
    if (quantidade < 0) com::fail(textos.tamanho, E_UNEXPECTED);
    std::vector<_REGCON_INDEXPS> indices(static_cast<size_t>(quantidade) + 1);
    com::check(plano.LeIndices(quantidade, reinterpret_cast<BYTE*>(indices.data())), textos.indices);
    if (quantidade == 0) return 0;
    CQVArray<_RegContaPS> lido(false);
    lido.SetSize(quantidade);
    for (LONG i = 0; i < quantidade; ++i) {
        _RegContaPS conta{};
        const HRESULT hr = conexao.Le(indices[static_cast<size_t>(i)].ponteiro & mascara_ponteiro, &conta);
        com::check(hr, msg::ler_conta_plano);
        lido.GetData()[i] = conta;
    }
    ordena(lido, ordem_classificacao);
    m_Plano.Copy(lido);
    return quantidade;
}

}  // namespace masterdata

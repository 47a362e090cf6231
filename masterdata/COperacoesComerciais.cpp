#include "masterdata/COperacoesComerciais.h"

#include "masterdata/operacoes_comerciais_sugestao.h"
#include "platform/com/out_param.h"
#include "platform/com/text.h"
#include "platform/com/wire_pointer.h"
#include "platform/inhouse/acesso/QVAcesso.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "server/holders/CBufferCFRT.h"

namespace masterdata {

void COperacoesComerciais::Inicializa(const std::string& empresa, WORD usuario, long sessao) {
    m_sEmpresa = empresa;
    m_wUsuario = usuario;
    m_lSessao = sessao;
    m_conexao.Inicializa(m_sEmpresa, m_wUsuario, m_lSessao);
    m_conexao.SetTipoNF(2);
    m_conexao.SetTrataErros(false);
    m_conexao.SetTratarMensagens(false);
}

_REG_DFSNTF_OPERACOES_COMERCIAIS_PS COperacoesComerciais::LePtr(LONG ponteiro) {
    _REG_DFSNTF_OPERACOES_COMERCIAIS_PS r{};
    if (ponteiro < 0 || ponteiro > 0xFFFF || m_conexao.Le(static_cast<WORD>(ponteiro), 0, &r) != S_OK) r = {};
    return r;
}

bool COperacoesComerciais::LeKept(LONG lPos, _REG_DFSNTF_OPERACOES_COMERCIAIS_PS& registro) {
    if (lPos < 0 || static_cast<size_t>(lPos) >= m_posicoes.size()) return false;
    registro = LePtr(m_posicoes[static_cast<size_t>(lPos)]);
    return true;
}

HRESULT COperacoesComerciais::Quantidade(LONG* plQuantidade) noexcept try {
    if (!plQuantidade) return E_POINTER;
    *plQuantidade = 0;
    m_posicoes.clear();
    tagREG_DFSNTF_PONTEIROS_OPCPS lista{};
    if (SUCCEEDED(m_conexao.BuscaPonteirosOpComerciais(&lista))) {
        const auto* array = static_cast<const uint32_t*>(com::wire_pointer_get(lista.ponteiros));
        try {
            for (uint32_t i = 0; array && i < lista.quantidade; ++i) m_posicoes.push_back(static_cast<WORD>(array[i]));
        } catch (...) {
            CConexaoOpComerciais::LiberaPonteiros(lista);
            throw;
        }
    }
    CConexaoOpComerciais::LiberaPonteiros(lista);
    return com::put_number(plQuantidade, static_cast<LONG>(m_posicoes.size()));
} catch (...) {
    return report();
}

HRESULT COperacoesComerciais::LeCodigo(LONG lPos, BSTR* pbsCodigo) noexcept try {
    if (!pbsCodigo) return E_POINTER;
    *pbsCodigo = nullptr;
    _REG_DFSNTF_OPERACOES_COMERCIAIS_PS r{};
    if (!LeKept(lPos, r)) return E_INVALIDARG;
    return com::put_text(pbsCodigo, inhouse::texto_campo(r.codigo));
} catch (...) {
    return report();
}

HRESULT COperacoesComerciais::LeDescricao(LONG lPos, BSTR* pbsDescricao) noexcept try {
    if (!pbsDescricao) return E_POINTER;
    *pbsDescricao = nullptr;
    _REG_DFSNTF_OPERACOES_COMERCIAIS_PS r{};
    if (!LeKept(lPos, r)) return E_INVALIDARG;
    return com::put_text(pbsDescricao, inhouse::texto_campo(r.descricao));
} catch (...) {
    return report();
}

HRESULT COperacoesComerciais::LeIndisponivelWeb(LONG lPos, VARIANT_BOOL* bValue) noexcept try {
    if (!bValue) return E_POINTER;
    *bValue = VARIANT_FALSE;
    _REG_DFSNTF_OPERACOES_COMERCIAIS_PS r{};
    if (!LeKept(lPos, r)) return E_INVALIDARG;
    return com::put_bool(bValue, r.indisponivel_web > 0);
} catch (...) {
    return report();
}

HRESULT COperacoesComerciais::LeNome(LONG lPos, BSTR* pbsNome) noexcept try {
    return com::put_text(pbsNome, inhouse::texto_campo(LePtr(lPos).descricao));
} catch (...) {
    return report();
}

HRESULT COperacoesComerciais::LeCodigoPtr(LONG lPtr, BSTR* pbsCodigo) noexcept try {
    return com::put_text(pbsCodigo, inhouse::texto_campo(LePtr(lPtr).codigo));
} catch (...) {
    return report();
}

HRESULT COperacoesComerciais::LeIndisponivelWebPtr(LONG lPtr, VARIANT_BOOL* bValue) noexcept try {
    return com::put_bool(bValue, LePtr(lPtr).indisponivel_web > 0);
} catch (...) {
    return report();
}

HRESULT COperacoesComerciais::Existe(BSTR bsCodigo, LONG* plValor) noexcept try {
    if (!plValor) return E_POINTER;
    *plValor = 0;
    DWORD valor = 0;
    _REG_DFSNTF_OPERACOES_COMERCIAIS_PS r{};
    if (SUCCEEDED(m_conexao.Existe(com::from_bstr(bsCodigo).c_str(), &valor, &r))) *plValor = static_cast<LONG>(valor);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT COperacoesComerciais::GetCfopSugerida(LONG* plCfop) noexcept try {
    if (!plCfop) return E_POINTER;
    HRESULT hr = S_OK;
    return com::put_number(plCfop, CfopSugerida(m_conexao, &hr));
} catch (...) {
    return report();
}

HRESULT COperacoesComerciais::GetIcmsSugerido(BSTR* pbsIcms) noexcept try {
    HRESULT hr = S_OK;
    return com::put_text(pbsIcms, IcmsSugerido(m_conexao, &hr));
} catch (...) {
    return report();
}

HRESULT COperacoesComerciais::SetOpComercial(LONG lPonteiro) noexcept try {
    m_conexao.SetOpComercial(static_cast<DWORD>(lPonteiro));
    return S_OK;
} catch (...) {
    return report();
}

HRESULT COperacoesComerciais::SetFilial(LONG lFilial) noexcept try {
    CConexaoFilial filial;
    filial.SetTrataErros(false);
    filial.SetTratarMensagens(false);
    filial.Inicializa(m_sEmpresa, m_wUsuario, m_lSessao, false);
    inhouse::REG_FILIAL registro{};
    if (filial.Le(lFilial, &registro) == S_OK) m_conexao.SetFilial(static_cast<WORD>(lFilial), registro);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT COperacoesComerciais::SetCliente(BSTR sCliente) noexcept try {
    CConexaoPlanoContabil plano;
    plano.SetTrataErros(false);
    plano.SetTratarMensagens(false);
    if (FAILED(plano.Inicializa(m_sEmpresa, m_wUsuario, m_lSessao, '0', '0'))) return S_OK;
    IQVDF_Plano* servidor = nullptr;
    if (FAILED(plano.Servidor(servidor))) return S_OK;
    LONG chave = 0;
    _RegContaPS conta{};
    if (FAILED(servidor->BuscaCodigo(com::to_bstr(com::from_bstr(sCliente)).get(), &chave,
                                     reinterpret_cast<BYTE*>(&conta))))
        return S_OK;
    CBufferCFRT buffer;
    if (buffer.Inicializa(m_sEmpresa, m_wUsuario, m_lSessao) != S_OK) return S_OK;
    QVCFRT cliente{};
    cliente.posicao_plano = chave;
    // Only a customer read whole becomes the filter; otherwise the filter stays as it was.
    if (chave != 0 && buffer.Le(&cliente, 0) == S_OK) m_conexao.SetCliente(cliente);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT COperacoesComerciais::SetProduto(BSTR sProduto) noexcept try {
    CMyConexaoProduto produtos;
    produtos.SetTrataErros(false);
    produtos.SetTratarMensagens(false);
    if (FAILED(produtos.CConexaoDFSPRO::Inicializa(m_sEmpresa, m_wUsuario, m_lSessao))) return S_OK;
    long posicao = 0;
    _REG_PRODUTOPS produto{};
    // Only a product found becomes the filter; otherwise the filter stays as it was.
    if (produtos.ExisteProduto(com::from_bstr(sProduto).c_str(), 'A', 1, &posicao, &produto) == 1)
        m_conexao.SetProduto(produto);
    return S_OK;
} catch (...) {
    return report();
}

}  // namespace masterdata

#include "masterdata/CTW_DF_Servicos.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

#include "base/QVCurrency.h"
#include "masterdata/messages.h"
#include "platform/com/failure.h"
#include "platform/com/out_param.h"
#include "platform/com/text.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "server/holders/CPoolConexoes.h"

namespace masterdata {

namespace {

CConexaoServico& conexao_servico() { return *server::CPoolConexoes::GetInstancia()->GetConexaoServico(); }

// Only the five fields the list shows are kept; the rest of the entry is zero.
_REG_SERVICOSPS campos_usados(const _REG_SERVICOSPS& lido) {
    _REG_SERVICOSPS s{};
    s.preco = lido.preco;
    s.unidade = lido.unidade;
    std::memcpy(s.classificacao, lido.classificacao, sizeof s.classificacao);
    std::memcpy(s.codigo, lido.codigo, sizeof s.codigo);
    std::memcpy(s.nome, lido.nome, sizeof s.nome);
    return s;
}

std::string texto(const char* campo, size_t largura) { return std::string(inhouse::texto_campo(campo, largura)); }
std::string codigo(const _REG_SERVICOSPS& s) { return texto(s.codigo, sizeof s.codigo); }
std::string nome(const _REG_SERVICOSPS& s) { return texto(s.nome, sizeof s.nome); }
std::string classificacao(const _REG_SERVICOSPS& s) { return texto(s.classificacao, sizeof s.classificacao); }

}  // namespace

void CTW_DF_Servicos::Carrega() {
    CConexaoServico& conexao = conexao_servico();
    IQVDF_Produto* servidor = conexao.GetInterface();
    if (!servidor) com::fail(msg::quantidade_servicos, E_UNEXPECTED);
    LONG quantidade = 0;
    const HRESULT hr = servidor->Quantidade(com::to_bstr(std::string("X")).get(), 0, &quantidade);
    if (FAILED(hr)) com::fail(msg::quantidade_servicos, hr);
    std::vector<entrada> lidos;
    lidos.reserve(static_cast<size_t>(std::max<LONG>(quantidade, 0)));
    for (LONG i = 0; i < quantidade; ++i) {
        _REG_SERVICOSPS lido{};
        const HRESULT lido_hr = conexao.Le(i + 1, &lido, 1);
        // A deleted service leaves its position empty: nothing there to list.
        if (lido_hr == inhouse::QV_E_SERVICO_EXCLUIDO) continue;
        if (FAILED(lido_hr)) com::fail(msg::ler_servico, lido_hr);
        lidos.push_back({i + 1, campos_usados(lido)});
    }
    std::sort(lidos.begin(), lidos.end(),
              [](const entrada& a, const entrada& b) { return classificacao(a.servico) < classificacao(b.servico); });
    m_servicos = std::move(lidos);
}

void CTW_DF_Servicos::Seleciona(const _REG_SERVICOSPS& servico) {
    _REG_UNIDADES_MEDIDA_SERVICOSPS unidade{};
    const HRESULT hr = server::CPoolConexoes::GetInstancia()->GetMyConexaoProduto()->LeUnidadeMedidaServico(servico.unidade, &unidade);
    // A unit that is not in the register reads as none; a failed call is a failure.
    if (FAILED(hr) && hr != inhouse::QV_E_UNIDADE_DESCONHECIDA) com::fail(msg::ler_unidade, hr);
    m_atual = servico;
    m_unidade = SUCCEEDED(hr) ? unidade : _REG_UNIDADES_MEDIDA_SERVICOSPS{};
}

HRESULT CTW_DF_Servicos::SetTabPrecos(LONG lTabPreco) noexcept {
    m_lTabPreco = lTabPreco;
    return S_OK;
}

HRESULT CTW_DF_Servicos::BuscaPonteiros(LONG* plQuantidade) noexcept try {
    if (!plQuantidade) return E_POINTER;
    *plQuantidade = 0;
    if (m_servicos.empty()) Carrega();
    return com::put_number(plQuantidade, static_cast<LONG>(m_servicos.size()));
} catch (...) {
    return report();
}

HRESULT CTW_DF_Servicos::LePosicao(USHORT uPosicao) noexcept try {
    if (uPosicao >= m_servicos.size()) return E_INVALIDARG;
    Seleciona(m_servicos[uPosicao].servico);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_DF_Servicos::GetCodigo(BSTR* pbsCodigo) noexcept try {
    return com::put_text(pbsCodigo, codigo(m_atual));
} catch (...) {
    return report();
}

HRESULT CTW_DF_Servicos::GetNome(BSTR* pbsNome) noexcept try {
    return com::put_text(pbsNome, nome(m_atual));
} catch (...) {
    return report();
}

HRESULT CTW_DF_Servicos::GetClassificacao(BSTR* pbsClassificacao) noexcept try {
    return com::put_text(pbsClassificacao, classificacao(m_atual));
} catch (...) {
    return report();
}

HRESULT CTW_DF_Servicos::SetOrdenacao(USHORT usOrdem) noexcept try {
    using E = entrada;
    auto ordena = [&](auto menor) { std::sort(m_servicos.begin(), m_servicos.end(), menor); };
    switch (usOrdem) {
    case 1: ordena([](const E& a, const E& b) { return nome(a.servico) < nome(b.servico); }); break;
    case 2: ordena([](const E& a, const E& b) { return classificacao(a.servico) < classificacao(b.servico); }); break;
    case 3: break;
    case 4: ordena([](const E& a, const E& b) { return a.servico.preco < b.servico.preco; }); break;
    default:
        ordena([](const E& a, const E& b) {
            return std::atoi(codigo(a.servico).c_str()) < std::atoi(codigo(b.servico).c_str());
        });
        break;
    }
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_DF_Servicos::GetServico(BSTR bsCodigo, VARIANT_BOOL* pvbExiste) noexcept try {
    if (!pvbExiste) return E_POINTER;
    *pvbExiste = VARIANT_FALSE;
    long ponteiro = 0;
    _REG_SERVICOSPS lido{};
    const int resposta = conexao_servico().Existe(com::from_bstr(bsCodigo).c_str(), &ponteiro, &lido, 1, 'A');
    if (resposta < 0) com::fail(msg::procurar_servico, resposta);
    if (resposta != 1) return S_OK;
    if (m_servicos.empty()) Carrega();
    const auto it = std::find_if(m_servicos.begin(), m_servicos.end(), [&](const entrada& e) { return e.ponteiro == ponteiro; });
    Seleciona(it != m_servicos.end() ? it->servico : campos_usados(lido));
    *pvbExiste = VARIANT_TRUE;
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_DF_Servicos::GetUnidade(BSTR* pbsUnidade) noexcept try {
    return com::put_text(pbsUnidade, inhouse::texto_campo(m_unidade.unidade));
} catch (...) {
    return report();
}

HRESULT CTW_DF_Servicos::GetPrecoVenda(BSTR* pbsPreco) noexcept try {
    CURRENCY cy;
    cy.int64 = m_atual.preco;
    return com::put_text(pbsPreco, std::string(QVFormataCY(cy)));
} catch (...) {
    return report();
}

HRESULT CTW_DF_Servicos::GetQtdeCasasDecimais(LONG* piCasas) noexcept {
    static constexpr LONG casas[] = {0, 2, 4};
    return com::put_number(piCasas, m_unidade.casas < 3 ? casas[m_unidade.casas] : 0);
}

HRESULT CTW_DF_Servicos::PossuiFormatoHorario(VARIANT_BOOL* pvbHorario) noexcept {
    return com::put_bool(pvbHorario, m_unidade.horario == 1);
}

}  // namespace masterdata

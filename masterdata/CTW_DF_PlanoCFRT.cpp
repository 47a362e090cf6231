#include "masterdata/CTW_DF_PlanoCFRT.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "masterdata/conta_registro.h"
#include "masterdata/messages.h"
#include "masterdata/plano_contas.h"
#include "platform/com/failure.h"
#include "platform/com/out_param.h"
#include "platform/com/text.h"
#include "platform/com/unique.h"
#include "server/holders/CPoolConexoes.h"

namespace masterdata {

namespace {

CConexaoPlano& conexao() { return *server::CPoolConexoes::GetInstancia()->GetConexaoPlanoContabil(); }

struct letra_caracteristica {
    char letra;
    USHORT bit;
};
constexpr letra_caracteristica letras[] = {{'C', CTW_DF_PlanoCFRT::cliente},
                                           {'F', CTW_DF_PlanoCFRT::fornecedor},
                                           {'R', CTW_DF_PlanoCFRT::representante},
                                           {'T', CTW_DF_PlanoCFRT::transportadora}};

struct modelo_caracteristica {
    USHORT caracteristica;
    size_t offset;
};
constexpr modelo_caracteristica modelos[] = {{CTW_DF_PlanoCFRT::cliente, QV_PLANO_CONFIG_MODELO_CLIENTE},
                                             {CTW_DF_PlanoCFRT::fornecedor, QV_PLANO_CONFIG_MODELO_FORNECEDOR},
                                             {CTW_DF_PlanoCFRT::transportadora, QV_PLANO_CONFIG_MODELO_TRANSPORTADORA},
                                             {CTW_DF_PlanoCFRT::representante, QV_PLANO_CONFIG_MODELO_REPRESENTANTE}};
constexpr size_t largura_modelo = 31;

}  // namespace

USHORT CTW_DF_PlanoCFRT::CaracteristicaDe(const std::string& texto) {
    USHORT c = 0;
    for (const auto& l : letras)
        if (texto.find(l.letra) != std::string::npos) c |= l.bit;
    return c;
}

std::string CTW_DF_PlanoCFRT::ProximaClassificacao(const std::string& modelo) {
    const size_t ponto = modelo.rfind('.');
    if (ponto == std::string::npos) return modelo;
    const std::string segmento = modelo.substr(ponto + 1);
    const int n = std::atoi(segmento.c_str());
    if (n == 0 || n == 1) return modelo;
    char proximo[48] = {};
    std::snprintf(proximo, sizeof proximo, "%0*i", static_cast<int>(segmento.size()), n + 1);
    return modelo.substr(0, ponto + 1) + proximo;
}

HRESULT CTW_DF_PlanoCFRT::SetTipoBusca(BSTR bsCfrt) noexcept try {
    m_usCaracteristica = CaracteristicaDe(com::from_bstr(bsCfrt));
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_DF_PlanoCFRT::BuscaPonteiros(ULONG* pulQuantidade) noexcept try {
    if (!pulQuantidade) return E_POINTER;
    *pulQuantidade = 0;
    if (auto it = m_Listas.find(m_usCaracteristica); it != m_Listas.end()) {
        *pulQuantidade = static_cast<ULONG>(it->second.GetSize());
        return S_OK;
    }
    CConexaoPlano& c = conexao();
    IQVDF_Plano& plano = servidor_plano(c, msg::buscar_plano);
    BYTE* resposta = nullptr;
    com::unique_bstr analiticas = com::to_bstr("A");
    com::check(plano.BuscaContas(m_usCaracteristica, analiticas.get(), &resposta), msg::buscar_plano);
    std::vector<uint32_t> ponteiros;
    if (!ponteiros_da_busca(resposta, ponteiros)) return S_OK;
    CTWDFContaArray lista(false);
    lista.SetSize(static_cast<int>(ponteiros.size()));
    for (size_t i = 0; i < ponteiros.size(); ++i) {
        _RegContaPS conta{};
        com::check(c.Le(ponteiros[i], &conta), msg::ler_contas);
        m_Conta& e = lista.GetData()[i];
        e.codigo = texto_conta(conta, campo::codigo, campo::largura_codigo + 1);
        e.nome = texto_conta(conta, campo::nome, campo::largura_nome + 1);
        e.classificacao = texto_conta(conta, campo::classificacao, campo::largura_classificacao + 1);
        e.inscricao = texto_conta(conta, campo::cpf_cnpj, campo::largura_cpf_cnpj);
        e.tipo = std::string(1, static_cast<char>(byte_conta(conta, campo::tipo)));
    }
    *pulQuantidade = static_cast<ULONG>(lista.GetSize());
    m_Listas.insert_or_assign(m_usCaracteristica, std::move(lista));
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_DF_PlanoCFRT::LePosicao(ULONG ulPosArray) noexcept try {
    const auto it = m_Listas.find(m_usCaracteristica);
    if (it == m_Listas.end()) com::fail(msg::busca_nao_feita);
    if (ulPosArray >= static_cast<ULONG>(it->second.GetSize())) return E_INVALIDARG;
    m_ContaAtual = it->second.GetData()[ulPosArray];
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_DF_PlanoCFRT::GetCodigo(BSTR* p) noexcept { return com::put_text(p, m_ContaAtual.codigo); }
HRESULT CTW_DF_PlanoCFRT::GetNome(BSTR* p) noexcept { return com::put_text(p, m_ContaAtual.nome); }
HRESULT CTW_DF_PlanoCFRT::GetClassificacao(BSTR* p) noexcept { return com::put_text(p, m_ContaAtual.classificacao); }
HRESULT CTW_DF_PlanoCFRT::GetInscricao(BSTR* p) noexcept { return com::put_text(p, m_ContaAtual.inscricao); }
HRESULT CTW_DF_PlanoCFRT::GetTipo(BSTR* p) noexcept { return com::put_text(p, m_ContaAtual.tipo); }

HRESULT CTW_DF_PlanoCFRT::LeCodigo(BSTR bsCodigo, VARIANT_BOOL* pvbExiste) noexcept try {
    if (!pvbExiste) return E_POINTER;
    *pvbExiste = VARIANT_FALSE;
    ULONG quantidade = 0;
    if (HRESULT hr = BuscaPonteiros(&quantidade); FAILED(hr)) return hr;
    const std::string codigo = com::from_bstr(bsCodigo);
    for (ULONG i = 0; i < quantidade; ++i) {
        if (HRESULT hr = LePosicao(i); FAILED(hr)) return hr;
        if (m_ContaAtual.codigo == codigo) {
            *pvbExiste = VARIANT_TRUE;
            break;
        }
    }
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_DF_PlanoCFRT::SetPosicaoRepresentante(ULONG ulRepresentante, VARIANT_BOOL* pvbRepresentanteValido) noexcept try {
    if (!pvbRepresentanteValido) return E_POINTER;
    *pvbRepresentanteValido = VARIANT_FALSE;
    confere_representante(ulRepresentante);
    IQVDF_Plano& plano = servidor_plano(conexao(), msg::buscar_plano);
    _RegContaPS conta{};
    if (FAILED(plano.LeConta(static_cast<LONG>(ulRepresentante), reinterpret_cast<BYTE*>(&conta)))) conta = {};
    if (byte_conta(conta, campo::representante) != 'S') return S_OK;
    plano.LimitaRepresentante(static_cast<LONG>(ulRepresentante));
    *pvbRepresentanteValido = VARIANT_TRUE;
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_DF_PlanoCFRT::SugereClassificacao(BSTR bsTipo, BSTR* bsClassificacao) noexcept try {
    if (!bsClassificacao) return E_POINTER;
    *bsClassificacao = nullptr;
    std::array<BYTE, QV_PLANO_TAMANHO_CONFIGURACAO> configuracao{};
    IQVDF_Plano& plano = servidor_plano(conexao(), msg::buscar_plano);
    if (FAILED(plano.LeConfiguracao(configuracao.data()))) configuracao = {};
    ULONG ignorada = 0;
    BuscaPonteiros(&ignorada);
    if (HRESULT hr = SetTipoBusca(bsTipo); FAILED(hr)) return hr;
    std::string sugerida;   // no single kind named: no model, no suggestion
    for (const auto& m : modelos) {
        if (m.caracteristica != m_usCaracteristica) continue;
        const char* modelo = reinterpret_cast<const char*>(configuracao.data()) + m.offset;
        sugerida = ProximaClassificacao(std::string(modelo, strnlen(modelo, largura_modelo)));
    }
    return com::put_text(bsClassificacao, sugerida);
} catch (...) {
    return report();
}

}  // namespace masterdata

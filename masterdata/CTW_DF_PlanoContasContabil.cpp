#include "masterdata/CTW_DF_PlanoContasContabil.h"

#include "masterdata/conta_registro.h"
#include "masterdata/messages.h"
#include "platform/com/failure.h"
#include "platform/com/out_param.h"
#include "platform/com/text.h"
#include "platform/com/unique.h"
#include "server/holders/CPoolConexoes.h"

namespace masterdata {

namespace {
CConexaoPlano& conexao() { return *server::CPoolConexoes::GetInstancia()->GetConexaoPlanoContabil(); }
constexpr USHORT clientes_e_fornecedores = 12;
}  // namespace

void CTW_DF_PlanoContasContabil::final_construct() {
    limita_ao_representante(servidor_plano(conexao(), msg::falha_plano), msg::falha_plano);
}

HRESULT CTW_DF_PlanoContasContabil::Poe(size_t offset, size_t largura, BSTR texto, VARIANT_BOOL* pvbValido) noexcept try {
    if (!pvbValido) return E_POINTER;
    *pvbValido = VARIANT_FALSE;
    poe_texto_conta(m_RegConta, offset, largura, com::from_bstr(texto));
    return com::put_bool(pvbValido, !texto_conta(m_RegConta, offset, largura + 1).empty());
} catch (...) {
    return report();
}

HRESULT CTW_DF_PlanoContasContabil::SetNome(BSTR bsNome, VARIANT_BOOL* pvbValido) noexcept {
    return Poe(campo::nome, campo::largura_nome, bsNome, pvbValido);
}

HRESULT CTW_DF_PlanoContasContabil::SetClassificacao(BSTR bsClassificacao, VARIANT_BOOL* pvbValido) noexcept {
    return Poe(campo::classificacao, campo::largura_classificacao, bsClassificacao, pvbValido);
}

HRESULT CTW_DF_PlanoContasContabil::SetCodigo(BSTR bsCodigo, VARIANT_BOOL* pvbValido) noexcept {
    return Poe(campo::codigo_proprio, campo::largura_codigo_proprio, bsCodigo, pvbValido);
}

HRESULT CTW_DF_PlanoContasContabil::GetUtilizaCodigoProprio(VARIANT_BOOL* pvbUtiliza) noexcept try {
    if (!pvbUtiliza) return E_POINTER;
    *pvbUtiliza = VARIANT_FALSE;
    return com::put_bool(pvbUtiliza, plano_contas::UtilizaCodigoProprio(
                                         servidor_plano(conexao(), msg::ler_configuracoes), msg::ler_configuracoes));
} catch (...) {
    return report();
}

HRESULT CTW_DF_PlanoContasContabil::GravaConta(LONG* lResultado) noexcept try {
    if (!lResultado) return E_POINTER;
    *lResultado = 0;
    _RegContaPS conta = m_RegConta;
    reinterpret_cast<char*>(&conta)[campo::tipo] = 'A';
    reinterpret_cast<char*>(&conta)[campo::oculta] = 0;
    const std::string codigo_proprio = texto_conta(conta, campo::codigo_proprio, campo::largura_codigo_proprio + 1);
    *lResultado = plano_contas::Grava(servidor_plano(conexao(), msg::consultar_plano), conta, codigo_proprio, false);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_DF_PlanoContasContabil::GetPosicao(LONG lPosicaoArray, IQVDF_Conta** ppConta) noexcept try {
    if (!ppConta) return E_POINTER;
    *ppConta = nullptr;
    *ppConta = m_plano.ContaDaLista(conexao(), lPosicaoArray, msg::pesquisar_plano, msg::ler_conta, true).detach();
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_DF_PlanoContasContabil::BuscaF4Contas(USHORT iCaracteristica, BSTR bsTipoConta,
                                                  LONG* lQuantidadeBuscada) noexcept try {
    if (!lQuantidadeBuscada) return E_POINTER;
    *lQuantidadeBuscada = 0;
    *lQuantidadeBuscada = m_plano.BuscaF4(servidor_plano(conexao(), msg::ler_plano_contas), iCaracteristica,
                                          bsTipoConta, msg::ler_plano_contas);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_DF_PlanoContasContabil::BuscaClientesFornecedores(LONG* lQuantidadeBuscada) noexcept try {
    if (!lQuantidadeBuscada) return E_POINTER;
    *lQuantidadeBuscada = 0;
    com::unique_bstr todas = com::to_bstr("X");
    *lQuantidadeBuscada = m_plano.BuscaF4(servidor_plano(conexao(), msg::ler_plano_contas), clientes_e_fornecedores,
                                          todas.get(), msg::ler_plano_contas);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_DF_PlanoContasContabil::GetCodigo(BSTR bsCodigo, IQVDF_Conta** ppConta) noexcept try {
    if (!ppConta) return E_POINTER;
    *ppConta = nullptr;
    const std::string codigo = com::from_bstr(bsCodigo);
    if (codigo.empty()) return S_OK;   // an empty text names no account
    CConexaoPlano& c = conexao();
    for (const uint32_t ponteiro : m_plano.Lista()) {
        _RegContaPS conta{};
        const HRESULT hr = c.Le(ponteiro, &conta);
        com::check(hr, msg::pesquisar_plano);
        if (hr != S_OK || byte_conta(conta, campo::oculta) != 0) continue;
        if (texto_conta(conta, campo::codigo, campo::largura_codigo + 1) == codigo ||
            texto_conta(conta, campo::cpf_cnpj, campo::largura_cpf_cnpj) == codigo) {
            *ppConta = objeto_conta(conta, true, msg::ler_conta).detach();
            return S_OK;
        }
    }
    return S_OK;
} catch (...) {
    return report();
}

}  // namespace masterdata

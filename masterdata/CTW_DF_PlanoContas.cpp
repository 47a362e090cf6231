#include "masterdata/CTW_DF_PlanoContas.h"

#include "masterdata/CQVDF_Conta.h"
#include "masterdata/conta_registro.h"
#include "masterdata/messages.h"
#include "platform/com/failure.h"
#include "platform/com/out_param.h"
#include "server/holders/CPoolConexoes.h"

namespace masterdata {

namespace operacoes_plano_contas {

com::com_ptr<IQVDF_Conta> GetPosicao(const plano_contas& plano, CConexaoPlano& conexao, LONG posicao,
                                     const char* texto_criar) {
    return plano.ContaDaLista(conexao, posicao, msg::pesquisar_plano, texto_criar, false);
}

LONG BuscaF4Contas(plano_contas& plano, CConexaoPlano& conexao, USHORT caracteristica, BSTR tipo) {
    return plano.BuscaF4(servidor_plano(conexao, msg::ler_plano_contas), caracteristica, tipo, msg::ler_plano_contas);
}

com::com_ptr<IQVDF_Conta> Le(CConexaoPlano& conexao, LONG posicao) {
    return plano_contas::Le(servidor_plano(conexao, msg::ler_plano_contas), posicao);
}

com::com_ptr<IQVDF_Conta> Existe(CConexaoPlano& conexao, BSTR codigo) {
    return plano_contas::Existe(servidor_plano(conexao, msg::pesquisar_plano), codigo);
}

LONG GravaConta(CConexaoPlano& conexao, IQVDF_Conta* conta) {
    if (!conta) com::fail(msg::gravar_conta, E_POINTER);
    std::string codigo_proprio;
    const _RegContaPS registro = plano_contas::RegistroDe(*conta, codigo_proprio);
    return plano_contas::Grava(servidor_plano(conexao, msg::consultar_plano), registro, codigo_proprio, true);
}

com::com_ptr<IQVDF_Conta> NovaConta() {
    try {
        return com::com_ptr<IQVDF_Conta>::attach(com::make<CQVDF_Conta>().detach());
    } catch (...) {
        com::fail(msg::nova_conta, E_OUTOFMEMORY);
    }
}

bool UtilizaCodigoProprio(CConexaoPlano& conexao) {
    return plano_contas::UtilizaCodigoProprio(servidor_plano(conexao, msg::ler_configuracoes), msg::ler_configuracoes);
}

}  // namespace operacoes_plano_contas

namespace {
CConexaoPlano& conexao() { return *server::CPoolConexoes::GetInstancia()->GetConexaoPlanoContabil(); }
}  // namespace

void CTW_DF_PlanoContas::final_construct() {
    limita_ao_representante(servidor_plano(conexao(), msg::falha_plano), msg::falha_plano);
}

HRESULT CTW_DF_PlanoContas::GetPosicao(LONG lPosicaoArray, IQVDF_Conta** ppConta) noexcept try {
    if (!ppConta) return E_POINTER;
    *ppConta = nullptr;
    *ppConta = operacoes_plano_contas::GetPosicao(m_plano, conexao(), lPosicaoArray, msg::criar_conta).detach();
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_DF_PlanoContas::BuscaF4Contas(USHORT iCaracteristica, BSTR bsTipoConta, LONG* lQuantidadeBuscada) noexcept try {
    if (!lQuantidadeBuscada) return E_POINTER;
    *lQuantidadeBuscada = 0;
    *lQuantidadeBuscada = operacoes_plano_contas::BuscaF4Contas(m_plano, conexao(), iCaracteristica, bsTipoConta);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_DF_PlanoContas::Le(LONG Posicao, IQVDF_Conta** ppConta) noexcept try {
    if (!ppConta) return E_POINTER;
    *ppConta = nullptr;
    *ppConta = operacoes_plano_contas::Le(conexao(), Posicao).detach();
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_DF_PlanoContas::Existe(BSTR Codigo, IQVDF_Conta** ppConta) noexcept try {
    if (!ppConta) return E_POINTER;
    *ppConta = nullptr;
    *ppConta = operacoes_plano_contas::Existe(conexao(), Codigo).detach();
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_DF_PlanoContas::GravaConta(IQVDF_Conta* conta, LONG* resultado) noexcept try {
    if (!resultado) return E_POINTER;
    *resultado = 0;
    *resultado = operacoes_plano_contas::GravaConta(conexao(), conta);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_DF_PlanoContas::NovaConta(IQVDF_Conta** ppConta) noexcept try {
    if (!ppConta) return E_POINTER;
    *ppConta = nullptr;
    *ppConta = operacoes_plano_contas::NovaConta().detach();
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_DF_PlanoContas::get_UtilizaCodigoProprio(VARIANT_BOOL* pVal) noexcept try {
    if (!pVal) return E_POINTER;
    *pVal = VARIANT_FALSE;
    return com::put_bool(pVal, operacoes_plano_contas::UtilizaCodigoProprio(conexao()));
} catch (...) {
    return report();
}

}  // namespace masterdata

#include "masterdata/CQVDF_PlanoContas.h"

#include "masterdata/CTW_DF_PlanoContas.h"
#include "masterdata/conta_registro.h"
#include "masterdata/messages.h"
#include "masterdata/sessao_raiz.h"
#include "platform/com/failure.h"
#include "platform/com/out_param.h"
#include "platform/com/text.h"
#include "platform/com/unique.h"

namespace masterdata {

namespace ops = operacoes_plano_contas;

CQVDF_PlanoContas::CQVDF_PlanoContas() : m_conexao(std::make_unique<CConexaoPlanoContabil>()) {
    m_conexao->SetTrataErros(false);
    m_conexao->SetTratarMensagens(false);
}

CQVDF_PlanoContas::~CQVDF_PlanoContas() { m_conexao->Finaliza(); }

CConexaoPlano& CQVDF_PlanoContas::Conexao(const char* texto) {
    IQVDF_Plano* plano = nullptr;
    if (!m_conexao->IsInicializada()) com::fail(texto, E_UNEXPECTED);
    com::check(m_conexao->Servidor(plano), texto);
    return *m_conexao;
}

void CQVDF_PlanoContas::InicializaConexao(BSTR bsEmpresa, WORD usuario, long sessao) {
    m_conexao->Finaliza();
    com::check(m_conexao->Inicializa(CQVString(com::from_bstr(bsEmpresa)), usuario, sessao, '0', '0'),
               msg::inicializar_plano);
    // A representative's session sees only its customers here too.
    limita_ao_representante(servidor_plano(*m_conexao, msg::inicializar_plano), msg::inicializar_plano);
}

void CQVDF_PlanoContas::CopiaConexao(const CConexaoPlanoContabil& conexao) {
    com::unique_bstr empresa = com::to_bstr(std::string(conexao.GetEmpresa()));
    InicializaConexao(empresa.get(), conexao.GetUsuario(), conexao.GetSessao());
}

HRESULT CQVDF_PlanoContas::Inicializa(IQV_Inicializa* pInicializa) noexcept try {
    if (!pInicializa) com::fail(msg::inicializar_plano, E_POINTER);
    const sessao_raiz s = le_sessao_raiz(*pInicializa, msg::inicializar_plano);
    com::unique_bstr empresa = com::to_bstr(std::string(s.empresa));
    InicializaConexao(empresa.get(), s.usuario, s.sessao);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CQVDF_PlanoContas::GetPosicao(LONG lPosicaoArray, IQVDF_Conta** ppConta) noexcept try {
    if (!ppConta) return E_POINTER;
    *ppConta = nullptr;
    if (lPosicaoArray < 0 || static_cast<size_t>(lPosicaoArray) >= m_plano.Lista().size()) return S_OK;
    *ppConta = ops::GetPosicao(m_plano, Conexao(msg::falha_plano), lPosicaoArray, msg::ler_conta).detach();
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CQVDF_PlanoContas::BuscaF4Contas(USHORT iCaracteristica, BSTR bsTipoConta, LONG* lQuantidadeBuscada) noexcept try {
    if (!lQuantidadeBuscada) return E_POINTER;
    *lQuantidadeBuscada = 0;
    *lQuantidadeBuscada =
        ops::BuscaF4Contas(m_plano, Conexao(msg::criar_servidor_plano), iCaracteristica, bsTipoConta);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CQVDF_PlanoContas::Le(LONG Posicao, IQVDF_Conta** ppConta) noexcept try {
    if (!ppConta) return E_POINTER;
    *ppConta = nullptr;
    *ppConta = ops::Le(Conexao(msg::falha_plano), Posicao).detach();
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CQVDF_PlanoContas::Existe(BSTR Codigo, IQVDF_Conta** ppConta) noexcept try {
    if (!ppConta) return E_POINTER;
    *ppConta = nullptr;
    *ppConta = ops::Existe(Conexao(msg::falha_plano), Codigo).detach();
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CQVDF_PlanoContas::GravaConta(IQVDF_Conta* conta, LONG* resultado) noexcept try {
    if (!resultado) return E_POINTER;
    *resultado = 0;
    *resultado = ops::GravaConta(Conexao(msg::falha_plano), conta);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CQVDF_PlanoContas::NovaConta(IQVDF_Conta** ppConta) noexcept try {
    if (!ppConta) return E_POINTER;
    *ppConta = nullptr;
    Conexao(msg::falha_plano);
    *ppConta = ops::NovaConta().detach();
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CQVDF_PlanoContas::get_UtilizaCodigoProprio(VARIANT_BOOL* pVal) noexcept try {
    if (!pVal) return E_POINTER;
    *pVal = VARIANT_FALSE;
    return com::put_bool(pVal, ops::UtilizaCodigoProprio(Conexao(msg::falha_plano)));
} catch (...) {
    return report();
}

HRESULT CQVDF_PlanoContas::SetPonteiroRepresentanteF4(ULONG ulPonteiroRepresentante) noexcept try {
    IQVDF_Plano& plano = servidor_plano(Conexao(msg::falha_plano), msg::falha_plano);
    confere_representante(ulPonteiroRepresentante);
    return plano.LimitaRepresentante(static_cast<LONG>(ulPonteiroRepresentante));
} catch (...) {
    return report();
}

}  // namespace masterdata

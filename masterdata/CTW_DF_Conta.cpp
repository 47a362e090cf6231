#include "masterdata/CTW_DF_Conta.h"

#include "masterdata/conta_registro.h"
#include "platform/com/out_param.h"
#include "platform/com/text.h"

namespace masterdata {

HRESULT CTW_DF_Conta::GetNome(BSTR* pbsNome) noexcept {
    return com::put_text(pbsNome, texto_conta(m_RegConta, campo::nome, campo::largura_nome + 1));
}

HRESULT CTW_DF_Conta::GetClassificacao(BSTR* pbsClassificacao) noexcept {
    return com::put_text(pbsClassificacao,
                         texto_conta(m_RegConta, campo::classificacao, campo::largura_classificacao + 1));
}

HRESULT CTW_DF_Conta::GetTipo(BSTR* pbsTipo) noexcept { return com::put_text(pbsTipo, tipo_conta(m_RegConta)); }

bool CTW_DF_Conta::Procura(CConexaoPlano& conexao, BSTR bsCodigo) {
    const std::string codigo = com::from_bstr(bsCodigo);
    DWORD ponteiro = 0;
    _RegContaPS lida{};
    const bool existe = conexao.Existe(codigo.c_str(), &ponteiro, &lida) != 0;
    m_ulPonteiro = existe ? ponteiro : 0;
    m_RegConta = existe ? lida : _RegContaPS{};
    return existe;
}

}  // namespace masterdata

#include "sales/relatorio_vendas_base.h"

#include "platform/com/failure.h"
#include "platform/com/text.h"
#include "platform/inhouse/acesso/QVAcesso.h"
#include "server/holders/CPoolConexoes.h"
#include "server/holders/CSessaoGlobal.h"

namespace sales {

bool relatorio_vendas_base::SetFilial(BSTR bsFilial) {
    inhouse::REG_FILIAL filial{};
    return server::CPoolConexoes::GetInstancia()->GetConexaoFilial()->Existe(com::from_bstr(bsFilial), &m_lFilial,
                                                                             &filial) == 1;
}

relatorio_vendas_base::textos_servidor relatorio_vendas_base::TextosServidor(const char* prefixo) const {
    textos_servidor t{server::arquivo_temporario(NomeTemporario(prefixo)), {}, {}, {}};
    t.nome = com::to_bstr(t.arquivo.caminho());
    t.razao_social = com::to_bstr(server::CSessaoGlobal::GetInstancia()->GetRazaoSocial());
    t.modelo = com::to_bstr(Modelo());
    return t;
}

void relatorio_vendas_base::VerificaRelatorio(HRESULT hr, const char* texto) {
    if (hr != S_OK) com::fail(texto, FAILED(hr) ? hr : E_FAIL);
}

}  // namespace sales

#include "masterdata/CTW_DF_RelatorioPlano.h"

#include "masterdata/conta_registro.h"
#include "masterdata/messages.h"
#include "platform/com/failure.h"
#include "platform/com/text.h"
#include "server/holders/CSessaoGlobal.h"

namespace masterdata {

namespace {
constexpr char tipo_titulo = 'T';
// What the chart server's report is asked for besides the account; the server knows their sense.
constexpr LONG opcao_relatorio_1 = 1;
constexpr LONG opcao_relatorio_2 = 0;
}  // namespace

void CTW_DF_RelatorioPlano::SetConta(BSTR bsConta) { m_sConta = com::from_bstr(bsConta); }

server::arquivo_temporario CTW_DF_RelatorioPlano::GravaRelatorioPlano(CConexaoPlano& conexao) {
    if (Tipo() == nao_definido) com::fail(msg::tipo_relatorio_nao_definido);
    // The server first: a server that cannot be had is a failed report, not a missing account.
    IQVDF_Plano& plano = servidor_plano(conexao, msg::gerar_relatorio);
    DWORD ponteiro = 0;
    if (!m_sConta.empty()) {
        _RegContaPS conta{};
        if (!conexao.Existe(m_sConta.c_str(), &ponteiro, &conta)) com::fail(msg::conta_nao_existe);
        if (byte_conta(conta, campo::tipo) != tipo_titulo) com::fail(msg::conta_titulo);
    }
    server::arquivo_temporario arquivo(NomeTemporario("PLA"));
    com::unique_bstr caminho = com::to_bstr(arquivo.caminho());
    com::unique_bstr modelo = com::to_bstr(Modelo());
    com::unique_bstr razao_social = com::to_bstr(server::CSessaoGlobal::GetInstancia()->GetRazaoSocial());
    if (FAILED(plano.GeraRelatorio(caminho.get(), modelo.get(), razao_social.get(), static_cast<LONG>(ponteiro),
                                   opcao_relatorio_1, opcao_relatorio_2)))
        com::fail(msg::gerar_relatorio);
    return arquivo;
}

}  // namespace masterdata

#pragma once
// The chart report: the report base with an account filter. The chart server of the report's
// connection writes the whole chart, or the title account given and the accounts below it.
#include <string>

#include "platform/inhouse/acesso/QVAcesso.h"
#include "server/root/CTW_Relatorio.h"

namespace masterdata {

class CTW_DF_RelatorioPlano : public server::CTW_Relatorio {
public:
    // The account's code (CP1252); empty: the whole chart.
    void SetConta(BSTR bsConta);
    const std::string& Conta() const noexcept { return m_sConta; }

protected:
    // Checks the type and the account, and has the chart server of the connection write the
    // report into a new temporary file. Throws com::failure.
    server::arquivo_temporario GravaRelatorioPlano(CConexaoPlano& conexao);

private:
    std::string m_sConta;
};

}  // namespace masterdata

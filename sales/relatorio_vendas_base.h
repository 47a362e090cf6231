#pragma once
// What the stock and sales report objects share on top of the report base: the period's dates,
// the branch, and the one road from a data server's report call to the client's answer.
#include <windows.h>
#include <oaidl.h>

#include <cstdint>
#include <string>

#include "platform/com/unique.h"
#include "server/root/CTW_Relatorio.h"

namespace sales {

class relatorio_vendas_base : public server::CTW_Relatorio {
public:
    void SetDataInicial(BSTR bsData) { CTW_Relatorio::SetDataFinal(bsData, m_usDataInicial); }
    void SetDataFinal(BSTR bsData) { CTW_Relatorio::SetDataFinal(bsData, m_usDataFinal); }
    // The branch of the code through the pool's branch connection; true when it exists. A code
    // that does not exist leaves what the connection wrote.
    bool SetFilial(BSTR bsFilial);

protected:
    // The report file's name and the session's texts as the data servers take them.
    struct textos_servidor {
        server::arquivo_temporario arquivo;
        com::unique_bstr nome, razao_social, modelo;
    };
    textos_servidor TextosServidor(const char* prefixo) const;
    // A data server's report answer: anything but S_OK fails with the text and a failure code
    // (a success code other than S_OK would hand the client no report).
    static void VerificaRelatorio(HRESULT hr, const char* texto);

    uint16_t m_usDataInicial = 0;
    uint16_t m_usDataFinal = 0;
    long m_lFilial = 0;
};

}  // namespace sales

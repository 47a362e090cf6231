#pragma once
// The worker behind CQVDFcHistorico: a session copy taken from a root object, its own history
// connection, the server positions of the histories (GetQuantidade) and one history read at a
// time. Failures are numbered messages (0x800A0000 + N).
#include <windows.h>

#include <string>
#include <vector>

#include "VAVEDERAZur.h"
#include "platform/inhouse/acesso/QVAcesso.h"
#include "server/root/CEmpresarialInicializa.h"

namespace masterdata {

class CDFcHistorico : public server::CEmpresarialInicializa {
public:
    // Takes the root object's session (its failure is returned as it is) and opens the worker's
    // connection with it (message 82). The positions counted before stay; the next read asks the
    // server again.
    HRESULT Inicializa(IQV_Inicializa* pInicializa);
    // Asks the server for its histories' positions again (messages 1, 83, 84).
    LONG GetQuantidade();
    // The history at list position lPos (messages 1, 85, 86; a failed read is tried again on the
    // next call, so it fails every time).
    std::string GetCodigo(LONG lPos);
    std::string GetConteudo(LONG lPos);
    LONG GetIdPrincipal(LONG lPos);
    // The first list position whose server position is the main id; -1 when there is none.
    LONG GetPosicaoLogicaIdPrincipal(LONG IdPrincipal) const;

private:
    void Le(LONG lPos);

    CConexaoHistorico m_conexao;
    std::vector<DWORD> m_posicoes;
    __MIDL___MIDL_itf_CNSHIS_0000_0000_0002 m_historico{};
    LONG m_lUltimaLida = -1;
};

}  // namespace masterdata

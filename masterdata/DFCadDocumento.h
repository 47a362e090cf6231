#pragma once
// The worker behind CQVDFCadDocto: a session copy taken from a root object, its own document
// connection and the document types it loaded, in the server's order. Failures are numbered
// messages.
#include <windows.h>

#include <string>
#include <vector>

#include "VAVEDERAZur.h"
#include "platform/inhouse/acesso/QVAcesso.h"
#include "server/root/CEmpresarialInicializa.h"

namespace masterdata {

class DFCadDocumento : public server::CEmpresarialInicializa {
public:
    DFCadDocumento() { m_conexao.SetTratarMensagens(false); }

    // Takes the root object's session (its failure is returned as it is), opens the connection
    // (message 103) and, unless the key type is 2, loads the register afresh (messages 104 and
    // 107, which return the failing HRESULT; a failed read keeps the types read before it).
    HRESULT Inicializa(IQV_Inicializa* pInicializa, short iTipoChave);

    short GetQuantidade() const noexcept { return static_cast<short>(m_registros.size()); }
    // The type at iPosicao; outside the list, the index message (104, 105 or 106) returning
    // 0xFFFFFFFF.
    short GetFilial(short iPosicao) const;
    std::string GetCodigo(short iPosicao) const;
    std::string GetDescricao(short iPosicao) const;

private:
    const tagREG_CADDOCPS& Registro(short iPosicao, const char* mensagem) const;

    std::vector<tagREG_CADDOCPS> m_registros;
    short m_iTipoChave = 0;
    CConexaoCadastroDocumento m_conexao;
};

}  // namespace masterdata

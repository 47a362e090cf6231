#pragma once
// The worker behind CQVcEditor: a session copy taken from a root object, and the editor server's
// list of one module's files of one extension. Failures are numbered messages (0x800A0000 + N).
#include <windows.h>

#include "VAVEDERAZur.h"
#include "masterdata/CClienteQvsEditor.h"
#include "platform/com/unique.h"
#include "server/root/CEmpresarialInicializa.h"

namespace masterdata {

class CDFQVcEditor : public server::CEmpresarialInicializa {
public:
    // Takes the root object's session (its failure is returned as it is), opens the editor server
    // for the module and lists the files of the extension. Throws com::numbered_failure: message
    // 1 when the root has no session, 87 when the server cannot be opened (the list stays as it
    // was), 88 when the files cannot be listed (the list is empty).
    HRESULT Inicializa(IQV_Inicializa* pInicializa, BSTR bsModulo, BSTR bsExtensao);

    LONG GetQuantidade() const noexcept;
    // A new BSTR with the entry's name or description; null when lPos is outside the list.
    com::unique_bstr GetNomeArquivo(LONG lPos) const;
    com::unique_bstr GetDescricao(LONG lPos) const;

private:
    const QVSEDITOR_ARQUIVO* Entrada(LONG lPos) const noexcept;

    CClienteQvsEditor m_cliente;
};

}  // namespace masterdata

#pragma once
// The worker behind WebComercial: a session copy taken from a root object and the commercial
// master server, and the three older commercial reports (order list, commissions to pay,
// commercial movements) from a filter table. Report failures of the data servers are returned as
// they are, without error information of this class.
#include <windows.h>
#include <oaidl.h>

#include <string>

#include "VAVEDERAZur.h"
#include "inhouse_cache.h"
#include "platform/com/com_ptr.h"
#include "server/root/CEmpresarialInicializa.h"
#include "server/root/CQVHashTable.h"

namespace sales {

class CComercial : public server::CEmpresarialInicializa {
public:
    // Once: the session of the root (its failure returned as it is) and the commercial master
    // server (messages 25 and 26).
    HRESULT Inicializa(IQV_Inicializa* pInicializa);

    // The report's text marked "*#" into *pbsDadosRel.
    HRESULT GeraRelRelacaoPedidos(IQVHashTable* filtro, BSTR* pbsDadosRel, REFCLSID clsid, REFIID iid);
    HRESULT GeraRelComissoesAPagar(IQVHashTable* filtro, BSTR* pbsDadosRel, REFCLSID clsid, REFIID iid);
    HRESULT GeraRelMovimentos(IQVHashTable* filtro, BSTR* pbsDadosRel, REFCLSID clsid, REFIID iid);

private:
    HRESULT GeraRelComercial(IQVHashTable* filtro, bool comissoes, BSTR* pbsDadosRel, REFCLSID clsid, REFIID iid);

    com::com_ptr<IQV_Inicializa> m_raiz;
    com::com_ptr<IQVFT_MestreComercial> m_mestre;
};

}  // namespace sales

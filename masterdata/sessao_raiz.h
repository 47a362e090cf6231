#pragma once
// The root object's session as the registered enumerators read it in Inicializa: company, user
// and session number. Throws com::failure with the given text and the root's HRESULT.
#include "VAVEDERAZur.h"
#include "base/CQVString.h"

namespace masterdata {

struct sessao_raiz {
    CQVString empresa;
    WORD usuario = 0;
    long sessao = 0;
};

sessao_raiz le_sessao_raiz(IQV_Inicializa& raiz, const char* texto);

}  // namespace masterdata

#include "masterdata/sessao_raiz.h"

#include "platform/com/failure.h"
#include "platform/com/text.h"
#include "platform/com/unique.h"

namespace masterdata {

sessao_raiz le_sessao_raiz(IQV_Inicializa& raiz, const char* texto) {
    sessao_raiz s;
    LONG usuario = 0, sessao = 0;
    com::check(raiz.get_m_iUsuario(&usuario), texto);
    com::check(raiz.get_m_lNumeroSessao(&sessao), texto);
    com::unique_bstr empresa;
    com::check(raiz.get_m_sEmpresa(empresa.put()), texto);
    s.empresa = CQVString(com::from_bstr(empresa.get()));
    s.usuario = static_cast<WORD>(usuario);
    s.sessao = sessao;
    return s;
}

}  // namespace masterdata

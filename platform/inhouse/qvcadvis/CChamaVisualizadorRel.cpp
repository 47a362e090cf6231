#include "platform/inhouse/qvcadvis/CChamaVisualizadorRel.h"

// The viewer program is not installed yet: every action fails.
HRESULT CChamaVisualizadorRel::Executa() {
    m_sErro = "Visualizador de relatórios não instalado.";
    return E_NOTIMPL;
}

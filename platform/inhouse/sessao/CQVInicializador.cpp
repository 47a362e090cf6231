#include "platform/inhouse/sessao/CQVInicializador.h"

HRESULT CQVInicializador::Inicializa(const CQVString& empresa, WORD usuario, long sessao) {
    m_sEmpresa = empresa;
    m_wUsuario = usuario;
    m_lSessao = sessao;
    m_bInicializado = true;
    return S_OK;
}

void CQVInicializador::Finaliza() noexcept {
    m_sEmpresa.clear();
    m_wUsuario = 0;
    m_lSessao = 0;
    m_bInicializado = false;
}

#include "server/holders/CRecPagTes.h"

HRESULT CRecPagTes::Inicializa(const CQVString& empresa, WORD usuario, long sessao) {
    m_sEmpresa = empresa;
    m_wUsuario = usuario;
    m_lSessao = sessao;
    ++m_inicializacoes;
    return S_OK;
}

#include "server/holders/CRecPagTes.h"

#include <cstdio>
#include <new>
#include <string>

#include "base/QVDataCurta.h"
#include "platform/inhouse/acesso/CConexaoServidor.h"
#include "platform/inhouse/core/store_processo.h"

HRESULT CRecPagTes::Inicializa(const CQVString& empresa, WORD usuario, long sessao) {
    m_sEmpresa = empresa;
    m_wUsuario = usuario;
    m_lSessao = sessao;
    ++m_inicializacoes;
    return S_OK;
}

HRESULT CRecPagTes::SetChequesTerceiros(inhouse::REG_FILTRO_CHEQUES_3 filtro) try {
    m_cheques.clear();
    if (HRESULT hr = inhouse::faults_of_connection("CRecPagTes")
                         .enter("SetChequesTerceiros", "cliente=" + std::to_string(filtro.cliente));
        FAILED(hr))
        return hr;
    inhouse::store* store = inhouse::store_processo();
    if (!store) return E_FAIL;
    auto q = store->prepare(
        "SELECT cliente, valor, data, situacao FROM cheque_terceiro WHERE empresa = ? AND (? = 0 OR cliente = ?)"
        " ORDER BY posicao");
    q.bind_text(1, m_sEmpresa.c_str()).bind(2, static_cast<int64_t>(filtro.cliente));
    q.bind(3, static_cast<int64_t>(filtro.cliente));
    std::vector<inhouse::tagREG_CHEQUE_3PS> lidos;
    while (q.step()) {
        inhouse::tagREG_CHEQUE_3PS c{};
        c.cliente = static_cast<uint32_t>(q.column_int64(0));
        c.valor = q.column_int64(1);
        int a = 0, m = 0, d = 0;
        if (std::sscanf(q.column_text(2).c_str(), "%d-%d-%d", &a, &m, &d) == 3) c.data = QVMontaData(d, m, a);
        c.situacao = static_cast<uint8_t>(q.column_int(3));
        lidos.push_back(c);
    }
    m_cheques = std::move(lidos);
    return S_OK;
} catch (const std::bad_alloc&) {
    m_cheques.clear();
    return E_OUTOFMEMORY;
} catch (...) {
    m_cheques.clear();
    return E_FAIL;
}

bool CRecPagTes::GetChequeTerceiros(inhouse::tagREG_CHEQUE_3PS* cheque, long i) const noexcept {
    if (!cheque || i < 0 || static_cast<size_t>(i) >= m_cheques.size()) return false;
    *cheque = m_cheques[static_cast<size_t>(i)];
    return true;
}

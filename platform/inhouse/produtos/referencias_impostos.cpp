// The product server's grid references (entry 125) and tax answers (entry 119).
#include <objbase.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/inhouse/login/registros_login.h"
#include "platform/inhouse/produtos/ProdutoServer.h"
#include "platform/inhouse/produtos/registros_referencia.h"

namespace inhouse {

HRESULT STDMETHODCALLTYPE ProdutoServer::ReferenciasGrade(QV_REFERENCIA_GRADE_86 referencia, BYTE* resposta) noexcept try {
    if (!resposta) return E_POINTER;
    auto* r = reinterpret_cast<RESPOSTA_REFERENCIAS_GRADE*>(resposta);
    *r = {};
    _REG_REFERENCIA_GRADEPS chave;
    std::memcpy(&chave, referencia.dados, sizeof chave);
    if (HRESULT hr = faults().enter("ReferenciasGrade", "produto=" + std::to_string(chave.produto) + " itens=" +
                                                            std::to_string(chave.item1) + "," + std::to_string(chave.item2) +
                                                            "," + std::to_string(chave.item3));
        hr != S_OK)
        return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto q = m_store.prepare(
        "SELECT peso_bruto, peso_liquido FROM produto_referencia_grade WHERE empresa = ? COLLATE NOCASE"
        " AND produto = ? AND item1 = ? AND item2 = ? AND item3 = ?");
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(chave.produto)).bind(3, static_cast<int64_t>(chave.item1));
    q.bind(4, static_cast<int64_t>(chave.item2)).bind(5, static_cast<int64_t>(chave.item3));
    std::vector<_REG_REFERENCIA_GRADEPS> achadas;
    while (q.step()) {
        _REG_REFERENCIA_GRADEPS a{};
        a.produto = chave.produto;
        a.item1 = chave.item1;
        a.item2 = chave.item2;
        a.item3 = chave.item3;
        a.peso_bruto = q.column_int64(0);
        a.peso_liquido = q.column_int64(1);
        achadas.push_back(a);
    }
    if (achadas.empty()) return S_OK;
    auto* bloco = bloco_tarefa(achadas);
    if (!bloco) return E_OUTOFMEMORY;
    r->quantidade = static_cast<LONG>(achadas.size());
    r->registros = bloco;
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE ProdutoServer::ConsultaImposto(LONG seletor, QV_CHAVE_14 chave, BYTE* resposta) noexcept try {
    if (!resposta) return E_POINTER;
    auto* r = reinterpret_cast<RESPOSTA_CONSULTA_IMPOSTO*>(resposta);
    std::memset(r, 0, sizeof *r);
    CHAVE_CONSULTA_IMPOSTO k;
    std::memcpy(&k, chave.dados, sizeof k);
    if (HRESULT hr = faults().enter("ConsultaImposto", "seletor=" + std::to_string(seletor) + " produto=" +
                                                           std::to_string(k.produto) + " filial=" + std::to_string(k.filial) +
                                                           " dia=" + std::to_string(k.dia) + " estado=" +
                                                           std::to_string(k.estado));
        hr != S_OK)
        return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto q = m_store.prepare(
        "SELECT calcula_icms, aliquota, situacao, cst, isento_ipi1, isento_ipi2, calcula_ipi FROM produto_imposto"
        " WHERE empresa = ? COLLATE NOCASE AND produto = ?");
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(k.produto));
    // A product without a row is charged both taxes at no particular rate.
    r->calcula_icms = 1;
    r->calcula_ipi = 1;
    std::memcpy(r->cst, "000", 4);
    if (q.step()) {
        r->calcula_icms = q.column_int(0) ? 1 : 0;
        r->aliquota = q.column_int64(1);
        r->situacao = static_cast<uint16_t>(q.column_int(2));
        const std::string cst = q.column_text(3);
        std::memset(r->cst, 0, sizeof r->cst);
        std::memcpy(r->cst, cst.data(), cst.size() < 3 ? cst.size() : 3);
        r->isento_ipi1 = q.column_int(4) ? 1 : 0;
        r->isento_ipi2 = q.column_int(5) ? 1 : 0;
        r->calcula_ipi = q.column_int(6) ? 1 : 0;
    }
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

}  // namespace inhouse

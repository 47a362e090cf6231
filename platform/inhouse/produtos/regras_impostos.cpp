// The product server's tax rules for the invoice tax calculation (its entries 31, 49, 82, 150, 151
// and 152) over the store: the ICMS rule of a product for a branch and a destination state, the
// document rule (IPI of the product's classification), tax-situation texts, a product's settings
// in a branch and the PIS/COFINS rules.
#include <cstring>
#include <string>

#include "platform/inhouse/localidades/EstadoFiscalServer.h"
#include "platform/inhouse/login/registros_login.h"
#include "platform/inhouse/produtos/ProdutoServer.h"
#include "platform/inhouse/produtos/registros_impostos.h"

namespace inhouse {

namespace {

// Imported goods between states (hundredths of a percent).
constexpr uint16_t aliquota_importados = 400;

std::string descreve(const CHAVE_REGRA_PRODUTO_NF& k) {
    return "produto=" + std::to_string(k.Produto) + " filial=" + std::to_string(k.Filial) + " data=" +
           std::to_string(k.Data) + " estado=" + std::to_string(k.Estado);
}

// A state as the rules see it: its code, text, fiscal region and internal rate.
struct estado_regra {
    int posicao = 0;
    std::string sigla;
    int regiao = 0;
    uint16_t interna = 0;
};

bool le_estado(store& s, const std::string& empresa, const char* onde, int64_t chave, estado_regra& e) {
    auto q = s.prepare(std::string("SELECT e.posicao, e.sigla, e.regiao_fiscal, COALESCE(i.aliquota_interna, 0)"
                                   " FROM estado e LEFT JOIN estado_icms i ON i.empresa = e.empresa"
                                   " AND i.sigla = e.sigla COLLATE NOCASE ") +
                       onde);
    q.bind_text(1, empresa).bind(2, chave);
    if (!q.step()) return false;
    e.posicao = q.column_int(0);
    e.sigla = q.column_text(1);
    e.regiao = q.column_int(2);
    e.interna = static_cast<uint16_t>(q.column_int(3));
    return true;
}

}  // namespace

HRESULT STDMETHODCALLTYPE ProdutoServer::RegraICMS(QV_CHAVE_18 chave, BYTE* regra) noexcept try {
    if (!regra) return E_POINTER;
    REG_REGRA_ICMS_NF r{};
    std::memcpy(regra, &r, sizeof r);
    CHAVE_REGRA_PRODUTO_NF k;
    std::memcpy(&k, chave.dados, sizeof k);
    if (HRESULT hr = faults().enter("RegraICMS", descreve(k)); hr != S_OK) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto p = m_store.prepare(
        "SELECT COALESCE(pi.importado, 0), COALESCE(pi.situacao, 0), COALESCE(pi.situacao_alternativa, 0),"
        " COALESCE(pi.sem_regime_especial, 0) FROM produto p LEFT JOIN produto_icms pi ON pi.empresa = p.empresa"
        " AND pi.produto = p.posicao WHERE p.empresa = ? COLLATE NOCASE AND p.posicao = ?");
    p.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(k.Produto));
    if (!p.step()) return QV_E_PRODUTO_DESCONHECIDO;
    estado_regra origem, destino;
    if (!le_estado(m_store, m_empresa,
                   "JOIN filial f ON f.empresa = e.empresa AND f.uf = e.sigla COLLATE NOCASE"
                   " WHERE e.empresa = ?1 COLLATE NOCASE AND f.posicao = ?2",
                   k.Filial, origem))
        return QV_E_ESTADO_DESCONHECIDO;
    // No state: an operation inside the branch's state.
    if (k.Estado == 0)
        destino = origem;
    else if (!le_estado(m_store, m_empresa, "WHERE e.empresa = ?1 COLLATE NOCASE AND e.posicao = ?2", k.Estado, destino))
        return QV_E_ESTADO_DESCONHECIDO;
    const bool importado = p.column_int(0) != 0;
    if (destino.posicao == origem.posicao)
        r.Aliquota = destino.interna;
    else if (importado && destino.regiao != 2)
        r.Aliquota = aliquota_importados;
    else
        r.Aliquota = aliquota_interestadual(origem.regiao, destino.regiao);
    r.Situacao = static_cast<uint8_t>(p.column_int(1));
    r.SituacaoAlternativa = static_cast<uint8_t>(p.column_int(2));
    r.SemRegimeEspecial = static_cast<uint8_t>(p.column_int(3));
    // Tax substitution: the destination's internal rate over the value raised by the margin.
    auto st = m_store.prepare("SELECT mva FROM produto_icms_st WHERE empresa = ? COLLATE NOCASE AND produto = ?"
                              " AND sigla = ? COLLATE NOCASE");
    st.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(k.Produto)).bind_text(3, destino.sigla);
    if (st.step()) {
        r.AliquotaST = destino.interna;
        r.ST34 = static_cast<uint16_t>(st.column_int(0));
    }
    std::memcpy(regra, &r, sizeof r);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE ProdutoServer::RegraDocumento(QV_CHAVE_18 chave, BYTE* regra) noexcept try {
    if (!regra) return E_POINTER;
    REG_REGRA_DOCUMENTO_NF r{};
    std::memcpy(regra, &r, sizeof r);
    CHAVE_REGRA_PRODUTO_NF k;
    std::memcpy(&k, chave.dados, sizeof k);
    if (HRESULT hr = faults().enter("RegraDocumento", descreve(k)); hr != S_OK) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto p = m_store.prepare("SELECT classificacao FROM produto WHERE empresa = ? COLLATE NOCASE AND posicao = ?");
    p.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(k.Produto));
    if (!p.step()) return QV_E_PRODUTO_DESCONHECIDO;
    // The longest prefix of the classification that has a rate.
    auto q = m_store.prepare("SELECT aliquota, modelo FROM ipi_classificacao WHERE empresa = ? COLLATE NOCASE"
                             " AND substr(?, 1, length(prefixo)) = prefixo ORDER BY length(prefixo) DESC LIMIT 1");
    q.bind_text(1, m_empresa).bind_text(2, p.column_text(0));
    std::string modelo = "55";
    if (q.step()) {
        r.AliquotaIPI = static_cast<uint16_t>(q.column_int(0));
        modelo = q.column_text(1);
    }
    std::memcpy(r.Modelo, modelo.data(), modelo.size() < sizeof r.Modelo ? modelo.size() : sizeof r.Modelo);
    std::memcpy(regra, &r, sizeof r);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE ProdutoServer::SituacaoTributaria(WORD codigo, BYTE* situacao) noexcept try {
    if (!situacao) return E_POINTER;
    std::memset(situacao, 0, 296);
    if (HRESULT hr = faults().enter("SituacaoTributaria", "codigo=" + std::to_string(codigo)); hr != S_OK) return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto q = m_store.prepare("SELECT texto FROM situacao_tributaria WHERE empresa = ? COLLATE NOCASE AND codigo = ?");
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(codigo));
    if (!q.step()) return QV_E_SITUACAO_DESCONHECIDA;
    const std::string texto = q.column_text(0);
    std::memcpy(situacao, texto.data(), texto.size() < 295 ? texto.size() : 295);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE ProdutoServer::FilialProduto(WORD filial, LONG produto, BYTE* resposta) noexcept try {
    if (!resposta) return E_POINTER;
    REG_FILIAL_PRODUTO_NF r{};
    std::memcpy(resposta, &r, sizeof r);
    if (HRESULT hr = faults().enter("FilialProduto", "filial=" + std::to_string(filial) + " produto=" + std::to_string(produto));
        hr != S_OK)
        return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto q = m_store.prepare("SELECT valor, flag FROM filial_produto WHERE empresa = ? COLLATE NOCASE AND filial = ?"
                             " AND produto = ?");
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(filial)).bind(3, static_cast<int64_t>(produto));
    if (q.step()) {
        r.Valor = q.column_int64(0);
        r.Flag = q.column_int(1) ? 1 : 0;
    }
    std::memcpy(resposta, &r, sizeof r);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE ProdutoServer::CodigoPisCofins(BYTE* pedido, BYTE* resposta) noexcept try {
    if (!pedido || !resposta) return E_POINTER;
    uint16_t cst = 0, codigo = 0;
    std::memcpy(&cst, pedido, 2);
    std::memcpy(&codigo, pedido + 2, 2);
    std::memset(resposta, 0, 64);
    if (HRESULT hr = faults().enter("CodigoPisCofins", "cst=" + std::to_string(cst) + " codigo=" + std::to_string(codigo));
        hr != S_OK)
        return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    auto q = m_store.prepare("SELECT resposta FROM pis_cofins_codigo WHERE empresa = ? COLLATE NOCASE AND cst = ?"
                             " AND codigo = ?");
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(cst)).bind(3, static_cast<int64_t>(codigo));
    if (q.step()) {
        const uint16_t achado = static_cast<uint16_t>(q.column_int(0));
        std::memcpy(resposta + 2, &achado, 2);
    }
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE ProdutoServer::RegraPisCofins(LONG um, LONG mascara, LONG produto, WORD chave, WORD data,
                                                        BYTE entrada, BYTE* resposta) noexcept try {
    if (!resposta) return E_POINTER;
    REG_REGRA_PIS_COFINS r{};
    std::memcpy(resposta, &r, sizeof r);
    if (HRESULT hr = faults().enter("RegraPisCofins", "um=" + std::to_string(um) + " mascara=" + std::to_string(mascara) +
                                                          " produto=" + std::to_string(produto) + " chave=" +
                                                          std::to_string(chave) + " data=" + std::to_string(data) +
                                                          " entrada=" + std::to_string(entrada));
        hr != S_OK)
        return hr;
    if (!m_inicializado) return QV_E_NAO_INICIALIZADO;
    // The product's own rule, else the company's (product 0).
    auto q = m_store.prepare(
        "SELECT pis_cst1, pis_aliquota1, pis_cst2, pis_aliquota2, cofins_cst1, cofins_aliquota1, cofins_cst2,"
        " cofins_aliquota2, codigo, codigo_byte, flag FROM pis_cofins_produto WHERE empresa = ? COLLATE NOCASE"
        " AND produto IN (0, ?) ORDER BY produto DESC LIMIT 1");
    q.bind_text(1, m_empresa).bind(2, static_cast<int64_t>(produto));
    if (q.step()) {
        if (mascara & 1) {
            r.PIS.CST1 = static_cast<uint16_t>(q.column_int(0));
            r.PIS.Aliquota1 = q.column_int64(1);
            r.PIS.CST2 = static_cast<uint16_t>(q.column_int(2));
            r.PIS.Aliquota2 = q.column_int64(3);
        }
        if (mascara & 2) {
            r.COFINS.CST1 = static_cast<uint16_t>(q.column_int(4));
            r.COFINS.Aliquota1 = q.column_int64(5);
            r.COFINS.CST2 = static_cast<uint16_t>(q.column_int(6));
            r.COFINS.Aliquota2 = q.column_int64(7);
        }
        r.Codigo = static_cast<int32_t>(q.column_int64(8));
        r.CodigoByte = static_cast<uint8_t>(q.column_int(9));
        r.Flag = static_cast<uint8_t>(q.column_int(10));
    }
    std::memcpy(resposta, &r, sizeof r);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

}  // namespace inhouse

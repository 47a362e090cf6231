#include "sales/CProdutoWeb.h"

#include <objbase.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>

#include "base/QVCurrency.h"
#include "base/QVDCOM.h"
#include "inhouse_cache.h"
#include "platform/com/failure.h"
#include "platform/com/out_param.h"
#include "platform/com/text.h"
#include "platform/com/unique.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "platform/inhouse/produtos/registros_preco.h"

namespace sales {

namespace {

// 3 January 2003: the day the tax rules are read for, as the maker's pages ask.
constexpr WORD dia_consulta_impostos = 56617;
// Where the commercial master record keeps the value the branch's tax settings take.
constexpr size_t mestre_segundo_codigo = 274;

struct libera_tarefa {
    void operator()(void* p) const noexcept { CoTaskMemFree(p); }
};

}  // namespace

void CProdutoWeb::SetProduto(CMyConexaoProduto* conexao, com::com_ptr<IUnknown> dono, long posicao,
                             const _REG_PRODUTOPS& produto) {
    m_tipo = 0;
    m_conexao = conexao;
    m_dono = std::move(dono);
    m_posicao = posicao;
    m_produto = produto;
}

void CProdutoWeb::SetServico(CMyConexaoProduto* conexao, com::com_ptr<IUnknown> dono, long posicao,
                             const _REG_SERVICOSPS& servico) {
    m_tipo = 1;
    m_conexao = conexao;
    m_dono = std::move(dono);
    m_posicao = posicao;
    m_servico = servico;
}

HRESULT CProdutoWeb::get_Nome(BSTR* pVal) noexcept {
    return com::put_text(pVal, m_tipo == 0 ? inhouse::texto_campo(m_produto.nome) : inhouse::texto_campo(m_servico.nome));
}

HRESULT CProdutoWeb::get_Codigo(BSTR* pVal) noexcept {
    return com::put_text(pVal, m_tipo == 0 ? inhouse::texto_campo(m_produto.codigo) : inhouse::texto_campo(m_servico.codigo));
}

HRESULT CProdutoWeb::get_Classificacao(BSTR* pVal) noexcept {
    return com::put_text(pVal, m_tipo == 0 ? inhouse::texto_campo(m_produto.classificacao)
                                           : inhouse::texto_campo(m_servico.classificacao));
}

HRESULT CProdutoWeb::get_Unidade(BSTR* pVal) noexcept try {
    if (!pVal) return E_POINTER;
    *pVal = nullptr;
    if (!m_conexao) return E_UNEXPECTED;
    if (m_tipo == 0) {
        _REG_UNIDADES_MEDIDAPS u{};
        m_conexao->LeUnidadeMedidaProduto(m_produto.unidade, &u);
        return com::put_text(pVal, inhouse::texto_campo(u.unidade));
    }
    _REG_UNIDADES_MEDIDA_SERVICOSPS u{};
    m_conexao->LeUnidadeMedidaServico(m_servico.unidade, &u);
    return com::put_text(pVal, inhouse::texto_campo(u.unidade));
} catch (...) {
    return report();
}

HRESULT CProdutoWeb::get_Posicao(LONG* pVal) noexcept { return com::put_number(pVal, m_posicao); }

HRESULT CProdutoWeb::get_PrecoVenda(BSTR* pVal) noexcept try {
    const CQVString texto = m_tipo == 0 ? QVFormataValor8Casas(m_produto.preco, m_produto.casas_preco)
                                        : QVFormataValor8Casas(m_servico.preco, m_servico.casas);
    return com::put_text(pVal, texto);
} catch (...) {
    return report();
}

HRESULT CProdutoWeb::GetPosGrade(INT i, USHORT* pusPosicao) noexcept {
    if (!pusPosicao) return E_POINTER;
    if (i < 0 || i > 2) return E_INVALIDARG;
    if (m_tipo != 0) return E_UNEXPECTED;
    const WORD grades[] = {m_produto.grade1, m_produto.grade2, m_produto.grade3};
    return com::put_number(pusPosicao, grades[i]);
}

HRESULT CProdutoWeb::get_ExportaVexaRota(LONG* pVal) noexcept { return com::put_number(pVal, m_produto.ofertado != 0 ? 1 : 0); }

std::string CProdutoWeb::FormataAliquota(uint16_t aliquota, bool calcula) {
    if (!calcula) return "0,00";
    char texto[16];
    std::snprintf(texto, sizeof texto, "%d,%02d", aliquota / 100, aliquota % 100);
    return texto;
}

HRESULT CProdutoWeb::Aliquota(imposto qual, IQV_Inicializa* pInicializa, LONG* lFilial, LONG* lCliente,
                              USHORT* iPtrNatureza, BSTR* pbsAliquota) noexcept try {
    if (!pbsAliquota) return E_POINTER;
    // The three "in" values come through the client's pointers: none may be missing.
    if (!pInicializa || !lFilial || !lCliente || !iPtrNatureza) return E_POINTER;
    LONG usuario = 0, sessao = 0;
    com::unique_bstr empresa_bstr;
    pInicializa->get_m_iUsuario(&usuario);
    pInicializa->get_m_lNumeroSessao(&sessao);
    pInicializa->get_m_sEmpresa(empresa_bstr.put());
    const std::string empresa = com::from_bstr(empresa_bstr.get());

    // The calculation and the branch connection are made once per object.
    if (!m_calculo) m_calculo = masterdata::novo_calculo_impostos_produto();
    if (HRESULT hr = m_calculo->Inicializa(empresa, static_cast<WORD>(usuario), sessao); FAILED(hr)) return hr;
    if (!m_filial) m_filial = std::make_unique<CConexaoFilial>();
    if (HRESULT hr = m_filial->Inicializa(empresa, static_cast<WORD>(usuario), sessao, false); FAILED(hr)) return hr;
    inhouse::REG_FILIAL filial{};
    if (HRESULT hr = m_filial->Le(*lFilial, &filial); FAILED(hr)) return hr;

    if (!m_mestre) {
        com::com_ptr<IQVFT_MestreComercial> mestre;
        if (HRESULT hr = QVCriaInstancia(inhouse::CLSID_MestreComercialServer, nullptr, QV_CLSCTX_SERVIDOR,
                                         __uuidof(IQVFT_MestreComercial), mestre.put_void(), 3);
            FAILED(hr))
            return hr;
        m_mestre = std::move(mestre);
    }
    if (HRESULT hr = m_mestre->Inicializa(empresa_bstr.get(), static_cast<WORD>(usuario), sessao); FAILED(hr)) return hr;
    QV_PARAMETROS_472 parametros{};
    if (HRESULT hr = m_mestre->LeParametros(&parametros); FAILED(hr)) return hr;
    uint32_t segundo_codigo = 0;
    std::memcpy(&segundo_codigo, parametros.dados + mestre_segundo_codigo, sizeof segundo_codigo);
    if (HRESULT hr = m_calculo->SetFilial(static_cast<WORD>(*lFilial), segundo_codigo, filial); FAILED(hr)) return hr;

    if (!m_cfrt) m_cfrt = std::make_unique<CBufferCFRT>();
    if (HRESULT hr = m_cfrt->Inicializa(empresa, static_cast<WORD>(usuario), sessao); FAILED(hr)) return hr;
    QVCFRT cliente{};
    cliente.posicao_plano = *lCliente;
    if (HRESULT hr = m_cfrt->Le(&cliente, 0); FAILED(hr)) return hr;
    if (HRESULT hr = m_calculo->SetCliente(cliente); FAILED(hr)) return hr;
    (void)iPtrNatureza;   // the calculation reads the nature through its own rules
    masterdata::aliquotas_produto aliquotas{};
    if (HRESULT hr = m_calculo->CalculaProduto(m_produto.ponteiro, dia_consulta_impostos, aliquotas); FAILED(hr))
        return hr;
    const std::string texto = qual == imposto::icms      ? FormataAliquota(aliquotas.icms, aliquotas.calcula_icms != 0)
                              : qual == imposto::icms_st ? FormataAliquota(aliquotas.icms_st, aliquotas.calcula_icms != 0)
                                                         : FormataAliquota(aliquotas.ipi, aliquotas.calcula_ipi != 0);
    return com::put_text(pbsAliquota, texto);
} catch (...) {
    return com::current_exception_hresult();
}

HRESULT CProdutoWeb::GetAliquotaICMS(IQV_Inicializa* p, LONG* f, LONG* c, USHORT* n, BSTR* out) noexcept {
    return Aliquota(imposto::icms, p, f, c, n, out);
}
HRESULT CProdutoWeb::GetAliquotaICMSST(IQV_Inicializa* p, LONG* f, LONG* c, USHORT* n, BSTR* out) noexcept {
    return Aliquota(imposto::icms_st, p, f, c, n, out);
}
HRESULT CProdutoWeb::GetAliquotaIPI(IQV_Inicializa* p, LONG* f, LONG* c, USHORT* n, BSTR* out) noexcept {
    return Aliquota(imposto::ipi, p, f, c, n, out);
}

HRESULT CProdutoWeb::get_DescontoSugerido(BSTR* pVal) noexcept try {
    char texto[16];
    std::snprintf(texto, sizeof texto, "%d,%02d", m_produto.desconto_unitario / 100, m_produto.desconto_unitario % 100);
    return com::put_text(pVal, texto);
} catch (...) {
    return report();
}

std::string CProdutoWeb::FormataDescontoMaximo(int64_t preco, int64_t desconto, bool percentual) {
    // 8 decimals; a percentage of the price can pass 64 bits on the way, so it is worked out in
    // extended precision (exact for every price and percentage a record holds).
    const long double valor = percentual ? static_cast<long double>(preco) * static_cast<long double>(desconto) / 1e10L
                                         : static_cast<long double>(desconto);
    // Two places, half away from zero.
    const long long centavos = std::llroundl(valor / 1e6L);
    return QVFormataValor8Casas(static_cast<int64_t>(centavos) * 1000000, 2);
}

HRESULT CProdutoWeb::get_DescontoMaximo(BSTR bsTabPrecos, BSTR* pVal) noexcept try {
    if (!pVal) return E_POINTER;
    if (!m_conexao) return E_UNEXPECTED;
    IQVDF_Produto* servidor = m_conexao->GetInterface();
    if (!servidor) return E_UNEXPECTED;
    WORD tabela = 0;
    QV_TABELA_PRECO_102 registro{};
    servidor->ExisteTabelaPreco(bsTabPrecos, 'V', &tabela, &registro);
    CHAVE_ITENS_PRECO k{};
    k.produto = static_cast<int32_t>(m_produto.ponteiro);
    k.tabela = tabela;
    k.item1 = m_produto.grade1;
    k.item2 = m_produto.grade2;
    k.item3 = m_produto.grade3;
    RESPOSTA_ITENS_PRECO resposta{};
    const HRESULT hr = servidor->ItensPreco(inhouse::como_bloco<QV_CHAVE_24>(k), reinterpret_cast<BYTE*>(&resposta));
    std::unique_ptr<_REG_ITENS_TABELA_PRECOPS, libera_tarefa> itens(resposta.itens);
    if (FAILED(hr)) return hr;
    if (resposta.quantidade == 0 || !itens) return com::put_text(pVal, "0,00");
    const auto& item = itens.get()[0];
    return com::put_text(pVal, FormataDescontoMaximo(m_produto.preco, item.desconto, item.desconto_percentual != 0));
} catch (...) {
    return com::current_exception_hresult();
}

HRESULT CProdutoWeb::get_QuantidadePorEmbalagem(BSTR* pVal) noexcept try {
    CURRENCY cy;
    cy.int64 = m_produto.embalagem;
    return com::put_text(pVal, QVFormataCYMilhar(cy));
} catch (...) {
    return report();
}

HRESULT CProdutoWeb::get_QuantidadeEmbalagemPorPallet(ULONG* pVal) noexcept { return com::put_number(pVal, m_produto.pallet); }

HRESULT CProdutoWeb::get_QtdInteira(BOOL* pVal) noexcept try {
    if (!pVal) return E_POINTER;
    *pVal = FALSE;
    if (m_tipo == 0) return S_OK;
    if (!m_conexao) return E_UNEXPECTED;
    _REG_UNIDADES_MEDIDA_SERVICOSPS u{};
    m_conexao->LeUnidadeMedidaServico(m_servico.unidade, &u);
    *pVal = u.horario == 0 ? TRUE : FALSE;
    return S_OK;
} catch (...) {
    return report();
}

}  // namespace sales

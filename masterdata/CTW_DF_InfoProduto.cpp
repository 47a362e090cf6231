#include "masterdata/CTW_DF_InfoProduto.h"

#include <cstring>
#include <string>

#include "base/QVCurrency.h"
#include "masterdata/info_produto_textos.h"
#include "masterdata/messages.h"
#include "masterdata/produto_registro.h"
#include "platform/com/failure.h"
#include "platform/com/out_param.h"
#include "platform/com/text.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "server/holders/CBufferCFRT.h"
#include "server/holders/CCacheServidores.h"
#include "server/holders/CPoolConexoes.h"
#include "server/holders/CSessaoGlobal.h"

namespace masterdata {

namespace {

// 3 January 2003: the tax rules are read as in force on that day, whatever today is.
constexpr WORD dia_consulta_impostos = 56617;
// Where the commercial master record keeps the value the branch's tax settings take.
constexpr size_t mestre_segundo_codigo = 274;

CMyConexaoProduto& conexao_produto() { return *server::CPoolConexoes::GetInstancia()->GetMyConexaoProduto(); }
CConexaoGradesProduto& conexao_grades() { return *server::CPoolConexoes::GetInstancia()->GetConexaoGradesProduto(); }
CConexaoFilial& conexao_filial() { return *server::CPoolConexoes::GetInstancia()->GetConexaoFilial(); }

// The cache's accessor drops its servers after a failed call and nothing else brings them back:
// it starts again with the session it kept.
CBufferCFRT& buffer_cfrt() {
    CBufferCFRT& buffer = *server::CCacheServidores::GetInstancia()->GetBufferCFRT();
    if (!buffer.GetServidorCadastro()) buffer.Inicializa(buffer.GetEmpresa(), buffer.GetUsuario(), buffer.GetSessao());
    return buffer;
}

void verifica(HRESULT hr, const char* texto) {
    if (hr != S_OK) com::fail(texto, FAILED(hr) ? hr : E_FAIL);
}

// A look-up's answer: 1 found, 0 missing; a negative one is the failed call's HRESULT.
bool encontrado(int resposta, const char* texto) {
    if (resposta < 0) com::fail(texto, resposta);
    return resposta != 0;
}

// The item of grid n given by its code; position 0 (none) when the product has no such grid or
// the grid has no item with that code.
void le_item_grade(WORD grade, BSTR codigo, _REG_ITENS_GRADE_PRODUTOPS& item) {
    if (grade == 0) return;
    _REG_GRADES_PRODUTOPS cabecalho{};
    const HRESULT hr = conexao_grades().LeGrade(grade, &cabecalho);
    if (hr == inhouse::QV_E_GRADE_DESCONHECIDA) return;
    verifica(hr, msg::info_produto_grade);
    // The grid's items are kept under the grid's position, the header's first field.
    WORD posicao = 0;
    const int resposta = conexao_grades().ExisteItemGrade(cabecalho.ponteiro, com::from_bstr(codigo).c_str(), &posicao, &item);
    if (resposta < 0) com::fail(msg::info_produto_grade, resposta);
    if (resposta == 0) item = {};
}

// The first price item of the product and grid items in the table; zero when there is none. The
// answer's array is task memory of ours from the call on.
_REG_ITENS_TABELA_PRECOPS le_desconto(const CTW_DF_InfoProduto::dados& d, long tabela) {
    IQVDF_Produto* servidor = conexao_produto().GetInterface();
    if (!servidor) com::fail(msg::info_produto_itens_preco, E_FAIL);
    CHAVE_ITENS_PRECO k{};
    k.produto = static_cast<int32_t>(d.produto.ponteiro);
    k.tabela = static_cast<uint16_t>(tabela & 0xFFFF);
    k.item1 = d.itens[0].ponteiro;
    k.item2 = d.itens[1].ponteiro;
    k.item3 = d.itens[2].ponteiro;
    QV_CHAVE_24 chave;
    std::memcpy(chave.dados, &k, sizeof k);
    RESPOSTA_ITENS_PRECO resposta{};
    const HRESULT hr = servidor->ItensPreco(chave, reinterpret_cast<BYTE*>(&resposta));
    std::unique_ptr<_REG_ITENS_TABELA_PRECOPS, decltype(&CoTaskMemFree)> itens(resposta.itens, &CoTaskMemFree);
    verifica(hr, msg::info_produto_itens_preco);
    return resposta.quantidade > 0 && itens ? itens.get()[0] : _REG_ITENS_TABELA_PRECOPS{};
}

}  // namespace

void CTW_DF_InfoProduto::final_construct() { m_calculo = novo_calculo_impostos_produto(); }

HRESULT CTW_DF_InfoProduto::SetDados(BSTR bsTabelaPrecos, BSTR bsCliente, BSTR bsFilial, BSTR bsProduto, BSTR bsGrade1,
                                     BSTR bsGrade2, BSTR bsGrade3, VARIANT_BOOL* pvbSucesso) noexcept try {
    if (!pvbSucesso) return E_POINTER;
    *pvbSucesso = VARIANT_FALSE;
    // Nothing of an earlier product stays readable: what was loaded is replaced only when all of
    // the new one is.
    *m_dados = {};
    auto novos = std::make_unique<dados>();
    BSTR grades[3] = {bsGrade1, bsGrade2, bsGrade3};
    if (!Carrega(bsTabelaPrecos, bsCliente, bsFilial, bsProduto, grades, *novos)) return S_OK;
    m_dados = std::move(novos);
    *pvbSucesso = VARIANT_TRUE;
    return S_OK;
} catch (...) {
    return report();
}

bool CTW_DF_InfoProduto::Carrega(BSTR bsTabelaPrecos, BSTR bsCliente, BSTR bsFilial, BSTR bsProduto, BSTR (&grades)[3],
                                 dados& novos) {
    long tabela = 0;
    if (!encontrado(conexao_produto().ExisteTabelaPreco(com::from_bstr(bsTabelaPrecos).c_str(), 'V', &tabela, &novos.tabela),
                    msg::procurar_tabela_precos))
        return false;

    long posicao_cliente = 0;
    if (!server::CPoolConexoes::GetInstancia()->GetConexaoCliente()->Existe(com::from_bstr(bsCliente).c_str(),
                                                                          &posicao_cliente, &novos.cliente, 0))
        return false;
    // The look-up gives the customer's code, name and state; the tax calculation needs the whole
    // record.
    QVCFRT cliente{};
    cliente.posicao_plano = novos.cliente.posicao_plano;
    verifica(buffer_cfrt().Le(&cliente, 0), msg::ler_cfrt);
    novos.cliente = cliente;

    long posicao_filial = 0;
    if (!conexao_filial().Existe(com::from_bstr(bsFilial).c_str(), &posicao_filial, &novos.filial)) return false;

    long ponteiro = 0;
    if (!encontrado(conexao_produto().ExisteProduto(com::from_bstr(bsProduto).c_str(), 'A',
                                                    static_cast<WORD>(tabela & 0xFFFF), &ponteiro, &novos.produto),
                    msg::procurar_produto))
        return false;

    const WORD ponteiros_grade[3] = {novos.produto.grade1, novos.produto.grade2, novos.produto.grade3};
    for (int n = 0; n < 3; ++n) le_item_grade(ponteiros_grade[n], grades[n], novos.itens[n]);

    novos.desconto = le_desconto(novos, tabela);
    CalculaImpostos(novos);
    return true;
}

void CTW_DF_InfoProduto::CalculaImpostos(dados& novos) {
    server::CSessaoGlobal& sessao = *server::CSessaoGlobal::GetInstancia();
    verifica(m_calculo->Inicializa(sessao.GetEmpresa(), static_cast<WORD>(sessao.GetUsuario()), sessao.GetNumeroSessao()),
             msg::info_produto_calculo_impostos);

    const WORD posicao = novos.filial.codigo;
    inhouse::REG_FILIAL filial{};
    verifica(conexao_filial().Le(posicao, &filial), msg::info_produto_filial);

    com::com_ptr<IQVFT_MestreComercial> mestre = server::CCacheServidores::GetInstancia()->GetServidorMestreComercial();
    if (!mestre) com::fail(msg::info_produto_mestre, E_FAIL);
    QV_PARAMETROS_472 parametros{};
    verifica(mestre->LeParametros(&parametros), msg::info_produto_mestre);
    uint32_t segundo_codigo = 0;
    std::memcpy(&segundo_codigo, parametros.dados + mestre_segundo_codigo, sizeof segundo_codigo);
    mestre = nullptr;

    verifica(m_calculo->SetFilial(posicao, segundo_codigo, filial), msg::info_produto_calculo_impostos);
    verifica(m_calculo->SetCliente(novos.cliente), msg::info_produto_calculo_impostos);
    verifica(m_calculo->CalculaProduto(novos.produto.ponteiro, dia_consulta_impostos, novos.aliquotas),
             msg::info_produto_calculo_impostos);
}

HRESULT CTW_DF_InfoProduto::GetAliquotaICMS(BSTR* pbsValor) noexcept try {
    const aliquotas_produto& a = m_dados->aliquotas;
    return com::put_text(pbsValor, TextoAliquota(a.icms, a.calcula_icms));
} catch (...) {
    return report();
}

HRESULT CTW_DF_InfoProduto::GetAliquotaIPI(BSTR* pbsValor) noexcept try {
    const aliquotas_produto& a = m_dados->aliquotas;
    return com::put_text(pbsValor, TextoAliquota(a.ipi, a.calcula_ipi));
} catch (...) {
    return report();
}

HRESULT CTW_DF_InfoProduto::GetAliquotaICMSST(BSTR* pbsValor) noexcept try {
    // Substitution applies only where ICMS itself is charged.
    const aliquotas_produto& a = m_dados->aliquotas;
    return com::put_text(pbsValor, TextoAliquota(a.icms_st, a.calcula_icms));
} catch (...) {
    return report();
}

HRESULT CTW_DF_InfoProduto::GetDataEntrega(BSTR* pbsValor) noexcept try {
    return com::put_text(pbsValor, std::to_string(m_dados->produto.prazo_entrega));
} catch (...) {
    return report();
}

HRESULT CTW_DF_InfoProduto::GetDescontoUnitario(BSTR* pbsValor) noexcept try {
    return com::put_text(pbsValor, TextoCentesimos(m_dados->produto.desconto_unitario));
} catch (...) {
    return report();
}

HRESULT CTW_DF_InfoProduto::GetNome(BSTR* pbsNome) noexcept try {
    return com::put_text(pbsNome, NomeProduto(m_dados->produto));
} catch (...) {
    return report();
}

HRESULT CTW_DF_InfoProduto::GetValorUnitario(BSTR* pbsValor) noexcept try {
    return com::put_text(pbsValor, PrecoProduto(m_dados->produto));
} catch (...) {
    return report();
}

HRESULT CTW_DF_InfoProduto::GetPesoBruto(BSTR* pbsValor) noexcept try {
    const _REG_PRODUTOPS& p = m_dados->produto;
    return com::put_text(pbsValor, std::string(QVFormataCYMilhar(PesoEscalado(p.peso_bruto, p.casas_peso_bruto))));
} catch (...) {
    return report();
}

HRESULT CTW_DF_InfoProduto::GetPesoLiquido(BSTR* pbsValor) noexcept try {
    const _REG_PRODUTOPS& p = m_dados->produto;
    return com::put_text(pbsValor, std::string(QVFormataCYMilhar(PesoEscalado(p.peso_liquido, p.casas_peso_liquido))));
} catch (...) {
    return report();
}

HRESULT CTW_DF_InfoProduto::GetQtdeCasasDecimais(USHORT* pusCasas) noexcept try {
    if (!pusCasas) return E_POINTER;
    *pusCasas = 0;
    _REG_UNIDADES_MEDIDAPS unidade{};
    const HRESULT hr = conexao_produto().LeUnidadeMedidaProduto(m_dados->produto.unidade, &unidade);
    // A unit that is not in the register has no decimals; a failed call is a failure.
    if (FAILED(hr) && hr != inhouse::QV_E_UNIDADE_DESCONHECIDA) com::fail(msg::ler_unidade, hr);
    return com::put_number(pusCasas, CasasDecimaisUnidade(SUCCEEDED(hr) ? unidade.casas : 0));
} catch (...) {
    return report();
}

HRESULT CTW_DF_InfoProduto::GetQtdeEmbalagem(BSTR* pbsValor) noexcept try {
    return com::put_text(pbsValor, std::string(QVFormataCYMilhar(qv_cy(m_dados->produto.embalagem))));
} catch (...) {
    return report();
}

HRESULT CTW_DF_InfoProduto::GetQtdePallet(ULONG* pulQuantidade) noexcept try {
    return com::put_number(pulQuantidade, static_cast<ULONG>(m_dados->produto.pallet));
} catch (...) {
    return report();
}

HRESULT CTW_DF_InfoProduto::GetDescontoMax(BSTR* pbsValor) noexcept try {
    return com::put_text(pbsValor, std::string(QVFormataValor8Casas(DescontoMaximo(m_dados->desconto), 2)));
} catch (...) {
    return report();
}

HRESULT CTW_DF_InfoProduto::GetDescontoMaxPorcentagem(BSTR* pbsValor) noexcept try {
    return com::put_text(pbsValor, TextoDescontoMaximoPorcentagem(m_dados->desconto));
} catch (...) {
    return report();
}

}  // namespace masterdata

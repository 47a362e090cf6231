// GravaItem: an item the client filled, read, checked against the product register, the order
// and the stock, and added to the order model. A refusal is the order's last error, never a COM
// error: the method answers S_OK with -1.
#include <array>
#include <cctype>
#include <cstring>

#include "base/QVCurrency.h"
#include "base/QVDCOM.h"
#include "base/QVRelogio.h"
#include "ft/ftlibrary/CItemPedido.h"
#include "ft/ftlibrary/campo_texto.h"
#include "inhouse_cache.h"
#include "platform/com/failure.h"
#include "platform/com/text.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "platform/inhouse/naturezas/registros_natureza.h"
#include "platform/inhouse/produtos/registros_referencia.h"
#include "sales/CItemPedidoWeb.h"
#include "sales/CPedidoWeb.h"
#include "sales/CPedidos.h"
#include "sales/messages.h"
#include "sales/normaliza_decimais.h"

namespace sales {

namespace {

// A text property of the client's item; its failure is a failure of the call.
template <class Get>
std::string texto_item(Get get) {
    com::unique_bstr b;
    com::check(get(b.put()), msg::pedido_ler_item);
    return com::from_bstr(b.get());
}

template <class T, class Get>
T numero_item(Get get) {
    T valor{};
    com::check(get(&valor), msg::pedido_ler_item);
    return valor;
}

template <class T>
void poe(uint8_t* bloco, size_t posicao, T valor) {
    std::memcpy(bloco + posicao, &valor, sizeof valor);
}

template <class T>
T tira(const void* bloco, size_t posicao) {
    T valor{};
    std::memcpy(&valor, static_cast<const uint8_t*>(bloco) + posicao, sizeof valor);
    return valor;
}

// The item information the order item's tax rules read (474 bytes).
REG_INFO_ITEM_PEDIDO informacao_item(CPedidos& c, const REG_PEDIDO& pedido, const REG_ITEM_PEDIDO& r,
                                     const std::string& tabela, int casas_quantidade) {
    REG_INFO_ITEM_PEDIDO info{};
    uint8_t* I = info.bytes;
    long posicao_tabela = 0;
    _REG_TABELA_PRECOSPS tab{};
    (void)c.Produtos().ExisteTabelaPreco(tabela.c_str(), 'V', &posicao_tabela, &tab);
    _REG_PRODUTOPS p{};
    (void)c.Produtos().LeProduto(r.Posicao.Produto, static_cast<WORD>(posicao_tabela), &p);
    const auto* P = reinterpret_cast<const uint8_t*>(&p);

    std::string descricao;
    IQVDF_Produto* servidor = c.Produtos().GetInterface();
    if (servidor) {
        com::unique_bstr texto;
        if (SUCCEEDED(servidor->Descricao(static_cast<LONG>(p.descricao), texto.put()))) descricao = com::from_bstr(texto.get());
    }
    QVCFRT cliente{};
    cliente.posicao_plano = pedido.PosicaoCliente;
    (void)c.CFRT().Le(&cliente, 0);
    const auto* C = reinterpret_cast<const uint8_t*>(&cliente);
    const bool f = std::toupper(C[1326]) == 'S' && C[1584] == 0;
    CConexaoMunicipio municipios;
    municipios.SetTrataErros(false);
    _REG_MUNICIPIO_PS municipio{};
    if (SUCCEEDED(municipios.Inicializa(c.Empresa(), c.Usuario(), c.Sessao())))
        (void)municipios.Le(tira<uint16_t>(C, 2608), &municipio);

    RESPOSTA_CONSULTA_IMPOSTO resposta{};
    if (servidor) {
        CHAVE_CONSULTA_IMPOSTO chave{};
        chave.produto = r.Posicao.Produto;
        chave.filial = pedido.PosicaoFilial;
        chave.dia = QVGetDataAtual();
        chave.estado = tira<uint16_t>(&municipio, 66);
        QV_CHAVE_14 bloco{};
        std::memcpy(bloco.dados, &chave, sizeof chave);
        (void)servidor->ConsultaImposto(f ? 24 : 8, bloco, reinterpret_cast<BYTE*>(&resposta));
    }
    const auto* T = reinterpret_cast<const uint8_t*>(&resposta);

    _REG_UNIDADES_MEDIDAPS unidade{};
    (void)c.Produtos().LeUnidadeMedidaProduto(p.unidade, &unidade);
    ft::grava_texto(reinterpret_cast<char*>(I + 0), 62, 61, ft::le_texto(p.codigo, sizeof p.codigo));
    ft::grava_texto(reinterpret_cast<char*>(I + 62), 122, 121, ft::le_texto(p.nome, sizeof p.nome));
    ft::grava_texto(reinterpret_cast<char*>(I + 184), 122, 121, descricao);
    ft::grava_texto(reinterpret_cast<char*>(I + 306), 12, 11, ft::le_texto(unidade.unidade, sizeof unidade.unidade));
    ft::grava_texto(reinterpret_cast<char*>(I + 318), 62, 61, ft::le_texto(reinterpret_cast<const char*>(P + 534), 61));
    for (auto [de, para] : {std::pair{116, 402}, {120, 406}, {72, 424}, {76, 428}, {32, 432}, {36, 436}, {24, 440}, {28, 444}})
        poe(I, para, tira<uint32_t>(P, de));
    for (auto [de, para] : {std::pair{192, 410}, {176, 414}, {198, 416}, {186, 418}, {188, 420}, {190, 422}})
        poe(I, para, tira<uint16_t>(P, de));
    poe(I, 448, tira<uint32_t>(T, 60));
    poe(I, 452, tira<uint32_t>(T, 64));
    poe(I, 456, tira<uint16_t>(T, 70));
    I[460] = P[929];
    I[461] = static_cast<uint8_t>(casas_quantidade);
    for (auto [de, para] : {std::pair{943, 462}, {944, 463}, {937, 464}, {938, 465}, {939, 466}}) I[para] = P[de];
    I[467] = T[86];
    I[468] = T[87];
    I[471] = 1;
    return info;
}

}  // namespace

// The stock the item may take: from a stock server of its own, the balance its operation nature
// names. -1 (nothing may be taken) when the balance cannot be read.
CURRENCY CPedidoWeb::estoque_disponivel(const REG_ITEM_PEDIDO& r) {
    CPedidos& c = dono();
    CURRENCY nenhum;
    nenhum.int64 = -1;
    LONG filial = 0;
    if (m_filial) (void)m_filial->get_Posicao(&filial);
    QV_CONSULTA_SALDO_66 consulta{};
    uint8_t* Q = consulta.dados;
    poe(Q, 0, r.Posicao);
    poe(Q, 10, static_cast<uint16_t>(filial));
    std::memset(Q + 12, 0xFF, 16);
    std::memset(Q + 32, 0xFF, 12);
    Q[48] = 0xFF;

    com::com_ptr<IQVES_Estoque> estoque;
    if (FAILED(QVCriaInstancia(inhouse::CLSID_EstoqueServer, nullptr, QV_CLSCTX_SERVIDOR, __uuidof(IQVES_Estoque),
                               reinterpret_cast<void**>(estoque.put()), QV_CRIA_PADRAO)))
        return nenhum;
    if (FAILED(estoque->Inicializa(com::to_bstr(c.Empresa()).get(), c.Usuario(), c.Sessao(), 0))) return nenhum;
    std::array<uint8_t, 396> saldo{};
    if (FAILED(estoque->Saldo(consulta, saldo.data(), 0, 0, 0))) return nenhum;

    CConexaoNatureza naturezas;
    naturezas.SetTrataErros(false);
    inhouse::REG_NATUREZA natureza{};
    if (SUCCEEDED(naturezas.Inicializa(c.Empresa(), c.Usuario(), c.Sessao())))
        (void)naturezas.Le(r.CodigoNatureza, QVGetDataAtual(), 13, &natureza);
    const auto* N = reinterpret_cast<const uint8_t*>(&natureza);
    const auto balanco = [&](size_t posicao) { return tira<CURRENCY>(saldo.data(), posicao); };
    if (N[595]) return balanco(154);
    if (N[597]) return balanco(282);
    CURRENCY total = balanco(26);
    if (N[554]) total = total + balanco(282) + balanco(154);
    return total;
}

std::string CPedidoWeb::grava_item(IItemPedidoWeb& item, const std::string& tabela, LONG& lPos) {
    CPedidos& c = dono();
    REG_ITEM_PEDIDO r{};

    long posicao_tabela = 0;
    _REG_TABELA_PRECOSPS tab{};
    (void)c.Produtos().ExisteTabelaPreco(tabela.c_str(), 'V', &posicao_tabela, &tab);
    const std::string codigo = texto_item([&](BSTR* b) { return item.get_Codigo(b); });
    long ponteiro = 0;
    _REG_PRODUTOPS produto{};
    if (c.Produtos().ExisteProduto(codigo.c_str(), 'X', static_cast<WORD>(posicao_tabela), &ponteiro, &produto) == 0)
        return msg::item_produto_nao_encontrado;
    r.Posicao.Produto = ponteiro;
    const uint16_t grades[3] = {produto.grade1, produto.grade2, produto.grade3};
    uint16_t itens[3] = {};
    for (SHORT i = 0; i < 3; ++i) {
        const std::string grade = texto_item([&](BSTR* b) { return item.GetCodigoItemGrade(i, b); });
        if (grade.empty()) continue;
        _REG_ITENS_GRADE_PRODUTOPS registro{};
        if (c.Grades().ExisteItemGrade(grades[i], grade.c_str(), &itens[i], &registro) == 0)
            return msg::item_grade_nao_encontrada;
    }
    r.Posicao.Grade1 = itens[0];
    r.Posicao.Grade2 = itens[1];
    r.Posicao.Grade3 = itens[2];
    for (const CItemPedido& existente : m_pedido.GetItens()) {
        const _REG_POSICAO_PRODUTOPS& p = existente.GetPosicao();
        if (p.Produto == r.Posicao.Produto && p.Grade1 == itens[0] && p.Grade2 == itens[1] && p.Grade3 == itens[2])
            return msg::item_produto_repetido;
    }

    ft::grava_texto(r.Complemento, sizeof r.Complemento, 1000, texto_item([&](BSTR* b) { return item.get_Complemento(b); }));
    ft::grava_texto(r.Texto2, sizeof r.Texto2, sizeof r.Texto2, texto_item([&](BSTR* b) { return item.get_NumeroOC(b); }));
    r.AliquotaICMS = static_cast<uint16_t>(numero_item<SHORT>([&](SHORT* v) { return item.get_AliqICMS(v); }));
    r.AliquotaICMSST = static_cast<uint16_t>(numero_item<SHORT>([&](SHORT* v) { return item.get_AliqICMSST(v); }));
    r.DataEntrega = static_cast<uint16_t>(numero_item<SHORT>([&](SHORT* v) { return item.get_DataEntrega(v); }));
    const auto cfop = static_cast<uint16_t>(numero_item<SHORT>([&](SHORT* v) { return item.get_PosCFOP(v); }));
    r.CodigoNatureza = cfop;
    r.AliquotaIPI = QVConverteTextoCY(texto_item([&](BSTR* b) { return item.get_AliqIPI(b); }).c_str());
    r.IPIPorUnidade = 0;

    _REG_UNIDADES_MEDIDAPS unidade{};
    (void)c.Produtos().LeUnidadeMedidaProduto(produto.unidade, &unidade);
    const int casas_quantidade = casas_do_seletor(unidade.casas);
    const int casas_valor = produto.casas_preco;
    const auto valor_de = [&](auto get, int casas) {
        return QVConverteTextoCY(normaliza_decimais(texto_item(get), casas).c_str());
    };
    const CURRENCY valor = valor_de([&](BSTR* b) { return item.get_NovoValorUnitario(b); }, casas_valor);
    const CURRENCY quantidade = valor_de([&](BSTR* b) { return item.get_NovaQuantidade(b); }, casas_quantidade);
    const CURRENCY desconto = valor_de([&](BSTR* b) { return item.get_NovoDesconto(b); }, casas_valor);
    r.Quantidade = quantidade;
    r.ValorUnitario = valor.int64 * 10000;
    r.DescontoUnitario = desconto.int64 * 10000;
    r.CasasDecimais = static_cast<uint8_t>(casas_valor);
    r.PosicaoTabelaPreco = static_cast<uint16_t>(posicao_tabela);
    r.Produto = 'P';
    r.TipoItem = 2;
    r.Codigo2 = produto.unidade;

    // The amount the client gave, as an amount: the eight-decimal field read as four decimals
    // would show it ten thousand times too large.
    if (r.ValorUnitario <= 0) return msg::item_valor_unitario_invalido + std::string(QVFormataCYMilhar(valor));
    if (r.Quantidade.int64 <= 0) return msg::item_quantidade_invalida;
    VARIANT_BOOL pode = VARIANT_FALSE;
    if (IQV_Inicializa* raiz = c.Raiz()) (void)raiz->PossuiAcesso(com::to_bstr("FT").get(), 30, &pode);
    if (pode != VARIANT_TRUE && r.Quantidade.int64 > estoque_disponivel(r).int64) return msg::item_estoque_insuficiente;
    if (r.DescontoUnitario < 0 || r.DescontoUnitario >= r.ValorUnitario) return msg::item_desconto_invalido;
    const LONG livre = numero_item<LONG>([&](LONG* v) { return item.get_LivreDeCobranca(v); });
    r.LivreCobranca = livre != 0 ? 1 : 0;
    r.Produto = 1;

    CItemPedido novo(r);
    novo.SetInfoItem(informacao_item(c, m_registro, r, tabela, casas_quantidade));
    novo.SetOpcaoFTParametro(c.AppInfo().GetParametrosFT()[329] == 'S' ? 1 : 0);
    novo.CalculaValores();
    m_pedido.SetAppInfo(&c.AppInfo());
    novo.SetTipo('P');
    novo.SetLivreCobranca(r.LivreCobranca);
    m_pedido.AdicionaItem(novo);
    m_cfops.push_back(cfop);
    lPos = static_cast<LONG>(m_pedido.GetQtdItens());
    return {};
}

HRESULT CPedidoWeb::GravaItem(IItemPedidoWeb* pItem, BSTR bsTabelaPrecos, LONG* lPos) noexcept try {
    if (!lPos) return E_POINTER;
    *lPos = -1;
    m_sUltimoErro.clear();
    if (!pItem) {
        m_sUltimoErro = msg::item_sem_item;
        return S_OK;
    }
    LONG posicao = -1;
    std::string erro = grava_item(*pItem, com::from_bstr(bsTabelaPrecos), posicao);
    if (!erro.empty()) {
        m_sUltimoErro = std::move(erro);
        return S_OK;
    }
    *lPos = posicao;
    return S_OK;
} catch (...) {
    return report();
}

}  // namespace sales

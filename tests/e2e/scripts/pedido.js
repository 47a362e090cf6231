// The order road once from JScript: the root's TW_FT_Pedido takes two items (one with grids),
// the totals, the 30/60/90 instalments, the header and the save; a repeated item is refused
// with its text; the order then stands in the month's list.
var fso = new ActiveXObject("Scripting.FileSystemObject");
var out = fso.CreateTextFile(WScript.Arguments(0), true, true);
function mostra(texto) { out.WriteLine(texto); }

var raiz = new ActiveXObject("ZidizUvi.QV_Inicializa");
raiz.Inicializa("DEMO", "ADMIN", "admin123", 0);
mostra("login: usuário " + raiz.m_iUsuario + ", inicializado " + raiz.m_bInicializado);

var lista = raiz.TW_FT_ListaPedidos();
var antes = lista.BuscaQtdPedidosMesAtual();

var pedido = raiz.TW_FT_Pedido();
function adiciona(codigo, quantidade, valor, desconto, percentual, grade1, grade2) {
    return pedido.AdicionaItem(codigo, quantidade, valor, desconto, "18", "5", "0", "", "20/12/2026", "",
                               "0,30", "0,25", grade1, grade2, "", 0, "5102", percentual, "VAREJO", "1", "C001");
}
mostra("item 101 M/AZ: " + adiciona("101", "2", "39,90", "10", 1, "M", "AZ"));
mostra("item 104: " + adiciona("104", "12", "9,90", "0,50", 0, "", ""));
try {
    adiciona("101", "1", "39,90", "0", 0, "M", "AZ");
    mostra("item repetido: aceito");
} catch (e) {
    mostra("item repetido: erro " + (e.number >>> 0).toString(16).toUpperCase() + " [" + e.description + "]");
}
var i, n = pedido.GetQtdItens();
mostra("itens: " + n);
for (i = 0; i < n; i++) {
    pedido.GetItem(i);
    mostra("  " + pedido.GetCodigoItem() + " " + pedido.GetDescricaoItem() + " " + pedido.GetDescricaoGrade1Item() +
           "/" + pedido.GetDescricaoGrade2Item() + " qtd " + pedido.GetQtdItem() + " x " + pedido.GetValorUnitarioItem() +
           " - " + pedido.GetDescontoUnitarioItem() + " = " + pedido.GetValorLiquidoItem());
}
pedido.CalculaValoresTotais("10,00");
pedido.CalculaParcelas("2");
n = pedido.GetQtdParcelas();
mostra("produtos " + pedido.GetTotalProdutos() + " desconto " + pedido.GetDescontoTotal() + " IPI " +
       pedido.GetTotalIPI() + " a pagar " + pedido.GetTotalPagar() + " em " + n + " parcelas");
for (i = 0; i < n; i++) {
    pedido.GetParcela(i);
    mostra("  " + pedido.GetNumeroParcela() + " " + pedido.GetValorParcela());
}
var ok = pedido.SetDados("", "1", "C001", "20/12/2026", "VENDA", "5102", "OC-JS", "Pedido do cliente JScript",
                         pedido.GetTotalProdutos(), pedido.GetDescontoTotal(), pedido.GetTotalIPI(), "1",
                         "emitente", "", "rodoviario", "", pedido.GetPesoBruto(), pedido.GetPesoLiquido(),
                         "ZIDIZ", "CAIXA", "1", "Doca 1", "CS", "10/12/2026", "2");
mostra("cabeçalho: " + ok);
mostra("grava: " + pedido.Grava());
try {
    pedido.Grava();
    mostra("grava de novo: aceito");
} catch (e) {
    mostra("grava de novo: erro [" + e.description + "]");
}
lista = raiz.TW_FT_ListaPedidos();
mostra("pedidos do mês: um a mais " + (lista.BuscaQtdPedidosMesAtual() == antes + 1));
mostra("FIM");
out.Close();

' An order of N items through the whole road of the order page (AdicionaItem for each item, the
' totals, the 30/60/90 instalments, the header and Grava) from a script client, in batches, each
' followed by M empty calls of the test probe and M calls of the order object's own discount
' calculator (no store, no clock: the calls' own cost in this server): one line per batch with the
' seconds of the three, then how many orders were saved.
Option Explicit
Dim raiz, sonda, calculo, r, batches, itens, vazias, b, i, inicio, tPedido, tVazias, tCalculo, gravados, texto
batches = CLng(WScript.Arguments(0))
itens = CLng(WScript.Arguments(1))
vazias = CLng(WScript.Arguments(2))
Set raiz = CreateObject("ZidizUvi.QV_Inicializa")
raiz.Inicializa "DEMO", "ADMIN", "admin123", r
Set sonda = CreateObject("ZidizUviTeste.Sonda")

Function UmPedido()
    Dim p, n, ok
    UmPedido = False
    Set p = raiz.TW_FT_Pedido()
    For n = 1 To itens
        ' The same product and grids: each item has its own complement, so none repeats another.
        ok = p.AdicionaItem("101", "2", "39,90", "0", "18", "5", "0", "", "20/12/2026", "item " & n, "0,22", "0,20", _
                            "M", "AZ", "", 0, "5102", 0, "VAREJO", "1", "C001")
        If Not ok Then Exit Function
    Next
    p.CalculaValoresTotais "15,00"
    p.CalculaParcelas "2"
    If Not p.SetDados("", "1", "C001", "20/12/2026", "VENDA", "5102", "", "", p.GetTotalProdutos(), _
                      p.GetDescontoTotal(), p.GetTotalIPI(), "2", "emitente", "", "rodoviario", "", "0", "0", "", "", _
                      "", "", "CS", "10/12/2026", "2") Then Exit Function
    UmPedido = p.Grava()
End Function

UmPedido   ' warm-up: the first order pays for connecting
sonda.Vazio
Set calculo = raiz.TW_FT_Pedido()
texto = calculo.CalculaDescontoItem("200,00", "10", True)
gravados = 0
For b = 1 To batches
    inicio = Timer
    If UmPedido() Then gravados = gravados + 1
    tPedido = Timer - inicio
    inicio = Timer
    For i = 1 To vazias
        sonda.Vazio
    Next
    tVazias = Timer - inicio
    inicio = Timer
    For i = 1 To vazias
        texto = calculo.CalculaDescontoItem("200,00", "10", True)
    Next
    tCalculo = Timer - inicio
    WScript.Echo "batch " & CStr(tPedido) & " " & CStr(tVazias) & " " & CStr(tCalculo)
Next
WScript.Echo "saved " & gravados
WScript.Echo "discount " & texto

' Order entry through real COM: the root's TW_FT_Pedido takes two items (one with grids), the
' totals, the 30/60/90 instalments and one changed instalment, the header, and the save; the
' refusals a web page meets on the way, as texts.
Option Explicit
Dim fso, out, raiz, r, pedido, i, n, ok
Set fso = CreateObject("Scripting.FileSystemObject")
Set out = fso.CreateTextFile(WScript.Arguments(0), True, True)

Sub Mostra(texto)
    out.WriteLine texto
End Sub

Sub Erro(acao)
    If Err.Number <> 0 Then
        Mostra "  " & acao & ": erro " & Hex(Err.Number) & " [" & Err.Description & "]"
    Else
        Mostra "  " & acao & ": sem erro"
    End If
    Err.Clear
End Sub

Function Adiciona(codigo, quantidade, valor, desconto, percentual, grade1, grade2, complemento)
    Adiciona = pedido.AdicionaItem(codigo, quantidade, valor, desconto, "18", "5", "0", "OC-1", "20/12/2026", _
                                   complemento, "0,30", "0,25", grade1, grade2, "", 0, "5102", percentual, _
                                   "VAREJO", "1", "C001")
End Function

Function Cabecalho(filial, cliente)
    Cabecalho = pedido.SetDados("", filial, cliente, "20/12/2026", "VENDA", "5102", "OC-1", "Entregar pela manhã", _
                                pedido.GetTotalProdutos(), pedido.GetDescontoTotal(), pedido.GetTotalIPI(), "2", _
                                "emitente", "", "rodoviario", "", pedido.GetPesoBruto(), pedido.GetPesoLiquido(), _
                                "ACME", "CAIXA", "1", "Doca 3", "CS", "10/12/2026", "2")
End Function

Set raiz = CreateObject("ZidizUvi.QV_Inicializa")
r = -7
raiz.Inicializa "DEMO", "ADMIN", "admin123", r
Mostra "login: resultado=" & r

Set pedido = raiz.TW_FT_Pedido()
Mostra "Objeto: " & TypeName(pedido)

Mostra "item 101 M/AZ: " & Adiciona("101", "2", "39,90", "10", 1, "m", "az", "")
Mostra "item 103 G: " & Adiciona("103", "1.250", "89,90", "1,50", 0, "G", "", "barra italiana")
On Error Resume Next
ok = Adiciona("101", "1", "39,90", "0", 0, "M", "AZ", "")
Erro "item repetido"
ok = Adiciona("999", "1", "1,00", "0", 0, "", "", "")
Erro "produto desconhecido"
ok = pedido.AdicionaItem("104", "1", "1,00", "0", "0", "0", "0", "", "", "", "0", "0", "", "", "", 0, "5102", 0, _
                         "NENHUMA", "1", "C001")
Erro "tabela desconhecida"
On Error GoTo 0

n = CLng(pedido.GetQtdItens())
Mostra "itens: " & n
For i = 0 To n - 1
    pedido.GetItem i
    Mostra "  " & pedido.GetCodigoItem() & " " & pedido.GetDescricaoItem() & " [" & pedido.GetClassificacaoItem() & _
           "] " & pedido.GetDescricaoGrade1Item() & "/" & pedido.GetDescricaoGrade2Item() & "/" & _
           pedido.GetDescricaoGrade3Item() & " qtd " & pedido.GetQtdItem() & " x " & pedido.GetValorUnitarioItem() & _
           " - " & pedido.GetDescontoUnitarioItem() & " = " & pedido.GetValorLiquidoItem()
Next
pedido.GetItem 7
On Error Resume Next
Mostra "  item 7: " & pedido.GetCodigoItem()
Erro "item 7"
On Error GoTo 0

pedido.CalculaValoresTotais "20,00"
Mostra "produtos " & pedido.GetTotalProdutos() & " desconto " & pedido.GetDescontoTotal() & " IPI " & _
       pedido.GetTotalIPI() & " peso " & pedido.GetPesoBruto() & "/" & pedido.GetPesoLiquido()
pedido.CalculaParcelas "2"
n = CLng(pedido.GetQtdParcelas())
Mostra "parcelas: " & n & " a pagar " & pedido.GetTotalPagar()
pedido.AlteraParcela 0, "10/01/2027", "150,00", "primeira", "BOL"
For i = 0 To n - 1
    pedido.GetParcela i
    Mostra "  " & pedido.GetNumeroParcela() & " " & pedido.GetValorParcela() & " " & _
           pedido.GetCodFormaPagamentoParcela() & " " & pedido.GetNomeFormaPagamentoParcela() & " [" & _
           pedido.GetObservacaoParcela() & "]"
Next
Mostra "acréscimo " & pedido.GetValorAcrescimo() & " a pagar " & pedido.GetTotalPagar()
On Error Resume Next
pedido.AlteraParcela 1, "10/02/2027", "0", "", ""
Erro "parcela zero"
pedido.AlteraParcela 5, "10/02/2027", "10,00", "", ""
Erro "parcela 5"
On Error GoTo 0
Mostra "desconto de 10% sobre 200,00: " & pedido.CalculaDescontoItem("200,00", "10", True)
Mostra "20,00 sobre 200,00: " & pedido.CalculaDescontoItem("200,00", "20,00", False) & "%"

Mostra "filial desconhecida: " & Cabecalho("99", "C001")
Mostra "cliente desconhecido: " & Cabecalho("1", "C999")
Mostra "cabeçalho: " & Cabecalho("1", "C001")
On Error Resume Next
ok = pedido.Grava()
Mostra "grava: " & ok
Erro "grava"
ok = pedido.Grava()
Mostra "grava de novo: " & ok
Erro "grava de novo"
On Error GoTo 0
Mostra "FIM"
out.Close

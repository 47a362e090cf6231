' The older web order road as a web page drives it: the collection (ZidizUvi.Pedidos), its web
' orders (ZidizUvi.Pedido) and their items (ZidizUvi.ItemPedido), each also through its ".1"
' ProgID; an order made through its ProgID has no collection; a web order with two items and a
' payment condition; saving, listing and the refusal of an object this server did not make.
Option Explicit
Dim fso, out, raiz, resultado, pedidos, pedido, item, solto, p, i, n, estranho

Set fso = CreateObject("Scripting.FileSystemObject")
Set out = fso.CreateTextFile(WScript.Arguments(0), True, True)

Sub Relata(titulo)
    If Err.Number = 0 Then
        out.WriteLine titulo & ": ok"
    Else
        out.WriteLine titulo & ": erro " & Hex(Err.Number) & " [" & Err.Description & "]"
    End If
    Err.Clear
End Sub

Class PedidoDeMentira
    Public NumeroPedido
End Class

For Each p In Array("ZidizUvi.Pedidos", "ZidizUvi.Pedidos.1", "ZidizUvi.Pedido", "ZidizUvi.Pedido.1", _
                    "ZidizUvi.ItemPedido", "ZidizUvi.ItemPedido.1")
    out.WriteLine p & ": " & TypeName(CreateObject(p))
Next

' An item bag on its own.
Set item = CreateObject("ZidizUvi.ItemPedido")
item.AliqICMS = "12,5"
out.WriteLine "AliqICMS 12,5: " & item.AliqICMS
item.LivreDeCobranca = -1
out.WriteLine "LivreDeCobranca -1: " & item.LivreDeCobranca
On Error Resume Next
n = item.GetCodigoItemGrade(0)
Relata "Grade de item novo"
n = item.GetCodigoItemGrade(3)
Relata "Grade 3"
item.NovaQuantidade = "123456789012,34"
Relata "Quantidade de 15 caracteres"
On Error GoTo 0

' An order made through its ProgID belongs to no collection.
Set solto = CreateObject("ZidizUvi.Pedido")
solto.LocalEntrega = "Doca 3"
out.WriteLine "LocalEntrega: " & solto.LocalEntrega
solto.Observacoes = "Entregar pela manhã"
out.WriteLine "Observacoes: " & solto.Observacoes
solto.FretePorConta = "e"
out.WriteLine "FretePorConta e: " & solto.FretePorConta
On Error Resume Next
solto.CodigoCliente = "C101"
Relata "CodigoCliente sem coleção"
n = solto.GravaItem(item, "VAREJO")
Relata "GravaItem sem coleção"
On Error GoTo 0

Set raiz = CreateObject("ZidizUvi.QV_Inicializa")
resultado = -1
raiz.Inicializa "DEMO", "ADMIN", "admin123", resultado
out.WriteLine "Login ADMIN: " & resultado

Set pedidos = CreateObject("ZidizUvi.Pedidos")
On Error Resume Next
Set pedido = pedidos.NovoPedido(9001)
Relata "NovoPedido antes de Inicializa"
On Error GoTo 0
pedidos.Inicializa raiz
out.WriteLine "Embalagem: " & pedidos.QuantidadesCondizentesEmbalagem
out.WriteLine "Representante: " & pedidos.BuscaRepresentante(9001).Nome

Set pedido = pedidos.NovoPedido(9001)
out.WriteLine "Número: " & Len(pedido.NumeroPedido) & " caracteres, sequência " & Mid(pedido.NumeroPedido, 5)
out.WriteLine "Representante: " & pedido.CodigoRepresentante & " " & pedido.NomeRepresentante
pedido.CodigoCliente = "C101"
out.WriteLine "Cliente: " & pedido.CodigoCliente & " " & pedido.NomeCliente
out.WriteLine "Situação: " & pedido.Situacao

Function GravaUm(codigo, quantidade, valor, desconto, grade1, grade2)
    Dim novo
    Set novo = pedido.NovoItem()
    novo.Codigo = codigo
    If grade1 <> "" Then novo.SetCodigoItemGrade 0, grade1
    If grade2 <> "" Then novo.SetCodigoItemGrade 1, grade2
    novo.NovaQuantidade = quantidade
    novo.NovoValorUnitario = valor
    novo.NovoDesconto = desconto
    GravaUm = pedido.GravaItem(novo, "VAREJO")
    out.WriteLine "Item " & codigo & " " & grade1 & grade2 & " x " & quantidade & " a " & valor & ": " & GravaUm & _
                  " [" & pedido.GetLastError() & "]"
End Function

n = GravaUm("104", "3", "10", "1", "", "")
n = GravaUm("101", "2", "29,9", "0", "M", "AZ")
n = GravaUm("101", "1", "29,9", "0", "M", "AZ")
n = GravaUm("201", "1", "0", "0", "", "")
n = GravaUm("201", "0", "38", "0", "", "")
n = GravaUm("201", "1", "38", "38", "", "")
n = GravaUm("999", "1", "1", "0", "", "")
out.WriteLine "Itens: " & pedido.QuantidadeItems
For i = 0 To pedido.QuantidadeItems - 1
    Set item = pedido.GetItem(i)
    out.WriteLine "  " & item.Codigo & " | " & item.Descricao & " | " & item.Quantidade & " | " & item.ValorUnitario & _
                  " | " & item.Desconto & " | " & item.ValorTotal
Next
out.WriteLine "GetItem(9) é Nothing: " & (pedido.GetItem(9) Is Nothing)
out.WriteLine "ValorProdutos: " & pedido.ValorProdutos
pedido.Desconto = "5"
out.WriteLine "Desconto: " & pedido.Desconto & ", ValorTotal: " & pedido.ValorTotal
pedido.CondicaoPagamento = 2
out.WriteLine "Condição " & pedido.CondicaoPagamento & ": " & pedido.QtdParcelas & " parcelas, acréscimo " & _
              pedido.AcrescimoCondPgto
' The payment form's name comes from the documents server's list.
On Error Resume Next
For i = 0 To pedido.QtdParcelas - 1
    p = Split(pedido.Parcela(i), "|")
    If Err.Number = 0 Then
        out.WriteLine "  parcela " & p(0) & ": " & p(2) & " forma " & p(3) & " " & p(4)
    Else
        Relata "  parcela " & i
    End If
Next
On Error GoTo 0
pedido.Observacoes = "Entregar pela manhã"
pedido.ViaTransporte = "Rod"
out.WriteLine "Via: " & pedido.ViaTransporte & ", Origem antes de gravar: [" & pedido.Origem & "]"

On Error Resume Next
n = pedidos.GravaPedido(pedido)
Relata "GravaPedido (posição " & n & ")"
n = pedidos.GravaPedido(Nothing)
Relata "GravaPedido de Nothing"
Set estranho = New PedidoDeMentira
n = pedidos.GravaPedido(estranho)
Relata "GravaPedido de um objeto VBScript"
n = pedidos.BuscaPonteiros(9001)
Relata "BuscaPonteiros (" & n & ")"
out.WriteLine "GetPedidoLight(0) é Nothing: " & (pedidos.GetPedidoLight(0) Is Nothing)
n = pedido.QtdFormasPgto
Relata "QtdFormasPgto"
On Error GoTo 0

out.WriteLine "FIM"
out.Close

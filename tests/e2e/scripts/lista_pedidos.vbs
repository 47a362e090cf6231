' The order list of a web page through real COM: the root's TW_FT_ListaPedidos for the regional
' representative (only its customers' orders), each order's texts, the month's count, a position
' outside the list and a getter after it.
Option Explicit
Dim fso, out, raiz, r, lista, n, i, codigo
Set fso = CreateObject("Scripting.FileSystemObject")
Set out = fso.CreateTextFile(WScript.Arguments(0), True, True)

Sub Mostra(texto)
    out.WriteLine texto
End Sub

Set raiz = CreateObject("ZidizUvi.QV_Inicializa")
r = -7
raiz.Inicializa "DEMO", "REGIONAL", "regional1", r
Mostra "login: resultado=" & r

Set lista = raiz.TW_FT_ListaPedidos()
n = lista.BuscaPonteiros()
Mostra "pedidos: " & n & " (de novo: " & lista.BuscaPonteiros() & ")"
For i = 0 To n - 1
    lista.LePosicao i
    codigo = lista.GetCodigo()
    Mostra i & ": número ..." & Mid(codigo, 5) & " (" & Len(codigo) & " caracteres) | emissão " & Len(lista.GetDataEmissao()) & _
           " caracteres | entrega " & Len(lista.GetDataEntrega()) & " caracteres | " & lista.GetSituacao() & " | " & _
           lista.GetValorTotal() & " | " & lista.GetNomeCliente()
Next
Mostra "pedidos do mês maior que zero: " & (CLng(lista.BuscaQtdPedidosMesAtual()) > 0)
lista.SetOrdenacao 2

On Error Resume Next
lista.LePosicao n
Mostra "posição fora da lista: " & Hex(Err.Number)
Err.Clear
Mostra "situação depois dela: " & lista.GetSituacao()
On Error GoTo 0
Mostra "FIM"

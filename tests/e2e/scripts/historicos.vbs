' The standard histories as a web page reads them: the root's list object (TW_DF_Historicos),
' loaded once, read with its cursor in the three orders, and the registered ZidizUvi.QVDFcHistorico
' read by list position, with its numbered messages (a script sees 0x800A0056 as error 86, Hex 56).
Option Explicit
Dim fso, out, raiz, lista, historico, resultado, i, n
Set fso = CreateObject("Scripting.FileSystemObject")
Set out = fso.CreateTextFile(WScript.Arguments(0), True, True)

Function Visivel(texto)
    Visivel = Replace(Replace(texto, vbTab, "<TAB>"), vbLf, "<LF>")
End Function

Sub MostraLista(titulo)
    out.WriteLine titulo
    For i = 0 To n - 1
        lista.LePosicao i
        out.WriteLine "  " & lista.GetCodigo() & " | " & lista.GetClassificacao() & " | " & lista.GetNome()
    Next
End Sub

Sub Le(pos)
    On Error Resume Next
    Dim codigo
    codigo = historico.GetCodigo(pos)
    If Err.Number = 0 Then
        out.WriteLine "Posição " & pos & ": " & codigo & " - " & historico.GetConteudo(pos) & " (id " & _
                      CLng(historico.GetIdPrincipal(pos)) & ")"
    Else
        out.WriteLine "Posição " & pos & ": erro " & Hex(Err.Number) & " [" & Visivel(Err.Description) & "]"
    End If
    On Error GoTo 0
End Sub

Set raiz = CreateObject("ZidizUvi.QV_Inicializa")
resultado = -1
raiz.Inicializa "DEMO", "ADMIN", "admin123", resultado
out.WriteLine "Login: " & resultado

Set lista = raiz.TW_DF_Historicos()
out.WriteLine "Objeto: " & TypeName(lista)
n = CLng(lista.BuscaPonteiros())
out.WriteLine "Históricos: " & n
MostraLista "Por classificação:"
lista.SetOrdenacao 0
MostraLista "Por código:"
lista.SetOrdenacao 1
MostraLista "Por texto:"
out.WriteLine "De novo: " & CLng(lista.BuscaPonteiros())
On Error Resume Next
lista.LePosicao n
out.WriteLine "Posição " & n & ": erro " & Hex(Err.Number)
On Error GoTo 0

Set historico = CreateObject("ZidizUvi.QVDFcHistorico")
out.WriteLine "Objeto: " & TypeName(historico)
On Error Resume Next
historico.GetQuantidade
out.WriteLine "Antes de Inicializa: erro " & Hex(Err.Number) & " [" & Visivel(Err.Description) & "]"
On Error GoTo 0
historico.Inicializa raiz
n = CLng(historico.GetQuantidade())
out.WriteLine "Quantidade: " & n
For i = 0 To n - 1
    Le i
Next
Le n
Le n
Le -1
out.WriteLine "Posição lógica do id 4: " & CLng(historico.GetPosicaoLogicaIdPrincipal(4))
out.WriteLine "Posição lógica do id 999: " & CLng(historico.GetPosicaoLogicaIdPrincipal(999))
out.WriteLine "FIM"
out.Close

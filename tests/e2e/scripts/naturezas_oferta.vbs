' The operation natures a sale may use, as an order page reads them (TW_DF_NaturezasOperacao): for a
' customer in the branch's state, one in another state and one abroad, walked by position and
' found by the dotted code; an unknown code fails with its text.
Option Explicit
Dim fso, out, raiz, lista, resultado, i, n
Set fso = CreateObject("Scripting.FileSystemObject")
Set out = fso.CreateTextFile(WScript.Arguments(0), True, True)

Sub Mostra(cliente, filial)
    lista.SetCodCliente cliente
    lista.SetCodFilial filial
    n = CLng(lista.BuscaPonteiros())
    out.WriteLine "Cliente " & cliente & ", filial " & filial & ": " & n
    For i = 0 To n - 1
        lista.LePosicao i
        out.WriteLine "  " & lista.GetCodigo() & " | " & lista.GetNome() & " | filial " & lista.GetFilial()
    Next
End Sub

Set raiz = CreateObject("ZidizUvi.QV_Inicializa")
resultado = -1
raiz.Inicializa "DEMO", "ADMIN", "admin123", resultado
out.WriteLine "Login: " & resultado

Set lista = raiz.TW_DF_NaturezasOperacao()
out.WriteLine "Objeto: " & TypeName(lista)
Mostra "C001", "1"
Mostra "C002", "1"
Mostra "C002", "2"
Mostra "C900", "1"
Mostra "C001", "9"
Mostra "C001", "1"
lista.LeCodigo "5.405"
out.WriteLine "LeCodigo 5.405: " & lista.GetCodigo() & " | " & lista.GetNome()
On Error Resume Next
lista.LeCodigo "5405"
out.WriteLine "LeCodigo 5405: erro " & Hex(Err.Number) & " [" & Err.Description & "]"
Err.Clear
lista.LePosicao 4
out.WriteLine "LePosicao 4: erro " & Hex(Err.Number)
On Error GoTo 0
out.WriteLine "Atual: " & lista.GetCodigo()
out.WriteLine "FIM"
out.Close

' The company's storage places through real COM: the list object by both ProgIDs, a second
' Inicializa, every place by position, positions outside the list, and a place a client created
' itself.
Option Explicit
Dim fso, out, raiz, r, locais, local, n, i
Set fso = CreateObject("Scripting.FileSystemObject")
Set out = fso.CreateTextFile(WScript.Arguments(0), True, True)

Sub Mostra(texto)
    out.WriteLine texto
End Sub

' Wine's TypeName reads a null object handed back by a call as a pointer: ask Is Nothing instead.
Function ObjetoOuNada(o)
    If o Is Nothing Then ObjetoOuNada = "Nothing" Else ObjetoOuNada = TypeName(o)
End Function

Set raiz = CreateObject("ZidizUvi.QV_Inicializa")
r = 0
raiz.Inicializa "DEMO", "ADMIN", "admin123", r
Mostra "Login: " & r
Set locais = CreateObject("ZidizUvi.QVLocaisArmazenagemWeb")
Mostra "Objeto: " & TypeName(locais)
On Error Resume Next
n = locais.BuscaPonteiros()
Mostra "Antes de Inicializa: " & Hex(Err.Number)
Err.Clear
On Error GoTo 0
locais.Inicializa raiz
locais.Inicializa raiz
n = locais.BuscaPonteiros()
Mostra "Locais: " & n
For i = 0 To n - 1
    Set local = locais.LePosicao(i)
    Mostra "  " & i & ": " & TypeName(local) & " " & local.Codigo & " | " & local.Nome & " | [" & local.Tipo & "] " & Len(local.Tipo)
Next
On Error Resume Next
Set local = Nothing
Set local = locais.LePosicao(n)
Mostra "LePosicao(" & n & "): " & Hex(Err.Number) & " " & ObjetoOuNada(local)
Err.Clear
Set local = locais.LePosicao(-1)
Mostra "LePosicao(-1): " & Hex(Err.Number) & " " & ObjetoOuNada(local)
Err.Clear
On Error GoTo 0
Set locais = CreateObject("ZidizUvi.QVLocaisArmazenagemWeb.1")
locais.Inicializa raiz
Mostra "Pela ProgID com versão: " & locais.BuscaPonteiros()
Set local = CreateObject("ZidizUvi.QVLocalArmazenagem")
Mostra "Local criado pelo cliente: " & TypeName(local) & " [" & local.Codigo & "] " & Len(local.Tipo)
Set local = CreateObject("ZidizUvi.QVLocalArmazenagem.1")
Mostra "Pela ProgID com versão: " & TypeName(local)
Mostra "FIM"
out.Close

' The states through real COM: the registered enumerator and its state objects, initialised from
' the root object, and the root's list of abbreviations.
Option Explicit
Dim fso, out, raiz, r, estados, e, n, i, lista, linha
Set fso = CreateObject("Scripting.FileSystemObject")
Set out = fso.CreateTextFile(WScript.Arguments(0), True, True)

Sub Mostra(texto)
    out.WriteLine texto
End Sub

Sub Erro(acao)
    Mostra "  " & acao & ": erro " & Hex(Err.Number) & " [" & Err.Description & "]"
    Err.Clear
End Sub

Set raiz = CreateObject("ZidizUvi.QV_Inicializa")
r = -7
raiz.Inicializa "DEMO", "ADMIN", "admin123", r
Mostra "login: resultado=" & r

Set estados = CreateObject("ZidizUvi.QVDF_Estados.1")
On Error Resume Next
n = estados.IniciaBusca()
Erro "IniciaBusca sem Inicializa"
On Error GoTo 0
estados.Inicializa raiz
n = estados.IniciaBusca()
Mostra "estados: " & CLng(n)
Set e = estados.Proximo()
Do While Not e Is Nothing
    Mostra "  " & e.Sigla & " " & e.Nome & " exterior=" & CInt(e.Exterior) & " geo=[" & e.RegiaoGeo & "] fiscal=[" & e.RegiaoFiscal & "]"
    Set e = estados.Proximo()
Loop
Mostra "depois do último: " & TypeName(estados.Proximo())

' A state object of the client's own.
Set e = CreateObject("ZidizUvi.Estado.1")
e.Nome = "Teste"
e.Exterior = 1
Mostra "Estado novo: " & e.Nome & " exterior=" & CInt(e.Exterior) & " sigla=[" & e.Sigla & "]"

Set lista = raiz.TW_DF_ListaEstados()
n = CLng(lista.BuscaPonteiros())
linha = ""
For i = 0 To n - 1
    linha = linha & lista.LeUf(i) & " "
Next
Mostra "ListaEstados: " & n & ": " & linha
On Error Resume Next
Dim uf
uf = lista.LeUf(n)
Erro "LeUf(" & n & ")"
On Error GoTo 0
Mostra "FIM"
out.Close

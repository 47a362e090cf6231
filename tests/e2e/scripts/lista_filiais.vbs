' The branch list of web pages (the root's TW_DF_ListaFiliais): the branches with the session
' user's flags, sorted three ways, found by code, and a flag written after a sort; a user without
' every right is refused.
Option Explicit
Dim fso, out, raiz, lista, resultado, i, n, existe

Set fso = CreateObject("Scripting.FileSystemObject")
Set out = fso.CreateTextFile(WScript.Arguments(0), True, True)

Sub Mostra(titulo)
    out.WriteLine titulo
    For i = 0 To n - 1
        lista.LePosicao i
        out.WriteLine "  " & CLng(lista.GetCodigo()) & " | " & lista.GetNome() & " | " & lista.GetAtiva()
    Next
End Sub

Sub Ativa(valor)
    On Error Resume Next
    lista.SetAtiva valor
    If Err.Number = 0 Then
        out.WriteLine "SetAtiva " & valor & ": ok, " & CLng(lista.GetCodigo()) & " agora " & lista.GetAtiva()
    Else
        out.WriteLine "SetAtiva " & valor & ": erro " & Hex(Err.Number) & " [" & Err.Description & "]"
    End If
    On Error GoTo 0
End Sub

Set raiz = CreateObject("ZidizUvi.QV_Inicializa")
resultado = -1
raiz.Inicializa "DEMO", "ADMIN", "admin123", resultado
out.WriteLine "Login ADMIN: " & resultado
Set lista = raiz.TW_DF_ListaFiliais()
out.WriteLine "Objeto: " & TypeName(lista)
n = CLng(lista.BuscaPonteiros())
out.WriteLine "Filiais: " & n
Mostra "Por código:"
lista.SetOrdenacao 1
Mostra "Por nome:"
out.WriteLine "Ativas: " & CLng(lista.GetQtdFiliaisAtivas()) & ", inativas: " & CLng(lista.GetQtdFiliaisInativas())

existe = lista.GetFilial("1")
out.WriteLine "GetFilial(""1""): " & existe & ", atual " & CLng(lista.GetCodigo()) & " " & lista.GetNome()
Ativa False
lista.SetOrdenacao 2
Mostra "Por ativa:"
lista.LePosicao 0
Ativa True
out.WriteLine "GetFilial(""99""): " & lista.GetFilial("99")
On Error Resume Next
lista.LePosicao n
out.WriteLine "LePosicao " & n & ": erro " & Hex(Err.Number)
On Error GoTo 0

Set raiz = CreateObject("ZidizUvi.QV_Inicializa")
raiz.Inicializa "DEMO", "REGIONAL", "regional1", resultado
out.WriteLine "Login REGIONAL: " & resultado
Set lista = raiz.TW_DF_ListaFiliais()
n = CLng(lista.BuscaPonteiros())
Mostra "Filiais de REGIONAL:"
lista.LePosicao 1
Ativa True
Mostra "Depois:"
out.WriteLine "FIM"
out.Close

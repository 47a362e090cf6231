' The company's properties and the root object's movement dates through real COM, before and
' after a login.
Option Explicit
Dim fso, out, raiz, r, p
Set fso = CreateObject("Scripting.FileSystemObject")
Set out = fso.CreateTextFile(WScript.Arguments(0), True, True)
Set raiz = CreateObject("ZidizUvi.QV_Inicializa")

Sub Mostra(texto)
    out.WriteLine texto
End Sub

Sub Erro(acao)
    Mostra "  " & acao & ": erro " & Hex(Err.Number) & " [" & Err.Description & "]"
    Err.Clear
End Sub

r = -7
raiz.Inicializa "DEMO", "ADMIN", "admin123", r
Mostra "login: resultado=" & r
Set p = raiz.TW_DF_Propriedades()
Mostra "objeto: " & TypeName(p)
Mostra "GetUsaCodigoProprio: " & p.GetUsaCodigoProprio() & " (" & CInt(p.GetUsaCodigoProprio()) & ")"
Mostra "GetPeriodoInicial: " & p.GetPeriodoInicial()
Mostra "GetPeriodoFinal: " & p.GetPeriodoFinal()
Mostra "DataInferiorMovimentacao: " & raiz.DataInferiorMovimentacao
Mostra "DataSuperiorMovimentacao: " & raiz.DataSuperiorMovimentacao
Mostra "de novo: " & raiz.DataInferiorMovimentacao & " a " & raiz.DataSuperiorMovimentacao

' After Finaliza no session is left: the properties fail, they do not answer another session's data.
raiz.Finaliza
On Error Resume Next
Dim v
v = p.GetPeriodoInicial()
Erro "GetPeriodoInicial sem sessão"
v = p.GetUsaCodigoProprio()
Erro "GetUsaCodigoProprio sem sessão"
v = raiz.DataInferiorMovimentacao
Mostra "DataInferiorMovimentacao sem sessão: erro " & Hex(Err.Number) & " [" & v & "]"
Err.Clear
On Error GoTo 0
Mostra "FIM"
out.Close

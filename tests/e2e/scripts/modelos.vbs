' The report models of a module's component, with their flags, as a web page lists them; the
' refusals of positions outside the list and of a module that is no folder name. A position
' outside the list answers E_INVALIDARG with no error information, which VBScript shows as its
' error 5.
Option Explicit
Dim fso, out, raiz, r, modelos
Set fso = CreateObject("Scripting.FileSystemObject")
Set out = fso.CreateTextFile(WScript.Arguments(0), True, True)
Set raiz = CreateObject("ZidizUvi.QV_Inicializa")
r = -1
raiz.Inicializa "DEMO", "ADMIN", "admin123", r
out.WriteLine "login: " & r

Set modelos = raiz.TW_DF_ModelosRelatorios()
out.WriteLine "objeto: " & TypeName(modelos)

Sub Erro(acao)
    out.WriteLine "  " & acao & ": erro " & Hex(Err.Number) & " | " & Err.Description
    Err.Clear
End Sub

Sub Lista(modulo, componente)
    Dim n, i
    On Error Resume Next
    ' The count is unsigned (VT_UI4), which VBScript does not compute with.
    n = CLng(modelos.BuscaNomes(modulo, componente))
    If Err.Number <> 0 Then
        Erro modulo & "/" & componente
        On Error GoTo 0
        Exit Sub
    End If
    On Error GoTo 0
    out.WriteLine modulo & "/" & componente & ": " & n & " modelo(s)"
    For i = 0 To n - 1
        out.WriteLine "  [" & modelos.GetNome(i) & "] gerencial=" & modelos.GetEhGerencial(i) & _
                      " operacional=" & modelos.GetEhOperacional(i) & " web=" & modelos.GetEhZidizUvi(i)
    Next
End Sub

Sub Fora(i)
    Dim v
    On Error Resume Next
    v = modelos.GetNome(i)
    Erro "GetNome(" & i & ")"
    v = modelos.GetEhGerencial(i)
    Erro "GetEhGerencial(" & i & ")"
    v = modelos.GetEhOperacional(i)
    Erro "GetEhOperacional(" & i & ")"
    v = modelos.GetEhZidizUvi(i)
    Erro "GetEhZidizUvi(" & i & ")"
    On Error GoTo 0
End Sub

Lista "CN", "Balancete"
Fora 4
Lista "CN", "Razao"
Lista "DF", "PlanoContas"
Lista "FT", "Pedido"
Fora 0
Lista "..", "Balancete"
Fora 0

raiz.Finaliza
out.WriteLine "FIM"
out.Close

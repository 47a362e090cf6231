' The login of a web client: the demo company, its session properties, the refusals, Finaliza.
' A failed call does not hand its by-reference result back: the variable keeps -7 there.
Option Explicit
Dim fso, out, raiz, r
Set fso = CreateObject("Scripting.FileSystemObject")
Set out = fso.CreateTextFile(WScript.Arguments(0), True, True)
Set raiz = CreateObject("ZidizUvi.QV_Inicializa")

Sub Sessao()
    out.WriteLine "  m_bInicializado=" & raiz.m_bInicializado & " m_iUsuario=" & raiz.m_iUsuario & _
                  " sessao>0=" & (raiz.m_lNumeroSessao > 0)
    out.WriteLine "  m_sEmpresa=[" & raiz.m_sEmpresa & "] m_sRazaoSocial=[" & raiz.m_sRazaoSocial & "]"
End Sub

Sub Entra(empresa, usuario, senha)
    r = -7
    On Error Resume Next
    raiz.Inicializa empresa, usuario, senha, r
    If Err.Number <> 0 Then
        out.WriteLine "[" & empresa & "] " & usuario & ": erro " & Hex(Err.Number) & " | " & Err.Description & _
                      " | resultado=" & r
    Else
        out.WriteLine "[" & empresa & "] " & usuario & ": resultado=" & r
    End If
    Err.Clear
    On Error GoTo 0
    Sessao
End Sub

Entra "  demo ", "ADMIN", "admin123"
Entra "DEMO", "ADMIN", "errada"
Entra "NAOEXISTE", "ADMIN", "admin123"
Entra "DEMO", "SEMFILIAL", "semfilial"
Entra "DEMO", "BLOQUEADO", "bloqueado"
Entra "DEMO", "ADMIN", "admin123admin123ad"
Entra "DEMO", "admin", "admin123"
raiz.Finaliza
raiz.Finaliza
out.WriteLine "Finaliza duas vezes"
Sessao
out.WriteLine "FIM"
out.Close

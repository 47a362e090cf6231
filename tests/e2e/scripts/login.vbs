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

' Wine's VBScript has no ChrW: a text with characters CP1252 lacks is written as the bytes of a
' UTF-16 file (low byte first) and read back.
Function DeUtf16(bytes)
    Dim nome, f
    nome = fso.BuildPath(fso.GetSpecialFolder(2), fso.GetTempName)
    Set f = fso.CreateTextFile(nome, True, False)
    f.Write Chr(255) & Chr(254) & bytes
    f.Close
    Set f = fso.OpenTextFile(nome, 1, False, -1)
    DeUtf16 = f.ReadAll
    f.Close
    fso.DeleteFile nome
End Function

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
' Two texts that used to log in as "admin123": one cut at a NUL, one in fullwidth letters.
Entra "DEMO", "ADMIN", "admin123" & Chr(0) & "junk"
Dim ff: ff = Chr(255)
Entra "DEMO", "ADMIN", DeUtf16("A" & ff & "D" & ff & "M" & ff & "I" & ff & "N" & ff & Chr(17) & ff & Chr(18) & ff & Chr(19) & ff)
Entra "DEMO", "admin", "admin123"
raiz.Finaliza
raiz.Finaliza
out.WriteLine "Finaliza duas vezes"
Sessao
out.WriteLine "FIM"
out.Close

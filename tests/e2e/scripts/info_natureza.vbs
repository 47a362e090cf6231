' One operation nature's information (TW_DF_InfoNatureza), as an order page reads it: pointer, name
' and finance integration by code and branch; an unknown branch, a nature of another branch and one
' not yet in force on the look-up's day give False.
Option Explicit
Dim fso, out, raiz, info, resultado
Set fso = CreateObject("Scripting.FileSystemObject")
Set out = fso.CreateTextFile(WScript.Arguments(0), True, True)

Sub Le(codigo, filial)
    If info.SetDados(codigo, filial) Then
        out.WriteLine codigo & " na filial " & filial & ": ponteiro " & CLng(info.GetPonteiro()) & " | " & _
                      info.GetNome() & " | integra " & info.GetIntegraFinanceiro()
    Else
        out.WriteLine codigo & " na filial " & filial & ": não encontrada"
    End If
End Sub

Set raiz = CreateObject("ZidizUvi.QV_Inicializa")
resultado = -1
raiz.Inicializa "DEMO", "ADMIN", "admin123", resultado
out.WriteLine "Login: " & resultado

Set info = raiz.TW_DF_InfoNatureza()
out.WriteLine "Objeto: " & TypeName(info)
Le "5.102", "1"
Le "1202", "1"
Le "5.152", "1"
Le "5.152", "2"
Le "5.949", "1"
Le "5.102", "9"
out.WriteLine "FIM"
out.Close

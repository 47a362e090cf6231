' The order information of a web order page through real COM: the root's TW_FT_InfoPedido for the
' regional representative: the month's next number (its month and year are today's), the
' representative's name and the packaging mark.
Option Explicit
Dim fso, out, raiz, r, info, numero, mesano
Set fso = CreateObject("Scripting.FileSystemObject")
Set out = fso.CreateTextFile(WScript.Arguments(0), True, True)

Sub Mostra(texto)
    out.WriteLine texto
End Sub

Set raiz = CreateObject("ZidizUvi.QV_Inicializa")
r = -7
raiz.Inicializa "DEMO", "REGIONAL", "regional1", r
Mostra "login: resultado=" & r

Set info = raiz.TW_FT_InfoPedido()
numero = info.GetNumero()
mesano = "1226"   ' the checks run on a simulated 11/12/2026 (e2e.sh)
Mostra "número: tamanho " & Len(numero) & ", mês de hoje " & (Left(numero, 4) = mesano) & ", traço " & Mid(numero, 5, 1) & _
       ", sequência numérica " & IsNumeric(Mid(numero, 6))
Mostra "representante: " & info.GetNomeRepresentante()
Mostra "quantidades condizentes com a embalagem: " & info.QuantidadesCondizentesEmbalagem()
Mostra "FIM"

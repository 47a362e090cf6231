' One payment condition (ZidizUvi.CondicaoPagamentoWeb) created by a client through both ProgIDs:
' it holds an empty condition; and one handed out by the list.
Option Explicit
Dim fso, out, raiz, lista, c, resultado

Set fso = CreateObject("Scripting.FileSystemObject")
Set out = fso.CreateTextFile(WScript.Arguments(0), True, True)

Sub Descreve(titulo, cond)
    out.WriteLine titulo & ": [" & cond.Codigo & "] [" & cond.Nome & "] posição " & cond.Posicao & " compras " & cond.ComprasPodeUsar
End Sub

Set c = CreateObject("ZidizUvi.CondicaoPagamentoWeb")
out.WriteLine "Objeto: " & TypeName(c)
Descreve "Vazia", c
Set c = CreateObject("ZidizUvi.CondicaoPagamentoWeb.1")
Descreve "Vazia (.1)", c

Set raiz = CreateObject("ZidizUvi.QV_Inicializa")
resultado = -1
raiz.Inicializa "DEMO", "ADMIN", "admin123", resultado
Set lista = CreateObject("ZidizUvi.CondicoesPagamento")
lista.Inicializa raiz
Descreve "Le(7)", lista.Le(7)
Descreve "Le(1)", lista.Le(1)
out.WriteLine "FIM"

' The price tables a web page offers: the root's list object (TW_DF_TabelasPreco), product tables
' (the one that ended yesterday and the purchase table are left out), then the service tables, and
' the check of one table by code.
Option Explicit
Dim fso, out, raiz, lista, resultado, i, n
Set fso = CreateObject("Scripting.FileSystemObject")
Set out = fso.CreateTextFile(WScript.Arguments(0), True, True)

Sub MostraLista(titulo)
    n = CLng(lista.BuscaPonteiros())
    out.WriteLine titulo & ": " & n
    For i = 0 To n - 1
        lista.LePosicao i
        out.WriteLine "  " & lista.GetCodigo() & " | " & lista.GetNome()
    Next
End Sub

Set raiz = CreateObject("ZidizUvi.QV_Inicializa")
resultado = -1
raiz.Inicializa "DEMO", "ADMIN", "admin123", resultado
out.WriteLine "Login: " & resultado

Set lista = raiz.TW_DF_TabelasPreco()
out.WriteLine "Objeto: " & TypeName(lista)
MostraLista "Tabelas de produtos"
out.WriteLine "VAREJO: " & lista.GetTabelaPreco("VAREJO") & " validade " & lista.GetValidade()
out.WriteLine "ATACADO (encerrada): " & lista.GetTabelaPreco("ATACADO")
out.WriteLine "PROMO: " & lista.GetTabelaPreco("PROMO") & " " & lista.GetNome()
lista.SetTipo True
MostraLista "Tabelas de serviços"
out.WriteLine "SERV: " & lista.GetTabelaPreco("SERV")
out.WriteLine "VAREJO entre as de serviços: " & lista.GetTabelaPreco("VAREJO")
On Error Resume Next
lista.LePosicao 5
out.WriteLine "LePosicao 5: " & Hex(Err.Number)
On Error GoTo 0
out.WriteLine "FIM"
out.Close

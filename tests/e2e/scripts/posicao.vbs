' The product position through real COM: the root's TW_FT_PosicaoProdutos for the demo's coffee
' and T-shirt, every getter (a failed part answers its error), the last purchases, a lower-case
' stock flag, an unknown product and calls outside the rows.
Option Explicit
Dim fso, out, raiz, r, p
Set fso = CreateObject("Scripting.FileSystemObject")
Set out = fso.CreateTextFile(WScript.Arguments(0), True, True)

Sub Mostra(texto)
    out.WriteLine texto
End Sub

' A getter's text, or its error.
Function Campo(nome)
    Dim v
    On Error Resume Next
    v = Eval("p." & nome)
    If Err.Number <> 0 Then
        Campo = "<erro " & Hex(Err.Number) & ": " & Err.Description & ">"
        Err.Clear
    Else
        Campo = "[" & v & "]"
    End If
End Function

Sub Posicao(titulo, chaves, valores)
    Dim filtro, i, nomes, nome, linha, n
    Set filtro = CreateObject("ZidizUvi.QVHashTable")
    For i = 0 To UBound(chaves)
        filtro.SetAt chaves(i), valores(i)
    Next
    Mostra "-- " & titulo
    On Error Resume Next
    Set p = raiz.TW_FT_PosicaoProdutos(filtro)
    If Err.Number <> 0 Then
        Mostra "  criação: erro " & Hex(Err.Number) & ": " & Err.Description
        Err.Clear
        Exit Sub
    End If
    On Error GoTo 0
    Mostra "  objeto: " & TypeName(p)
    nomes = Array("Codigo", "Nome", "Descricao", "CodTabPrecos", "TabPrecos", "PrecoVenda", "CustoMedio", _
                  "LocalPadrao", "NomeLocalPadrao", "LocalMaiorEstoque", "NomeLocalMaiorEstoque", _
                  "QuantidadeCotacao", "QuantidadeOC", "SaldoTotal", "SaldoReservado", "SaldoPreBaixa", _
                  "SaldoIndisponivel", "SaldoDisponivel", "ValorUnitario", "CondPagamento", "ValorICMS", _
                  "DataEmissao", "ValorIPI", "NumeroNF", "Quantidade", "CFOP", "FretePorConta", "QtdUltimasCompras")
    For Each nome In nomes
        Mostra "  " & nome & " " & Campo(nome)
    Next
    n = Eval("p.QtdUltimasCompras")
    For i = 0 To n - 1
        linha = "  compra " & i & ":"
        For r = 1 To 6
            linha = linha & " " & Campo("GetUltimaCompra(" & i & ", " & r & ")")
        Next
        Mostra linha
    Next
    Mostra "  fora: " & Campo("GetUltimaCompra(" & n & ", 1)") & " " & Campo("GetUltimaCompra(0, 7)") & " " & _
           Campo("GetUltimaCompra(-1, 1)")
    Set p = Nothing
End Sub

Set raiz = CreateObject("ZidizUvi.QV_Inicializa")
r = -7
raiz.Inicializa "DEMO", "ADMIN", "admin123", r
Mostra "login: resultado=" & r

Posicao "café, filial 1, EP", Array("CODIGO", "TABPRECOS", "FILIAL", "EP"), Array("201", "1", "1", "V")
Posicao "camiseta M azul, filial 1, EP em minúscula", _
        Array("codigo", "grade1", "grade2", "tabprecos", "filial", "ep"), Array("101", "M", "AZ", "1", "1", "v")
Posicao "produto inexistente, filial 0", Array("CODIGO", "TABPRECOS"), Array("XYZ", "1")

raiz.Finaliza
Set raiz = Nothing
Mostra "FIM"
out.Close

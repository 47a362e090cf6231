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

' A getter's text, or its error (Eval of a member is not available to scripts under Wine).
Function Campo(nome)
    Dim v
    v = "<não lido>"
    On Error Resume Next
    Select Case nome
        Case "Codigo": v = p.Codigo
        Case "Nome": v = p.Nome
        Case "Descricao": v = p.Descricao
        Case "CodTabPrecos": v = p.CodTabPrecos
        Case "TabPrecos": v = p.TabPrecos
        Case "PrecoVenda": v = p.PrecoVenda
        Case "CustoMedio": v = p.CustoMedio
        Case "LocalPadrao": v = p.LocalPadrao
        Case "NomeLocalPadrao": v = p.NomeLocalPadrao
        Case "LocalMaiorEstoque": v = p.LocalMaiorEstoque
        Case "NomeLocalMaiorEstoque": v = p.NomeLocalMaiorEstoque
        Case "QuantidadeCotacao": v = p.QuantidadeCotacao
        Case "QuantidadeOC": v = p.QuantidadeOC
        Case "SaldoTotal": v = p.SaldoTotal
        Case "SaldoReservado": v = p.SaldoReservado
        Case "SaldoPreBaixa": v = p.SaldoPreBaixa
        Case "SaldoIndisponivel": v = p.SaldoIndisponivel
        Case "SaldoDisponivel": v = p.SaldoDisponivel
        Case "ValorUnitario": v = p.ValorUnitario
        Case "CondPagamento": v = p.CondPagamento
        Case "ValorICMS": v = p.ValorICMS
        Case "DataEmissao": v = p.DataEmissao
        Case "ValorIPI": v = p.ValorIPI
        Case "NumeroNF": v = p.NumeroNF
        Case "Quantidade": v = p.Quantidade
        Case "CFOP": v = p.CFOP
        Case "FretePorConta": v = p.FretePorConta
        Case "QtdUltimasCompras": v = p.QtdUltimasCompras
    End Select
    Campo = Resultado(v)
End Function

Function Compra(i, campo)
    Dim v
    On Error Resume Next
    v = p.GetUltimaCompra(i, campo)
    Compra = Resultado(v)
End Function

Function Resultado(v)
    If Err.Number <> 0 Then
        Resultado = "<erro " & Hex(Err.Number) & ": " & Err.Description & ">"
        Err.Clear
    Else
        Resultado = "[" & v & "]"
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
    n = CLng(p.QtdUltimasCompras)
    For i = 0 To n - 1
        linha = "  compra " & i & ":"
        For r = 1 To 6
            linha = linha & " " & Compra(i, r)
        Next
        Mostra linha
    Next
    Mostra "  fora: " & Compra(n, 1) & " " & Compra(0, 7) & " " & Compra(-1, 1)
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

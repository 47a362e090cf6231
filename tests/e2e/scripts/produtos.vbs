' The product list as a web page reads it: the root's list object (TW_DF_Produtos) over the VAREJO
' price table, sorted by name, with prices, units and grids; a product not offered; grid items by
' position and by a lower-case code, the grid's item positions, and the failures a grid answers.
Option Explicit
Dim fso, out, raiz, lista, item, itens, resultado, i, n, existe
Set fso = CreateObject("Scripting.FileSystemObject")
Set out = fso.CreateTextFile(WScript.Arguments(0), True, True)

Set raiz = CreateObject("ZidizUvi.QV_Inicializa")
resultado = -1
raiz.Inicializa "DEMO", "ADMIN", "admin123", resultado
out.WriteLine "Login: " & resultado

Set lista = raiz.TW_DF_Produtos()
out.WriteLine "Objeto: " & TypeName(lista)
out.WriteLine "Tabela VAREJO: " & lista.SetTabelaPrecos("VAREJO")
n = CLng(lista.BuscaPonteiros("A"))
out.WriteLine "Produtos: " & n
lista.SetOrdenacao 1
For i = 0 To n - 1
    lista.LePosicao i
    out.WriteLine "  " & lista.GetCodigo() & " | " & lista.GetNome() & " | " & lista.GetClassificacao() & " | " & _
                  lista.GetUnidade() & " | " & lista.GetPreco() & " | grades " & CLng(lista.LePonteiroGrade1()) & _
                  "," & CLng(lista.LePonteiroGrade2()) & "," & CLng(lista.LePonteiroGrade3())
Next
out.WriteLine "Outro tipo (T): " & CLng(lista.BuscaPonteiros("T"))
existe = lista.GetProduto("399")
out.WriteLine "Produto 399 (inativo): " & existe & " [" & lista.GetCodigo() & "]"
existe = lista.GetProduto("101")
out.WriteLine "Produto 101: " & existe & " " & lista.GetNome() & " " & lista.GetPreco() & " " & lista.GetDescricao()
out.WriteLine "Tabela NADA: " & lista.SetTabelaPrecos("NADA")

Set item = lista.LeItemGradeProdutoPorCodigo(2, "az")
out.WriteLine "Item 'az' da grade 2: " & TypeName(item) & " " & CLng(item.Posicao) & " " & item.Codigo & " " & item.Descricao
Set item = lista.LeItemGradeProduto(1, 3)
out.WriteLine "Item 3 da grade 1: " & CLng(item.Posicao) & " " & item.Codigo & " " & item.Descricao
Set itens = lista.GetPonteirosGradeProdutos(1)
out.WriteLine "Itens da grade 1: " & TypeName(itens) & " " & CLng(itens.Size)
For i = 0 To CLng(itens.Size) - 1
    out.WriteLine "  " & i & ": " & CLng(itens.GetItem(i))
Next

On Error Resume Next
Dim valor
valor = itens.GetItem(4)
out.WriteLine "GetItem(4): " & Hex(Err.Number)
Err.Clear
' Fresh variables: Wine's VBScript crashes when a failed call is assigned over Nothing.
Dim falhou1, falhou2
Set falhou1 = lista.LeItemGradeProduto(1, 9)
out.WriteLine "Item 9 da grade 1: " & Hex(Err.Number) & " [" & Err.Description & "] " & TypeName(falhou1)
Err.Clear
Set falhou2 = lista.LeItemGradeProdutoPorCodigo(2, "xx")
out.WriteLine "Item 'xx' da grade 2: " & Hex(Err.Number) & " [" & Err.Description & "] " & TypeName(falhou2)
Err.Clear
lista.LePosicao 999
out.WriteLine "LePosicao 999: " & Hex(Err.Number)
On Error GoTo 0
out.WriteLine "FIM"
out.Close

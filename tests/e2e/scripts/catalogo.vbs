' The web catalogue through real COM: the shop's price table as HTML rows in a page beside the
' output (catalogo.html, which a real browser then opens), the products, prices per grid, grids,
' price tables and a product read by code.
Option Explicit
Dim fso, out, raiz, r, catalogo, n, html, pagina, produto, tabelas, i, item
Set fso = CreateObject("Scripting.FileSystemObject")
Set out = fso.CreateTextFile(WScript.Arguments(0), True, True)

Sub Mostra(texto)
    out.WriteLine texto
End Sub

' Wine's TypeName reads a null object handed back by a call as a pointer: ask Is Nothing instead.
Function ObjetoOuNada(o)
    If o Is Nothing Then ObjetoOuNada = "Nothing" Else ObjetoOuNada = TypeName(o)
End Function

Set raiz = CreateObject("ZidizUvi.QV_Inicializa")
r = 0
raiz.Inicializa "DEMO", "ADMIN", "admin123", r
Mostra "Login: " & r
Set catalogo = CreateObject("ZidizUvi.Produtos")
Mostra "Objeto: " & TypeName(catalogo)
On Error Resume Next
n = catalogo.BuscaApenasPonteirosProdutos("CATALOGO")
Mostra "Antes de Inicializa: " & Hex(Err.Number)
Err.Clear
On Error GoTo 0
catalogo.Inicializa raiz
catalogo.Inicializa raiz
n = catalogo.BuscaApenasPonteirosProdutos("CATALOGO")
Mostra "Produtos: " & n
html = catalogo.TabelaProdutos("CATALOGO", 0)
Mostra "Bloco 1: [" & catalogo.TabelaProdutos("CATALOGO", 1) & "]"
Set pagina = fso.CreateTextFile(fso.GetParentFolderName(WScript.Arguments(0)) & "\catalogo.html", True, True)
pagina.Write "<!DOCTYPE html><html><head><title>Catálogo</title><script>function RP(c, n, p) {" & _
             " document.getElementById('escolha').textContent = c + ' ' + n + ' R$ ' + p; }</script></head>" & _
             "<body><p id='escolha'></p><table id='catalogo'>" & vbLf & html & "</table>" & _
             "<script>for (const tr of document.querySelectorAll('tr')) if (tr.cells[0].textContent == '1001') tr.click();" & _
             "</script></body></html>"
pagina.Close
out.Write html
Mostra "Preço 1002 GG/BR: " & catalogo.GetPrecoProduto("1002", "GG", "BR", "", "CATALOGO")
Mostra "Preço 101 (tabela NADA = 1): " & catalogo.GetPrecoProduto("101", "", "", "", "NADA")
Mostra "Preço 9999: [" & catalogo.GetPrecoProduto("9999", "", "", "", "CATALOGO") & "]"
Set produto = catalogo.Existe("1001", "AX", "CATALOGO")
Mostra "Existe 1001: " & TypeName(produto) & " " & produto.Codigo & " | " & produto.Nome & " | " & produto.Classificacao & _
       " | " & produto.Unidade & " | " & produto.PrecoVenda & " | grades " & produto.GetPosGrade(0) & " | exporta " & _
       produto.ExportaVexaRota & " | desconto " & produto.DescontoSugerido & "/" & produto.DescontoMaximo("CATALOGO") & _
       " | inteira " & produto.QtdInteira
Mostra "Existe 9999: " & ObjetoOuNada(catalogo.Existe("9999", "A", "CATALOGO"))
Set produto = catalogo.GetProduto(0, "VAREJO")
Mostra "GetProduto 0: " & produto.Codigo & " " & produto.Nome & " " & produto.Posicao
Set tabelas = catalogo.BuscaTabelasDePreco(True, True)
For i = 0 To CLng(tabelas.Size) - 1
    Mostra "Tabela " & tabelas.GetItem(i).Posicao & ": " & tabelas.GetItem(i).Codigo & " | " & tabelas.GetItem(i).Nome & _
           " | inativa " & tabelas.GetItem(i).Inativa & " | condições vedadas " & tabelas.GetItem(i).CondicoesNaoPermitidas
Next
Mostra "Tabela por posição 5: " & tabelas.GetItemByTabela(5).Codigo
Set item = catalogo.ExisteItemGradeProduto(2, "BR")
Mostra "Item BR da grade 2: " & item.Posicao & " " & item.Codigo & " " & item.Descricao
Mostra "Grade 1: " & catalogo.LeGradeProduto(1).Descricao & ", itens " & catalogo.BuscaItensGradeProduto(1).Size
On Error Resume Next
Set item = Nothing
Set item = catalogo.LeGradeProduto(9)
Mostra "Grade 9: " & Hex(Err.Number) & " [" & Err.Description & "] " & ObjetoOuNada(item)
Err.Clear
Set produto = catalogo.GetProduto(n, "VAREJO")
Mostra "GetProduto(" & n & "): " & Hex(Err.Number)
Err.Clear
On Error GoTo 0
Set produto = CreateObject("ZidizUvi.ProdutoWeb")
Mostra "ProdutoWeb do cliente: " & TypeName(produto) & " [" & produto.Nome & "] " & produto.PrecoVenda
Set produto = CreateObject("ZidizUvi.Produtos.1")
Mostra "Pela ProgID com versão: " & TypeName(produto)
Mostra "FIM"
out.Close

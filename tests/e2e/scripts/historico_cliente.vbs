' A customer's history through real COM (TW_FT_HistoricoCliente): register, sales of the first
' half of 2026, most-bought products, financial position, cheques and last purchases; a second
' customer afterwards, and an unknown code.
Option Explicit
Dim fso, out, raiz, r, h, i, campo, linha
Set fso = CreateObject("Scripting.FileSystemObject")
Set out = fso.CreateTextFile(WScript.Arguments(0), True, True)

Sub Mostra(texto)
    out.WriteLine texto
End Sub

Sub MostraCliente()
    Mostra h.Codigo & " | " & h.Nome & " | " & h.CNPJ & " | IE " & h.InscEstadual & " | " & h.Contato & " | " & _
           h.Telefone & " | " & h.Email & " | desde " & h.ClienteDesde
    Mostra "  " & h.Endereco
    Mostra "  categorias [" & h.Categoria1 & "] [" & h.Categoria2 & "] [" & h.Categoria3 & "] | condição " & _
           h.CondicaoPagamento & " | tabela [" & h.TabelaPrecos & "]"
    Mostra "  pedidos " & h.ValorPedidos & " vendas " & h.ValorVendas & " devoluções " & h.ValorDevolucoes & _
           " | frequência [" & h.FreqMediaCompras & "]"
    Mostra "  mais comprado (qtd) [" & h.DescProdMaisCompradoQtd & "] " & h.ValorProdMaisCompradoQtd & _
           " | (valor) [" & h.DescProdMaisCompradoValor & "] " & h.ValorProdMaisCompradoValor
    Mostra "  limite " & h.LimiteValor & " até " & h.LimiteData & " | vencido " & h.SaldoVencido & " a vencer " & _
           h.SaldoAVencer & " | adiantamentos " & h.Adiantamentos & " | maior atraso " & h.MaiorAtraso & _
           " | baixas " & h.BaixasPorInad & " " & h.BaixasPorInadValor
    Mostra "  crédito utilizado " & h.CreditoUtilizado & " disponível " & h.CreditoDisponivel & " | atraso médio " & _
           h.MediaAtraso & " " & h.MediaAtrasoUn & " | cheques pré " & h.ChequesPredatados & " devolvidos " & _
           h.ChequesDevolvidos & " | venda " & h.Venda & " | anotações [" & h.Anotacoes & "]"
    Mostra "  últimas compras: " & h.QtdUltimasCompras
    For i = 0 To h.QtdUltimasCompras - 1
        linha = "   "
        For campo = 1 To 9
            linha = linha & " " & h.GetUltimaCompra(i, campo) & " |"
        Next
        Mostra linha
    Next
End Sub

Set raiz = CreateObject("ZidizUvi.QV_Inicializa")
r = -7
raiz.Inicializa "DEMO", "ADMIN", "admin123", r
Mostra "login: resultado=" & r

Set h = raiz.TW_FT_HistoricoCliente()
Mostra "objeto: " & TypeName(h)
h.SetDadosCliente "C001", "01/01/2026", "30/06/2026"
MostraCliente
h.SetDadosCliente "C002", "01/01/2026", "30/06/2026"
MostraCliente
Mostra "campo 0: [" & h.GetUltimaCompra(0, 0) & "]"
On Error Resume Next
h.SetDadosCliente "C999", "01/01/2026", "30/06/2026"
Mostra "C999: erro " & Hex(Err.Number) & " " & Err.Description
Err.Clear
On Error GoTo 0
Mostra "depois: [" & h.Nome & "] " & h.QtdUltimasCompras
Mostra "FIM"

' A supplier's quotation page through real COM: the access key instead of a login
' (InicializaCotacao), the quotation (CotacaoWeb), its items priced, the instalment plan built by
' cotforn.dll and one instalment changed, the answer saved; the second supplier answers the same
' quotation; a wrong key, an answered quotation and an index outside the items are refused.
Option Explicit
Dim fso, out, raiz, cotacao, item, parcela, i, n, segundo, raiz2
Set fso = CreateObject("Scripting.FileSystemObject")
Set out = fso.CreateTextFile(WScript.Arguments(0), True, True)

Sub Mostra(texto)
    out.WriteLine texto
End Sub

Sub MostraParcelas(c, quantidade)
    Dim k, p
    For k = 0 To quantidade - 1
        Set p = c.GetParcelaRef(k)
        Mostra "  parcela " & p.NumeroParcela & ": " & p.DataParcela & " " & p.ValorParcela & " acumulado " & _
               p.ValorAcumulado & " tipo " & p.TipoVencimento
    Next
End Sub

Set raiz = CreateObject("ZidizUvi.QV_Inicializa")
On Error Resume Next
raiz.InicializaCotacao "{00000000-0000-0000-0000-000000000001}"
Mostra "chave desconhecida: erro " & Hex(Err.Number)
Err.Clear
raiz.InicializaCotacao "isto não é uma chave"
Mostra "chave malformada: erro " & Hex(Err.Number)
Err.Clear
On Error GoTo 0

raiz.InicializaCotacao "6F1C2A3B-4D5E-4F60-8A7B-9C0D1E2F3A4B"
Set cotacao = raiz.CotacaoWeb
Mostra "objeto: " & TypeName(cotacao) & " | empresa " & raiz.m_sEmpresa & " usuário " & raiz.m_iUsuario
Mostra "cotação " & cotacao.NumeroCotacao & " de " & cotacao.DataCotacao & " até " & cotacao.DataLimite & _
       " | fornecedor " & cotacao.PonteiroFornecedor & " | moeda " & cotacao.PossuiValorMoeda & " [" & cotacao.Simbolo & "]"
Mostra "  " & cotacao.Observacao
Mostra "  entrega em " & cotacao.LocalDeEntrega
n = cotacao.ItemCount
For i = 0 To n - 1
    Set item = cotacao.GetItemRef(i)
    Mostra "  item " & i & " (" & TypeName(item) & "): " & item.DescricaoProduto & " | " & item.QtdCotada & " " & _
           item.UnMedida & " | " & item.Complemento & " | ref [" & item.Referencia & "] usa " & item.UsaReferencia & _
           " | serviço " & item.EhServico
Next

Set item = cotacao.GetItemRef(0)
item.PrecoUnitario = "28,5"
item.DescontoUnitario = "0,5"
item.AliquotaICMS = "18"
Set item = cotacao.GetItemRef(1)
item.PrecoUnitario = "1.234,5678"
Mostra "preço digitado 1.234,5678: " & item.PrecoUnitario
item.PrecoUnitario = "21,90"
item.AliquotaIPI = "5"
item.Observacao = "Bordado incluso"
cotacao.AlteraValorCotado
cotacao.Frete = "35,00"
cotacao.PrazoEntrega = 10
Mostra "prazo 10: entrega " & cotacao.DataEntrega
cotacao.PrazoProposta = "20/01/2027"
cotacao.CondPagto = 2
cotacao.ObservacaoFornecedor = "Preços válidos por 30 dias"
Mostra "total " & cotacao.GetValorTotalCotado() & " | subtotal " & cotacao.GetValorSubTotalCotado()
n = cotacao.MontaParcelas(3, "10/01/2027", 3, 2)
Mostra "plano em " & n & " parcelas:"
MostraParcelas cotacao, n
n = cotacao.AlteraParcela(1, "15/01/2027", 0, "10/01/2027", "600,00")
Mostra "primeira parcela alterada (" & n & "):"
MostraParcelas cotacao, n
Set parcela = cotacao.GetParcelaRef(2)
cotacao.Grava
Mostra "gravada"
For i = 0 To cotacao.ItemCount - 1
    Set item = cotacao.GetItemRef(i)
    Mostra "  item " & i & ": " & item.PrecoUnitario & " - " & item.DescontoUnitario & " = " & item.PrecoTotal & _
           " | IPI " & item.AliquotaIPI & " ICMS " & item.AliquotaICMS & " | " & item.Observacao
Next
Mostra "  entrega " & cotacao.DataEntrega & " | proposta até " & cotacao.PrazoProposta & " | condição " & _
       cotacao.CondPagto & " | frete " & cotacao.Frete & " | " & cotacao.ObservacaoFornecedor
Mostra "  parcela guardada: " & parcela.NumeroParcela & " " & parcela.ValorParcela

On Error Resume Next
Set item = cotacao.GetItemRef(2)
Mostra "item 2: erro " & Hex(Err.Number)
Err.Clear
raiz.InicializaCotacao "{6F1C2A3B-4D5E-4F60-8A7B-9C0D1E2F3A4B}"
Mostra "respondida de novo: erro " & Hex(Err.Number)
Err.Clear
On Error GoTo 0

Set raiz2 = CreateObject("ZidizUvi.QV_Inicializa")
raiz2.InicializaCotacao "{0B7E5C1D-2A3F-4B6C-9D8E-7F6A5B4C3D2E}"
Set segundo = raiz2.CotacaoWeb
Mostra "segundo fornecedor " & segundo.PonteiroFornecedor & " | moeda " & segundo.PossuiValorMoeda & " [" & segundo.Simbolo & "]"
Set item = segundo.GetItemRef(0)
item.PrecoUnitario = "6,10"
Set item = segundo.GetItemRef(1)
item.PrecoUnitario = "4,00"
n = segundo.MontaCondicaoPagamento(0, "05/01/2027", 0, 2)
Mostra "condição 2: " & n & " parcelas"
MostraParcelas segundo, n
segundo.Grava
Mostra "gravada: total " & segundo.GetValorTotalCotado()
Mostra "FIM"

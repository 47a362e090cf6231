' The stock and sales reports through real COM: the stock register with its product list and its
' report type's fixed parameter, the movements, the inventory, the reorder point, the sales of a
' period, the order list, the commissions to pay, and the stock register as a PDF.
Option Explicit
Dim fso, out, raiz, rel, r
Set fso = CreateObject("Scripting.FileSystemObject")
Set out = fso.CreateTextFile(WScript.Arguments(0), True, True)
Set raiz = CreateObject("ZidizUvi.QV_Inicializa")
raiz.Inicializa "DEMO", "ADMIN", "admin123", r
out.WriteLine "login: " & r

Sub Erro(titulo)
    out.WriteLine titulo & ": erro " & Hex(Err.Number) & " | " & Err.Description
    Err.Clear
End Sub

Sub Gera(titulo)
    Dim texto
    On Error Resume Next
    texto = rel.GeraRelatorio()
    If Err.Number <> 0 Then
        Erro titulo
    Else
        out.WriteLine titulo & ":"
        out.Write texto
    End If
    On Error GoTo 0
End Sub

Sub Adiciona(produto, grade1, grade2)
    out.WriteLine "AdicionaProduto " & produto & " " & grade1 & " " & grade2 & ": [" & _
        rel.AdicionaProduto(produto, grade1, grade2, "") & "]"
End Sub

Set rel = raiz.TW_ES_RelatorioRegistroEstoque()
out.WriteLine "TW_ES_RelatorioRegistroEstoque: " & TypeName(rel)
rel.SetModelo "Registro de estoque"
rel.SetTipo "qvr"
rel.SetDataInicial "01/11/2026"
rel.SetDataFinal "30/11/2026"
rel.SetFilial "1"
rel.SetEP True
rel.SetTipoEstoque
rel.SetTipoRelatorioAnalitico True
rel.SetOpcoes
Adiciona "101", "M", "AZ"
Adiciona "101", "M", "AZ"
Adiciona "201", "", ""
out.WriteLine "AtualizaTipoRelatorio REGISTROESTOQUE: " & rel.AtualizaTipoRelatorio("REGISTROESTOQUE")
Gera "registro de estoque"

Set rel = raiz.TW_ES_RelatorioMovimentos()
out.WriteLine "TW_ES_RelatorioMovimentos: " & TypeName(rel)
rel.SetTipo "qvr"
rel.SetDataInicial "01/12/2026"
rel.SetDataFinal "10/12/2026"
rel.SetTipoEstoque True, True, False
Adiciona "303", "", ""
Gera "movimentos"

Set rel = raiz.TW_ES_RelatorioInventario()
out.WriteLine "TW_ES_RelatorioInventario: " & TypeName(rel)
rel.SetTipo "qvr"
rel.SetDataFinal "31/12/2026"
rel.SetFilial "2"
rel.SetProduto "205"
rel.SetInventario True
rel.SetOpcoes
Gera "inventário"

Set rel = raiz.TW_ES_RelatorioPontoReposicao()
out.WriteLine "TW_ES_RelatorioPontoReposicao: " & TypeName(rel)
rel.SetTipo "qvr"
rel.SetFilial "2"
rel.SetData "11/12/2026"
Gera "ponto de reposição"

Set rel = raiz.TW_FT_RelatorioVendas()
out.WriteLine "TW_FT_RelatorioVendas: " & TypeName(rel)
rel.SetTipo "qvr"
rel.SetDataInicial "01/12/2026"
rel.SetDataFinal "31/12/2026"
rel.SetCliente "C101"
rel.SetFilial "1"
Gera "vendas"

Set rel = raiz.TW_FT_RelatorioRelacaoPedidos()
out.WriteLine "TW_FT_RelatorioRelacaoPedidos: " & TypeName(rel)
rel.SetTipo "qvr"
rel.SetDataInicial "01/12/2026"
rel.SetDataFinal "31/12/2026"
rel.SetCodigoCliente "C101"
Gera "relação de pedidos"

Set rel = raiz.TW_FT_RelatorioComissoesPagar()
out.WriteLine "TW_FT_RelatorioComissoesPagar: " & TypeName(rel)
rel.SetModelo "Comissões"
rel.SetTipo "qvr"
rel.SetDataInicial "01/12/2026"
rel.SetDataFinal "31/12/2026"
rel.SetPosicaoRepresentante 12
Gera "comissões a pagar"

'' The older commercial reports: WebComercial through its ProgID, a filter table.
Dim comercial, filtro
Set comercial = CreateObject("ZidizUvi.WebComercial")
out.WriteLine "WebComercial: " & TypeName(comercial)
Set filtro = CreateObject("ZidizUvi.QVHashTable")
filtro.SetAt "DATAINICIAL", "01/12/2026"
filtro.SetAt "DATAFINAL", "31/12/2026"
filtro.SetAt "REPRESENTANTE", "12"
filtro.SetAt "RELATORIO", "Comissões"
On Error Resume Next
out.WriteLine "antes de Inicializa: " & comercial.GeraRelComissoesAPagar(filtro)
Erro "antes de Inicializa"
On Error GoTo 0
comercial.Inicializa raiz
comercial.Inicializa raiz
out.WriteLine "comissões:"
out.Write comercial.GeraRelComissoesAPagar(filtro)
filtro.SetAt "TIPODATA", "Emissão"
filtro.SetAt "SITUACAO", "Aberto"
out.WriteLine "movimentos:"
out.Write comercial.GeraRelMovimentos(filtro)
filtro.SetAt "CLIENTE", "C101"
On Error Resume Next
out.WriteLine "relação de pedidos:"
out.Write comercial.GeraRelRelacaoPedidos(filtro)
If Err.Number <> 0 Then Erro "relação de pedidos"
On Error GoTo 0
Set comercial = Nothing

' The stock register printed into a PDF, written beside the output for the check to read back.
Dim pdf, arquivo
Set rel = raiz.TW_ES_RelatorioRegistroEstoque()
rel.SetModelo "Registro de estoque"
rel.SetDataInicial "01/11/2026"
rel.SetDataFinal "30/11/2026"
Adiciona "105", "", "PR"
pdf = rel.GeraRelatorio()
out.WriteLine "pdf: " & TypeName(pdf) & ", mais de 1000 bytes: " & (Len(pdf) * 2 > 1000)
Set arquivo = fso.CreateTextFile(fso.GetParentFolderName(WScript.Arguments(0)) & "\registro_estoque.pdf", True, True)
arquivo.Write pdf
arquivo.Close

raiz.Finaliza
out.WriteLine "FIM"
out.Close

' What a web page of the demo company sees through ZidizUvi. Writes the page's text to a UTF-16
' file (argument 1); scripts/demo prints it.
Option Explicit
Dim fso, out, raiz, resultado

Set fso = CreateObject("Scripting.FileSystemObject")
Set out = fso.CreateTextFile(WScript.Arguments(0), True, True)

Sub Mostra(texto)
    out.WriteLine texto
End Sub

Sub MostraErro(acao)
    If Err.Source = "" Then
        Mostra "  " & acao & ": erro " & Hex(Err.Number) & " sem descrição"
    Else
        Mostra "  " & acao & ": erro " & Hex(Err.Number) & " de " & Err.Source & ": " & Err.Description
    End If
    Err.Clear
End Sub

Sub Entra(caso, empresa, usuario, senha)
    resultado = -1
    On Error Resume Next
    raiz.Inicializa empresa, usuario, senha, resultado
    If Err.Number <> 0 Then
        MostraErro caso & ": " & usuario & " em " & empresa & " (código de resultado " & resultado & ")"
    Else
        Mostra "  " & caso & ": " & usuario & " em " & empresa & ", código de resultado " & resultado
    End If
    On Error GoTo 0
End Sub

Mostra "== ZidizUvi: demonstração =="
Set raiz = CreateObject("ZidizUvi.QV_Inicializa")
Mostra "Objeto raiz criado (" & TypeName(raiz) & ")."

Mostra ""
Mostra "-- Login da empresa de demonstração"
Entra "Login", "DEMO", "ADMIN", "admin123"
Mostra "  Empresa: [" & raiz.m_sEmpresa & "] " & raiz.m_sRazaoSocial
Mostra "  Usuário nº " & raiz.m_iUsuario & ", sessão " & raiz.m_lNumeroSessao & _
       ", inicializado " & raiz.m_bInicializado

Mostra ""
Mostra "-- Logins recusados"
Entra "Senha errada", "DEMO", "ADMIN", "senha errada"
Entra "Empresa desconhecida", "NAOEXISTE", "ADMIN", "admin123"
Entra "Usuário sem filial ativa", "DEMO", "SEMFILIAL", "semfilial"
Entra "Usuário bloqueado", "DEMO", "BLOQUEADO", "bloqueado"
Entra "Senha com caractere nulo", "DEMO", "ADMIN", "admin123" & Chr(0) & "lixo"

Mostra ""
Mostra "-- Objetos dos módulos (ainda não construídos neste servidor)"
Entra "Login", "DEMO", "ADMIN", "admin123"
Dim modulo
Sub MostraModulo(nome)
    If Err.Number <> 0 Then
        MostraErro nome
    Else
        Mostra "  " & nome & ": " & TypeName(modulo)
    End If
End Sub
On Error Resume Next
Set modulo = raiz.TW_DF_Produtos()
MostraModulo "TW_DF_Produtos"
Set modulo = raiz.TW_FT_Pedido()
MostraModulo "TW_FT_Pedido"
Set modulo = raiz.TW_CN_Lancamentos()
MostraModulo "TW_CN_Lancamentos"
On Error GoTo 0

Mostra ""
Mostra "-- Modelos de relatório (gerencial, operacional, web)"
Dim modelos
Function Marca(valor)
    If valor Then Marca = "sim" Else Marca = "não"
End Function
Sub MostraModelos(modulo, componente)
    Dim n, i
    ' The count is unsigned (VT_UI4), which VBScript does not compute with.
    n = CLng(modelos.BuscaNomes(modulo, componente))
    Mostra "  " & modulo & "/" & componente & ": " & n & " modelo(s)"
    For i = 0 To n - 1
        Mostra "    " & modelos.GetNome(i) & ": gerencial " & Marca(modelos.GetEhGerencial(i)) & _
               ", operacional " & Marca(modelos.GetEhOperacional(i)) & ", web " & Marca(modelos.GetEhZidizUvi(i))
    Next
End Sub
Set modelos = raiz.TW_DF_ModelosRelatorios()
MostraModelos "CN", "Balancete"
MostraModelos "CN", "Razao"
MostraModelos "DF", "PlanoContas"
Set modelos = Nothing
Mostra "-- Arquivos do editor (modelos de relatório e telas de fórmulas)"
Dim editor, extensao, iArquivo
Set editor = CreateObject("ZidizUvi.QVcEditor")
For Each extensao In Array("REL", "FOR")
    On Error Resume Next
    editor.Inicializa raiz, "CN", extensao
    If Err.Number <> 0 Then
        MostraErro "Editor, módulo CN, extensão " & extensao
    Else
        Mostra "  Módulo CN, extensão " & extensao & ": " & editor.GetQuantidade() & " arquivos"
        For iArquivo = 0 To editor.GetQuantidade() - 1
            Mostra "    " & editor.GetNomeArquivo(iArquivo) & " - " & editor.GetDescricao(iArquivo)
        Next
    End If
    On Error GoTo 0
Next
Set editor = Nothing
' The company chart's report of the given type ("qvr" or "pdf"), or Empty after showing the error.
Function RelatorioPlano(tipo)
    Dim relatorio
    Set relatorio = raiz.TW_DF_RelatorioPlanoContabil()
    relatorio.SetModelo "Plano de contas"
    relatorio.SetTipo tipo
    On Error Resume Next
    RelatorioPlano = relatorio.GeraRelatorio()
    If Err.Number <> 0 Then
        MostraErro "GeraRelatorio (" & tipo & ")"
        RelatorioPlano = Empty
    End If
    On Error GoTo 0
End Function
Dim textoRelatorio, arquivoPdf
Mostra "-- Relatório do plano de contas (texto de relatório, tipo qvr)"
textoRelatorio = RelatorioPlano("qvr")
If Not IsEmpty(textoRelatorio) Then
    Mostra "  " & Len(textoRelatorio) & " caracteres; o texto começa com o marcador " & Left(textoRelatorio, 2) & ":"
    out.Write Mid(textoRelatorio, 3)
End If
Mostra "-- Relatório do plano de contas em PDF"
' The PDF's bytes arrive in a text; a script writes them only as a UTF-16 file, whose bytes after
' the byte-order mark are the text's. scripts/demo turns it into the PDF file.
textoRelatorio = RelatorioPlano("pdf")
If Not IsEmpty(textoRelatorio) Then
    Set arquivoPdf = fso.CreateTextFile(fso.GetParentFolderName(WScript.Arguments(0)) & "\plano_de_contas.pdf.utf16", True, True)
    arquivoPdf.Write textoRelatorio
    arquivoPdf.Close
    Mostra "  recebido: " & (Len(textoRelatorio) * 2) & " bytes de PDF"
End If
Mostra "-- O que a página pergunta ao objeto raiz"
Sub MostraRaiz()
    Dim usuarios, i, u, nomes
    Mostra "  Usuário " & raiz.m_iUsuario & ", representante na posição " & raiz.PosicaoRepresentante
    Mostra "  Pode gravar clientes (DF 58): " & raiz.PossuiAcesso("DF", 58) & _
           "; fornecedores (DF 60): " & raiz.PossuiAcesso("DF", 60) & "; pedidos (FT 1): " & raiz.PossuiAcesso("FT", 1)
    Mostra "  Módulos em uso: contábil " & raiz.PossuiTavonContabil & ", gerenciador " & raiz.PossuiTavonGerenciador & _
           ", financeiro " & raiz.PossuiTavonFinanceiro & ", estoque " & raiz.PossuiTavonEstoque & _
           ", comercial " & raiz.PossuiTavonComercial & ", GED " & raiz.PossuiTavonGED
    Set usuarios = raiz.BuscaUsuarios()
    nomes = ""
    For i = 0 To CLng(usuarios.Size) - 1
        Set u = usuarios.GetItem(i)
        nomes = nomes & " " & u.Posicao & "=" & u.Apelido & ";"
    Next
    Mostra "  Usuários (" & usuarios.Size & "):" & nomes
    Mostra "  Índices: " & raiz.Indices
    Mostra "  Logotipo: " & raiz.CaminhoLogotipo
    Mostra "  Página da empresa: " & raiz.HomepageEmpresa
    Mostra "  Categorias: " & raiz.GetNomeCategoria(1) & ", " & raiz.GetNomeCategoria(2) & ", " & raiz.GetNomeCategoria(3)
    Mostra "  Relatórios em " & raiz.DiretorioRelatorios & "; tempo limite " & raiz.GetTimeout() & " s"
End Sub
Entra "Administrador", "DEMO", "ADMIN", "admin123"
MostraRaiz
Entra "Representante regional", "DEMO", "REGIONAL", "regional1"
MostraRaiz
On Error Resume Next
Dim acesso
acesso = raiz.PossuiAcesso("MODULO", 1)
If Err.Number <> 0 Then MostraErro "Código de módulo longo demais"
On Error GoTo 0
Dim filtro
Set filtro = CreateObject("ZidizUvi.QVHashTable")
filtro.SetAt "filial", "2"
Mostra "  Filtro (ZidizUvi.QVHashTable): FILIAL = " & filtro.GetAt("FILIAL")
Mostra "-- Planos de contas"
Dim plano, conta, nConta, iConta
Set plano = raiz.TW_DF_PlanoGerencial()
nConta = CLng(plano.BuscaPonteiros())
Mostra "  Plano gerencial, " & nConta & " contas:"
For iConta = 0 To nConta - 1
    plano.LePosicao iConta
    Mostra "    " & plano.GetClassificacao() & "  " & plano.GetNome() & " (" & plano.GetTipo() & ", código " & _
           plano.GetCodigo() & ")"
Next
Set plano = raiz.TW_DF_PlanoContabil()
nConta = CLng(plano.BuscaPonteiros())
Mostra "  Plano contábil, " & nConta & " contas:"
For iConta = 0 To nConta - 1
    plano.LePosicao iConta
    Mostra "    " & plano.GetClassificacao() & "  " & plano.GetNome() & " (" & plano.GetTipo() & ")"
Next
Dim cfrt
Set cfrt = raiz.TW_DF_PlanoCFRT()
cfrt.SetTipoBusca "C"
nConta = CLng(cfrt.BuscaPonteiros())   ' an unsigned long: VBScript computes only with its own types
Mostra "  Clientes no plano: " & nConta
For iConta = 0 To nConta - 1
    cfrt.LePosicao iConta
    Mostra "    " & cfrt.GetCodigo() & "  " & cfrt.GetNome() & " (" & cfrt.GetInscricao() & ")"
Next
Mostra "  Próxima classificação sugerida para um cliente: " & cfrt.SugereClassificacao("C")

Mostra ""
Mostra "-- Nova conta no plano de contas"
Dim planoContas, novaConta, resultadoConta
Set planoContas = raiz.TW_DF_PlanoContas()
Mostra "  O plano usa código próprio: " & planoContas.UtilizaCodigoProprio
Set novaConta = planoContas.NovaConta()
novaConta.Nome = "Caixa filial Rio"
novaConta.Classificacao = "5.006"
novaConta.CodigoProprio = "5006"
resultadoConta = planoContas.GravaConta(novaConta)
Mostra "  GravaConta(5.006 Caixa filial Rio, código 5006): " & resultadoConta
Set conta = planoContas.Existe("5006")
If conta Is Nothing Then
    Mostra "  A conta 5006 não foi encontrada."
Else
    Mostra "  Lida de volta: posição " & conta.Posicao & ", " & conta.Classificacao & " " & conta.Nome & _
           ", código próprio " & conta.CodigoProprio
End If
Mostra "  Gravar de novo com o mesmo código: " & planoContas.GravaConta(novaConta) & " (-1: código em uso)"

Mostra ""
Mostra "-- Propriedades da empresa"
Dim propriedades
Set propriedades = raiz.TW_DF_Propriedades()
Mostra "  Usa código próprio: " & propriedades.GetUsaCodigoProprio()
Mostra "  Período contábil: " & propriedades.GetPeriodoInicial() & " a " & propriedades.GetPeriodoFinal()
Mostra "  Movimentação permitida: " & raiz.DataInferiorMovimentacao & " a " & raiz.DataSuperiorMovimentacao

Mostra ""
Mostra "-- Naturezas de operação (CFOP) para a venda de produtos"
Dim naturezas, iNatureza
Set naturezas = CreateObject("ZidizUvi.QVDFNatureza")
naturezas.m_iFilial = 1
On Error Resume Next
naturezas.Inicializa raiz, 13
If Err.Number <> 0 Then
    MostraErro "Naturezas de operação"
Else
    On Error GoTo 0
    Mostra "  Filial 1: " & naturezas.m_iQuantidade & " naturezas"
    For iNatureza = 0 To CLng(naturezas.m_iQuantidade) - 1
        Mostra "    " & naturezas.m_scodigo(iNatureza) & " - " & naturezas.m_sNome(iNatureza)
    Next
    Mostra "  5.102 está na posição " & CLng(naturezas.Existe("5.102")) & "; integra o financeiro: " & _
           naturezas.TemIntegracaoFinanceiro(naturezas.Existe("5.102"))
End If
On Error GoTo 0
Set naturezas = Nothing
Mostra "-- Históricos padrão, por código"
Dim historicos, nHistoricos, iHistorico
Set historicos = raiz.TW_DF_Historicos()
nHistoricos = CLng(historicos.BuscaPonteiros())
historicos.SetOrdenacao 0
For iHistorico = 0 To nHistoricos - 1
    historicos.LePosicao iHistorico
    Mostra "  " & historicos.GetCodigo() & " [" & historicos.GetClassificacao() & "] " & historicos.GetNome()
Next
Set historicos = Nothing

Mostra ""
Mostra "-- Tipos de documento"
Dim documentos, iDocumento
Set documentos = CreateObject("ZidizUvi.QVDFCadDocto")
documentos.Inicializa raiz, 0
For iDocumento = 0 To CLng(documentos.m_iQuantidade) - 1
    Mostra "  Filial " & documentos.m_iFilial(iDocumento) & ": " & documentos.m_scodigo(iDocumento) & " - " & _
           documentos.m_sDescricao(iDocumento)
Next
Set documentos = Nothing
Mostra ""
Mostra "-- Estados e municípios"
Dim listaEstados, listaMunicipios, ufs, iUf, nMunicipios, iMun, enumEstados, estado, nEstados
Set listaEstados = raiz.TW_DF_ListaEstados()
nEstados = CLng(listaEstados.BuscaPonteiros())
ufs = ""
For iUf = 0 To nEstados - 1
    ufs = ufs & listaEstados.LeUf(iUf) & " "
Next
Mostra "  Estados (" & nEstados & "): " & ufs
Set enumEstados = CreateObject("ZidizUvi.QVDF_Estados.1")
enumEstados.Inicializa raiz
enumEstados.IniciaBusca
Set estado = enumEstados.Proximo()
Do While Not estado Is Nothing
    If estado.Sigla = "SP" Or estado.Sigla = "EX" Then
        Mostra "  " & estado.Sigla & ": " & estado.Nome & ", região " & estado.RegiaoGeo & ", região fiscal " & estado.RegiaoFiscal
    End If
    Set estado = enumEstados.Proximo()
Loop
Set listaMunicipios = raiz.TW_DF_ListaMunicipios()
listaMunicipios.SetUf "SP"
nMunicipios = CLng(listaMunicipios.BuscaPonteiros())
Mostra "  Municípios de SP (" & nMunicipios & "):"
For iMun = 0 To nMunicipios - 1
    listaMunicipios.LePosicao iMun
    Mostra "    " & listaMunicipios.GetCodigo() & " " & listaMunicipios.GetNome()
Next
If listaMunicipios.GetMunicipio("354850") Then Mostra "  Código 354850: " & listaMunicipios.GetNome() & "/" & listaMunicipios.GetUf()

Mostra ""
Mostra "-- Filiais"
Entra "Administrador", "DEMO", "ADMIN", "admin123"
Dim listaFiliais, nFiliais, iFilial
Set listaFiliais = raiz.TW_DF_ListaFiliais()
nFiliais = CLng(listaFiliais.BuscaPonteiros())
listaFiliais.SetOrdenacao 1
For iFilial = 0 To nFiliais - 1
    listaFiliais.LePosicao iFilial
    Mostra "  " & CLng(listaFiliais.GetCodigo()) & " - " & listaFiliais.GetNome()
Next
Set listaFiliais = Nothing
Mostra "-- Filiais ativas do usuário"
Dim filiaisAtivas, filialAtiva
Set filiaisAtivas = CreateObject("ZidizUvi.Filiais")
filiaisAtivas.Inicializa raiz
filiaisAtivas.BuscaAtivas
Set filialAtiva = filiaisAtivas.Proxima()
Do While Not filialAtiva Is Nothing
    Mostra "  " & CLng(filialAtiva.Codigo) & " - " & filialAtiva.Nome
    Set filialAtiva = filiaisAtivas.Proxima()
Loop
Set filiaisAtivas = Nothing
Mostra "-- Cadastro de um cliente novo (pelo representante regional)"
Entra "Representante regional", "DEMO", "REGIONAL", "regional1"
Dim cfrts, novoCliente, posCliente, clienteLido
Set cfrts = CreateObject("ZidizUvi.QVDF_CFRTs")
cfrts.Inicializa raiz
Set novoCliente = cfrts.NovoCliente()
novoCliente.CodigoProprio = "C003"
novoCliente.Classificacao = cfrts.GetProximaClassificacao("Cliente")
novoCliente.Nome = "Padaria Pão Quente Ltda"
novoCliente.TipoPessoa = "J"
novoCliente.CNPJ_CPF = "04.252.011/0001-10"
novoCliente.InscricaoEstadual = "111.222.333.444"
novoCliente.Representante = 9001
novoCliente.Endereco.Rua = "Rua Augusta"
novoCliente.Endereco.Numero = 1500
novoCliente.Endereco.Bairro = "Consolação"
novoCliente.Endereco.CEP = "01305-100"
novoCliente.Endereco.CodigoMunicipio = 355030
posCliente = CLng(cfrts.GravaCliente(novoCliente))
Mostra "  Gravado na posição " & posCliente & " com a classificação " & novoCliente.Classificacao
Set clienteLido = cfrts.LeCliente(posCliente)
Mostra "  Lido: " & clienteLido.CodigoProprio & " " & clienteLido.Nome & ", " & clienteLido.CNPJ_CPF & ", " & _
       clienteLido.Endereco.Rua & ", " & clienteLido.Endereco.Numero & ", situação " & clienteLido.Situacao
novoCliente.CodigoProprio = "C004"
novoCliente.Classificacao = "1.004"
Mostra "  O mesmo CNPJ outra vez: código de resultado " & CLng(cfrts.GravaCliente(novoCliente))
Set clienteLido = cfrts.LeCliente(2)
Mostra "  Cliente C001: porte " & clienteLido.Porte & ", tipo " & clienteLido.Tipo & ", região " & clienteLido.Regiao & _
       ", cliente desde " & clienteLido.ClienteDesde & ", transportadora " & clienteLido.Transportadora
Dim infoCliente
Set infoCliente = raiz.TW_DF_InfoCliente()
If infoCliente.SetDados("C003") Then Mostra "  Para o pedido: " & infoCliente.GetNome() & " - " & infoCliente.GetEndereco() & _
       " - " & infoCliente.GetMunicipio()
Set cfrts = Nothing

Mostra ""
Mostra "-- Venda: naturezas de operação oferecidas, na filial 1 (SP)"
Dim oferta, iOferta, nOferta, infoNatureza, cliente
Set oferta = raiz.TW_DF_NaturezasOperacao()
oferta.SetCodFilial "1"
For Each cliente In Array("C001", "C900")
    oferta.SetCodCliente cliente
    nOferta = CLng(oferta.BuscaPonteiros())
    Mostra "  Cliente " & cliente & ": " & nOferta & " naturezas"
    For iOferta = 0 To nOferta - 1
        oferta.LePosicao iOferta
        Mostra "    " & oferta.GetCodigo() & " - " & oferta.GetNome()
    Next
Next
Set infoNatureza = raiz.TW_DF_InfoNatureza()
If infoNatureza.SetDados("5.102", "1") Then
    Mostra "  5.102: ponteiro " & CLng(infoNatureza.GetPonteiro()) & ", " & infoNatureza.GetNome() & _
           ", integra o financeiro: " & infoNatureza.GetIntegraFinanceiro()
End If
Mostra "-- Operações comerciais abertas à web (filial 1, cliente C002 no RJ)"
Dim operacoes, iOperacao, nOperacoes
Set operacoes = raiz.TW_DF_OperacoesComerciais()
operacoes.SetFilial 1
operacoes.SetCliente "C002"
nOperacoes = CLng(operacoes.BuscaPonteiros())
For iOperacao = 0 To nOperacoes - 1
    operacoes.LePosicao iOperacao
    operacoes.SetOpComercial CLng(operacoes.Existe(operacoes.GetCodigo()))
    Mostra "  " & operacoes.GetCodigo() & " - " & operacoes.GetDescricao() & ": CFOP " & _
           CLng(operacoes.GetCfopSugerida()) & ", ICMS " & operacoes.GetIcmsSugerido() & "%"
Next
Set oferta = Nothing
Set infoNatureza = Nothing
Set operacoes = Nothing
Mostra "-- Catálogo da tabela de preços VAREJO, por preço, com grades"
Dim tabelas, produtos, itensGrade, nProdutos, iProduto, iGrade, iItem, grade, textoGrade
Set tabelas = raiz.TW_DF_TabelasPreco()
For iProduto = 0 To CLng(tabelas.BuscaPonteiros()) - 1
    tabelas.LePosicao iProduto
    Mostra "  Tabela " & tabelas.GetCodigo() & " - " & tabelas.GetNome()
Next
Set tabelas = Nothing
Set produtos = raiz.TW_DF_Produtos()
produtos.SetTabelaPrecos "VAREJO"
nProdutos = CLng(produtos.BuscaPonteiros("A"))
produtos.SetOrdenacao 3
For iProduto = 0 To nProdutos - 1
    produtos.LePosicao iProduto
    textoGrade = ""
    For iGrade = 1 To 2
        If iGrade = 1 Then grade = CLng(produtos.LePonteiroGrade1()) Else grade = CLng(produtos.LePonteiroGrade2())
        If grade <> 0 Then
            Set itensGrade = produtos.GetPonteirosGradeProdutos(grade)
            For iItem = 0 To CLng(itensGrade.Size) - 1
                textoGrade = textoGrade & " " & produtos.LeItemGradeProduto(grade, itensGrade.GetItem(iItem)).Codigo
            Next
            textoGrade = textoGrade & " /"
        End If
    Next
    Mostra "  " & produtos.GetCodigo() & " " & produtos.GetNome() & " (" & produtos.GetClassificacao() & ") R$ " & _
           produtos.GetPreco() & "/" & produtos.GetUnidade() & textoGrade
Next
Set produtos = Nothing
Mostra "-- Serviços"
Dim servicos, iServico
Set servicos = raiz.TW_DF_Servicos()
For iServico = 0 To CLng(servicos.BuscaPonteiros()) - 1
    servicos.LePosicao iServico
    Mostra "  " & servicos.GetCodigo() & " " & servicos.GetNome() & " R$ " & servicos.GetPrecoVenda() & "/" & servicos.GetUnidade()
Next
Set servicos = Nothing
Mostra "-- Página do produto: o que o vendedor vê antes de incluir o item (cliente C001, filial 1)"
Dim infoProduto, itemVenda
Set infoProduto = raiz.TW_DF_InfoProduto()
For Each itemVenda In Array(Array("101", "M", "AZ"), Array("101", "GG", "PR"), Array("201", "", ""))
    If infoProduto.SetDados("VAREJO", "C001", "1", itemVenda(0), itemVenda(1), itemVenda(2), "") Then
        Mostra "  " & itemVenda(0) & " " & infoProduto.GetNome() & " " & itemVenda(1) & " " & itemVenda(2) & _
               ": R$ " & infoProduto.GetValorUnitario() & ", desconto até R$ " & infoProduto.GetDescontoMax() & _
               " (" & infoProduto.GetDescontoMaxPorcentagem() & "%), ICMS " & infoProduto.GetAliquotaICMS() & _
               "%, IPI " & infoProduto.GetAliquotaIPI() & "%, ST " & infoProduto.GetAliquotaICMSST() & _
               "%, entrega em " & infoProduto.GetDataEntrega() & " dias, peso " & infoProduto.GetPesoBruto() & " kg"
    Else
        Mostra "  " & itemVenda(0) & ": não encontrado"
    End If
Next
Set infoProduto = Nothing
Mostra "-- Pedidos: a lista da página de pedidos e o número do próximo pedido do mês"
Dim listaPedidos, infoPedido, iPedido
Set infoPedido = raiz.TW_FT_InfoPedido()
Mostra "  próximo pedido: " & infoPedido.GetNumero() & ", representante [" & infoPedido.GetNomeRepresentante() & "]"
Set listaPedidos = raiz.TW_FT_ListaPedidos()
Mostra "  pedidos deste mês: " & listaPedidos.BuscaQtdPedidosMesAtual()
For iPedido = 0 To CLng(listaPedidos.BuscaPonteiros()) - 1
    listaPedidos.LePosicao iPedido
    Mostra "  " & listaPedidos.GetCodigo() & " de " & listaPedidos.GetDataEmissao() & " (entrega " & _
           listaPedidos.GetDataEntrega() & "): " & listaPedidos.GetSituacao() & ", R$ " & listaPedidos.GetValorTotal() & _
           ", " & listaPedidos.GetNomeCliente()
Next
Set listaPedidos = Nothing
Set infoPedido = Nothing

Mostra ""
Mostra "-- Relatórios de estoque e de vendas do mês"
Dim relEstoque, textoEstoque, arquivoEstoque
' The stock register asks for title products: each stands for its group of articles.
Set relEstoque = raiz.TW_ES_RelatorioRegistroEstoque()
relEstoque.SetModelo "Registro de estoque"
relEstoque.SetDataInicial "01/12/2026"
relEstoque.SetDataFinal "31/12/2026"
relEstoque.SetFilial "1"
relEstoque.SetEP True
relEstoque.SetTipoEstoque
relEstoque.AdicionaProduto "1", "", "", ""
relEstoque.AdicionaProduto "2", "", "", ""
relEstoque.SetTipo "qvr"
Mostra "  registro de estoque (" & relEstoque.AtualizaTipoRelatorio("REGISTROESTOQUE") & "):"
Mostra "  " & Replace(Mid(relEstoque.GeraRelatorio(), 3), vbCrLf, vbCrLf & "  ")
relEstoque.SetTipo "pdf"
textoEstoque = relEstoque.GeraRelatorio()
Set arquivoEstoque = fso.CreateTextFile(fso.GetParentFolderName(WScript.Arguments(0)) & "\registro_estoque.pdf.utf16", True, True)
arquivoEstoque.Write textoEstoque
arquivoEstoque.Close
Mostra "  registro de estoque em PDF: registro_estoque.pdf"
Set relEstoque = raiz.TW_FT_RelatorioComissoesPagar()
relEstoque.SetTipo "qvr"
relEstoque.SetDataInicial "01/12/2026"
relEstoque.SetDataFinal "31/12/2026"
relEstoque.SetPosicaoRepresentante 7
Mostra "  " & Replace(Mid(relEstoque.GeraRelatorio(), 3), vbCrLf, vbCrLf & "  ")
Set relEstoque = Nothing
Dim relPedidos, arquivoPedidos
Set relPedidos = raiz.TW_FT_RelatorioRelacaoPedidos()
relPedidos.SetTipo "pdf"
relPedidos.SetDataInicial "01/12/2026"
relPedidos.SetDataFinal "31/12/2026"
Set arquivoPedidos = fso.CreateTextFile(fso.GetParentFolderName(WScript.Arguments(0)) & "\relacao_pedidos.pdf.utf16", True, True)
arquivoPedidos.Write relPedidos.GeraRelatorio()
arquivoPedidos.Close
Set relPedidos = Nothing
Mostra "  relação de pedidos do mês em PDF: relacao_pedidos.pdf"
Mostra "-- Página do pedido: formas de pagamento, tipos de cobrança e condições válidas"
Dim docsPagto, iDoc
Set docsPagto = raiz.TW_FT_Documentos()
For iDoc = 0 To CLng(docsPagto.GetQtdFormaPagamento()) - 1
    Mostra "  forma " & docsPagto.GetCodFormaPagamento(iDoc) & ": " & docsPagto.GetNomeFormaPagamento(iDoc)
Next
For iDoc = 0 To CLng(docsPagto.GetQtdTipoCobranca()) - 1
    Mostra "  cobrança " & docsPagto.GetCodTipoCobranca(iDoc) & ": " & docsPagto.GetNomeTipoCobranca(iDoc)
Next
For iDoc = 0 To CLng(docsPagto.GetQtdCondicaoPagamento()) - 1
    Mostra "  condição " & docsPagto.GetCodCondicaoPagamento(iDoc) & ": " & docsPagto.GetNomeCondicaoPagamento(iDoc)
Next
Mostra "  à vista: condição " & docsPagto.BuscaCondicaoAVista()
Set docsPagto = Nothing

Mostra "-- Cadastro de cliente pela página (formulário), lido de volta"
Dim formulario, cadastro, clienteWeb, posicaoWeb
Set formulario = raiz.TW_FT_FornecedorCliente()
formulario.SetEhFornecedor False
formulario.SetCodigo "C010"
formulario.SetClassificacao "1.010"
formulario.SetTipoPessoa "J"
formulario.SetNome "Livraria Página Certa Ltda"
formulario.SetCpfCnpj "12.345.678/0001-95"
formulario.SetEndereco "Rua Augusta"
formulario.SetNumero 2100
formulario.SetBairro "Jardins"
formulario.SetCep "01412-100"
formulario.SetCodigoMunicipio 355030
formulario.SetTelefone "(11) 3333-4444"
formulario.SetEmail "contato@paginacerta.com.br"
formulario.SetInscricaoEstadual "110.042.490.114"
Set cadastro = raiz.TW_FT_GerenciaClienteFornecedor()
cadastro.SetNovoCliente formulario.GetCliente()
posicaoWeb = CLng(cadastro.Gravar())
If posicaoWeb > 0 Then
    Set clienteWeb = cadastro.LeCliente(posicaoWeb)
    Mostra "  " & clienteWeb.CodigoProprio & " " & clienteWeb.Nome & " (" & clienteWeb.TipoPessoa & ") " & _
           clienteWeb.CNPJ_CPF & ", IE " & clienteWeb.InscricaoEstadual & ", " & clienteWeb.Situacao
    Mostra "  " & clienteWeb.Endereco.Rua & ", " & clienteWeb.Endereco.Numero & " - " & clienteWeb.Endereco.Bairro & _
           ", tel (" & clienteWeb.Endereco.DDD & ") " & clienteWeb.Endereco.Telefone & ", " & clienteWeb.Endereco.Email
    Set clienteWeb = Nothing
Else
    Mostra "  Recusado: código " & posicaoWeb
End If
formulario.SetCodigo "C011"
formulario.SetClassificacao "1.011"
formulario.SetCpfCnpj "12345678000195"
Mostra "  Outro cliente com o mesmo CNPJ digitado sem máscara: código " & CLng(cadastro.Gravar())
Set cadastro = Nothing
Set formulario = Nothing

Mostra "-- Posição do produto 201 (café) na filial 1: preços, estoque, última venda, compras"
Dim filtroPosicao, posicao, iCompra
Set filtroPosicao = CreateObject("ZidizUvi.QVHashTable")
filtroPosicao.SetAt "CODIGO", "201"
filtroPosicao.SetAt "TABPRECOS", "1"
filtroPosicao.SetAt "FILIAL", "1"
filtroPosicao.SetAt "EP", "V"
Set posicao = raiz.TW_FT_PosicaoProdutos(filtroPosicao)
Mostra "  " & posicao.Codigo & " " & posicao.Nome & ": R$ " & posicao.PrecoVenda & " na tabela " & posicao.TabPrecos
On Error Resume Next
Mostra "  Saldo total " & posicao.SaldoTotal & ", disponível " & posicao.SaldoDisponivel & ", custo médio R$ " & posicao.CustoMedio
If Err.Number <> 0 Then MostraErro "Saldos"
Mostra "  Local padrão " & posicao.LocalPadrao & " (" & posicao.NomeLocalPadrao & "); maior estoque em " & _
       posicao.LocalMaiorEstoque & " (" & posicao.NomeLocalMaiorEstoque & ")"
If Err.Number <> 0 Then MostraErro "Locais"
On Error GoTo 0
Mostra "  Última venda: NF " & posicao.NumeroNF & " de " & posicao.DataEmissao & ", " & posicao.Quantidade & " a R$ " & _
       posicao.ValorUnitario & " (ICMS R$ " & posicao.ValorICMS & " por unidade), " & posicao.CondPagamento & _
       ", frete por conta do " & posicao.FretePorConta
Mostra "  Em cotação: " & posicao.QuantidadeCotacao & "; em ordens de compra: " & posicao.QuantidadeOC
For iCompra = 0 To CLng(posicao.QtdUltimasCompras) - 1
    Mostra "  Compra de " & posicao.GetUltimaCompra(iCompra, 1) & ": " & posicao.GetUltimaCompra(iCompra, 5) & " a R$ " & _
           posicao.GetUltimaCompra(iCompra, 6) & " de " & posicao.GetUltimaCompra(iCompra, 3)
Next
Set posicao = Nothing
Set filtroPosicao = Nothing

Mostra "-- Pedidos pela página de pedidos: um cliente em SP e um no RJ, com grades, desconto e condição 30/60/90"
Entra "Administrador", "DEMO", "ADMIN", "admin123"
' One item of the page: code, quantity, unit value, discount (percent when the last flag is 1),
' ICMS and IPI rates (the product information's: the demo goods pay no IPI), the two grids, a complement.
Function ItemPagina(codigo, quantidade, valor, desconto, icms, ipi, grade1, grade2, complemento, percentual)
    ItemPagina = Array(codigo, quantidade, valor, desconto, icms, ipi, grade1, grade2, complemento, percentual)
End Function
' A whole order as the page places it; the order's number in the month's list comes after.
Sub ColocaPedido(cliente, itens, descontoPedido, fretePorConta)
    Dim p, item, i, n, ok
    Set p = raiz.TW_FT_Pedido()
    Mostra "  Cliente " & cliente & ", frete por conta do " & fretePorConta & ":"
    For Each item In itens
        On Error Resume Next
        ok = p.AdicionaItem(item(0), item(1), item(2), item(3), item(4), item(5), "0", "", "20/12/2026", item(8), _
                            "0,22", "0,20", item(6), item(7), "", 0, "5102", item(9), "VAREJO", "1", cliente)
        If Err.Number <> 0 Then MostraErro "Item " & item(0)
        On Error GoTo 0
    Next
    For i = 0 To CLng(p.GetQtdItens()) - 1
        p.GetItem i
        Mostra "    " & p.GetCodigoItem() & " " & p.GetDescricaoItem() & " " & p.GetDescricaoGrade1Item() & " " & _
               p.GetDescricaoGrade2Item() & ": " & p.GetQtdItem() & " x (R$ " & p.GetValorUnitarioItem() & " - " & _
               p.GetDescontoUnitarioItem() & ") = R$ " & p.GetValorLiquidoItem()
    Next
    p.CalculaValoresTotais descontoPedido
    p.CalculaParcelas "2"
    n = CLng(p.GetQtdParcelas())
    For i = 0 To n - 1
        p.GetParcela i
        p.AlteraParcela i, p.GetDataVencimentoParcela(), p.GetValorParcela(), "", "BOL"
    Next
    Mostra "    Produtos R$ " & p.GetTotalProdutos() & ", desconto do pedido R$ " & p.GetDescontoTotal() & ", IPI R$ " & _
           p.GetTotalIPI() & ", a pagar R$ " & p.GetTotalPagar() & ", peso " & p.GetPesoBruto() & " kg"
    For i = 0 To n - 1
        p.GetParcela i
        Mostra "    Parcela " & p.GetNumeroParcela() & ": " & p.GetDataVencimentoParcela() & " R$ " & p.GetValorParcela() & _
               " " & p.GetNomeFormaPagamentoParcela()
    Next
    If p.SetDados("", "1", cliente, "20/12/2026", "VENDA", "5102", "OC-" & cliente, "Entregar pela manhã", _
                  p.GetTotalProdutos(), p.GetDescontoTotal(), p.GetTotalIPI(), "2", fretePorConta, "", "rodoviario", "", _
                  p.GetPesoBruto(), p.GetPesoLiquido(), "ZIDIZ", "CAIXA", "1", "Doca 3", "CS", "10/12/2026", "2") Then
        On Error Resume Next
        ok = p.Grava()
        If Err.Number <> 0 Then MostraErro "Grava" Else Mostra "    Gravado: " & ok
        On Error GoTo 0
    Else
        Mostra "    Os dados do pedido foram recusados."
    End If
End Sub
ColocaPedido "C001", Array(ItemPagina("101", "2", "39,90", "10", "18", "0", "M", "AZ", "", 1), _
                           ItemPagina("103", "1", "89,90", "5,00", "18", "0", "G", "", "barra italiana", 0), _
                           ItemPagina("104", "12", "9,90", "0", "18", "0", "", "", "", 0)), "15,00", "destinatario"
ColocaPedido "C002", Array(ItemPagina("101", "3", "39,90", "0", "12", "0", "GG", "PR", "", 0), _
                           ItemPagina("201", "5", "38,00", "2", "12", "0", "", "", "", 1)), "0", "emitente"
Mostra "  (a página de pedidos inclui só produtos: serviços e valor de frete não passam por ela)"
Dim listaMes
Set listaMes = raiz.TW_FT_ListaPedidos()
Mostra "  Pedidos deste mês: " & listaMes.BuscaQtdPedidosMesAtual() & "; a lista da página:"
For iPedido = 0 To CLng(listaMes.BuscaPonteiros()) - 1
    listaMes.LePosicao iPedido
    Mostra "    " & listaMes.GetCodigo() & " de " & listaMes.GetDataEmissao() & ": " & listaMes.GetSituacao() & ", R$ " & _
           listaMes.GetValorTotal() & ", " & listaMes.GetNomeCliente()
Next
Set listaMes = Nothing
Dim pedidosLidos, pedidoLido, itemLido, iLido
Set pedidosLidos = CreateObject("ZidizUvi.Pedidos")
pedidosLidos.Inicializa raiz
Set pedidoLido = Nothing
If CLng(pedidosLidos.BuscaPonteiros(0)) > 0 Then Set pedidoLido = pedidosLidos.GetPedidoLightInvertido(0)
If pedidoLido Is Nothing Then
    Mostra "  Nenhum pedido para mostrar."
Else
    Mostra "  Pedido " & pedidoLido.NumeroPedido & " de " & pedidoLido.DataEmissao & " para " & pedidoLido.NomeCliente & _
           " (" & pedidoLido.Situacao & "), entrega " & pedidoLido.DataEntrega & ", frete por conta " & _
           pedidoLido.FretePorConta & ", " & pedidoLido.QuantidadeItems & " itens:"
    For iLido = 0 To CLng(pedidoLido.QuantidadeItems) - 1
        Set itemLido = pedidoLido.GetItem(iLido)
        Mostra "    " & itemLido.Codigo & " " & itemLido.Descricao & ": " & itemLido.Quantidade & " x R$ " & _
               itemLido.ValorUnitario & ", desconto R$ " & itemLido.Desconto & ", ICMS " & _
               (CLng(itemLido.AliqICMS) / 100) & "% = R$ " & itemLido.ValorTotal
    Next
    Mostra "    Produtos R$ " & pedidoLido.ValorProdutos & ", IPI R$ " & pedidoLido.ValorIPI & ", desconto R$ " & _
           pedidoLido.Desconto & ", total R$ " & pedidoLido.ValorTotal
End If
Set itemLido = Nothing
Set pedidoLido = Nothing
Set pedidosLidos = Nothing
Entra "Representante regional", "DEMO", "REGIONAL", "regional1"

Mostra "-- Pedido pela página antiga: dois itens, 30/60/90 dias, gravado e lido de volta"
Dim pedidosWeb, pedidoAntigo, itemWeb, parcelaWeb, iWeb, posicaoAntiga, lidoWeb
Set pedidosWeb = CreateObject("ZidizUvi.Pedidos")
pedidosWeb.Inicializa raiz
Set pedidoAntigo = pedidosWeb.NovoPedido(9001)
pedidoAntigo.CodigoCliente = "C101"
Mostra "  Pedido de " & pedidoAntigo.NomeRepresentante & " para " & pedidoAntigo.NomeCliente
For Each itemVenda In Array(Array("101", "M", "AZ", "2", "29,90"), Array("201", "", "", "1,5", "38,00"))
    Set itemWeb = pedidoAntigo.NovoItem()
    itemWeb.Codigo = itemVenda(0)
    If itemVenda(1) <> "" Then itemWeb.SetCodigoItemGrade 0, itemVenda(1)
    If itemVenda(2) <> "" Then itemWeb.SetCodigoItemGrade 1, itemVenda(2)
    itemWeb.NovaQuantidade = itemVenda(3)
    itemWeb.NovoValorUnitario = itemVenda(4)
    iWeb = pedidoAntigo.GravaItem(itemWeb, "VAREJO")
    If iWeb < 0 Then
        Mostra "  item " & itemVenda(0) & " recusado: " & pedidoAntigo.GetLastError()
    Else
        Mostra "  item " & iWeb & ": " & itemVenda(0) & " x " & itemVenda(3) & " a R$ " & itemVenda(4)
    End If
Next
pedidoAntigo.CondicaoPagamento = 2
Mostra "  produtos R$ " & pedidoAntigo.ValorProdutos & ", total R$ " & pedidoAntigo.ValorTotal & ", " & _
       pedidoAntigo.QtdParcelas & " parcelas"
For iWeb = 0 To pedidoAntigo.QtdParcelas - 1
    parcelaWeb = Split(pedidoAntigo.Parcela(iWeb), "|")
    Mostra "    " & parcelaWeb(0) & ": " & parcelaWeb(1) & " R$ " & parcelaWeb(2)
Next
On Error Resume Next
posicaoAntiga = pedidosWeb.GravaPedido(pedidoAntigo)
If Err.Number <> 0 Then
    MostraErro "Gravar o pedido"
Else
    Mostra "  gravado na posição " & posicaoAntiga
    Set lidoWeb = Nothing
    If CLng(pedidosWeb.BuscaPonteiros(9001)) > 0 Then Set lidoWeb = pedidosWeb.GetPedidoLightInvertido(0)
    If Err.Number <> 0 Then
        MostraErro "Ler o pedido"
    ElseIf Not lidoWeb Is Nothing Then
        Mostra "  lido de volta: " & lidoWeb.NumeroPedido & ", " & lidoWeb.QuantidadeItems & " itens, R$ " & _
               lidoWeb.ValorLight & ", " & lidoWeb.Situacao
    End If
End If
On Error GoTo 0
Set pedidoAntigo = Nothing
Set pedidosWeb = Nothing

Mostra "-- Agenda de visitas da semana de 14/12/2026: a primeira visita registrada"
Dim agendaVisitas, visitaDemo, iVisita
Set agendaVisitas = raiz.TW_FT_AgendamentosVisitas()
agendaVisitas.SetIntervalo "14/12/2026", "18/12/2026"
For iVisita = 0 To CLng(agendaVisitas.BuscaQuantidadeAgendamentosVisitas("14/12/2026")) - 1
    Set visitaDemo = agendaVisitas.LeAgendamentoVisita(iVisita)
    Mostra "  " & visitaDemo.GetNrAgendamento() & " " & visitaDemo.GetData() & " cliente " & visitaDemo.GetCliente() & _
           ": " & visitaDemo.GetObservacoesAgendamento() & " (situação " & visitaDemo.GetSituacaoVisita() & ")"
Next
Set visitaDemo = agendaVisitas.LeAgendamentoVisita(0)
visitaDemo.SetSituacaoVisita 1
visitaDemo.SetAtendidoPor "João Pereira"
visitaDemo.SetVendaEfetuada True
visitaDemo.SetValorVenda "1.980,00"
visitaDemo.SetObsVisita "Pedido da nova coleção"
agendaVisitas.GravarDadosVisita 0, visitaDemo
Set visitaDemo = agendaVisitas.LeAgendamentoVisita(0)
Mostra "  registrada: atendida por " & visitaDemo.GetAtendidoPor() & ", venda R$ " & visitaDemo.GetValorVenda() & _
       ", " & visitaDemo.GetObservacoesVisita()
Set visitaDemo = Nothing
Set agendaVisitas = Nothing
Mostra "-- Histórico do cliente C001 no primeiro semestre de 2026"
Dim historico
Set historico = raiz.TW_FT_HistoricoCliente()
historico.SetDadosCliente "C001", "01/01/2026", "30/06/2026"
Mostra "  " & historico.Nome & " (" & historico.CNPJ & "), cliente desde " & historico.ClienteDesde & ": " & historico.Endereco
Mostra "  vendas R$ " & historico.ValorVendas & ", devoluções R$ " & historico.ValorDevolucoes & ", compra a cada " & _
       historico.FreqMediaCompras & "; mais comprado: " & historico.DescProdMaisCompradoQtd
Mostra "  limite R$ " & historico.LimiteValor & ", disponível R$ " & historico.CreditoDisponivel & ", cheques pré-datados R$ " & _
       historico.ChequesPredatados & ", devolvidos R$ " & historico.ChequesDevolvidos & "; venda " & historico.Venda
For iCompra = 0 To historico.QtdUltimasCompras - 1
    Mostra "  " & historico.GetUltimaCompra(iCompra, 1) & " " & historico.GetUltimaCompra(iCompra, 2) & " de " & _
           historico.GetUltimaCompra(iCompra, 4) & " (" & historico.GetUltimaCompra(iCompra, 3) & "): R$ " & _
           historico.GetUltimaCompra(iCompra, 6)
Next
Set historico = Nothing

Mostra "-- Estoque da camiseta 1002 por filial (próprio, sem saldos zerados)"
Dim saldoWeb, iSaldo, filialWeb
Set saldoWeb = raiz.TW_ES_SaldoTotal()
saldoWeb.SetProduto "1002"
saldoWeb.SetTabelaPrecos "CATALOGO"
saldoWeb.SetTipoLocal True, False, False
For Each filialWeb In Array(1, 2)
    saldoWeb.SetFilial filialWeb
    For iSaldo = 0 To CLng(saldoWeb.BuscaSaldos()) - 1
        saldoWeb.LePosicao iSaldo
        Mostra "  filial " & filialWeb & ": " & saldoWeb.GetGrade(0) & "/" & saldoWeb.GetGrade(1) & " saldo " & _
               saldoWeb.GetSaldo() & " a R$ " & saldoWeb.GetPreco()
    Next
Next
Set saldoWeb = Nothing

Mostra "-- Locais de armazenagem da empresa"
Dim locaisWeb, localWeb, iLocal
Set locaisWeb = CreateObject("ZidizUvi.QVLocaisArmazenagemWeb")
locaisWeb.Inicializa raiz
For iLocal = 0 To CLng(locaisWeb.BuscaPonteiros()) - 1
    Set localWeb = locaisWeb.LePosicao(iLocal)
    Mostra "  " & localWeb.Codigo & ": " & localWeb.Nome & " (tipo " & localWeb.Tipo & ")"
Next
Set localWeb = Nothing
Set locaisWeb = Nothing

Mostra "-- Catálogo da loja virtual (tabela CATALOGO), escrito em catalogo.html"
Dim catalogoWeb, nCatalogo, iBloco, htmlCatalogo, paginaCatalogo
Set catalogoWeb = CreateObject("ZidizUvi.Produtos")
catalogoWeb.Inicializa raiz
nCatalogo = CLng(catalogoWeb.BuscaApenasPonteirosProdutos("CATALOGO"))
htmlCatalogo = ""
For iBloco = 0 To (nCatalogo - 1) \ 1000
    htmlCatalogo = htmlCatalogo & catalogoWeb.TabelaProdutos("CATALOGO", iBloco)
Next
Set paginaCatalogo = fso.CreateTextFile(fso.GetParentFolderName(WScript.Arguments(0)) & "\catalogo.html", True, True)
paginaCatalogo.Write "<!DOCTYPE html><html><head><title>Catálogo da loja virtual</title>" & _
                     "<script>function RP(c, n, p) { document.getElementById('escolha').textContent = c + ' ' + n + ' R$ ' + p; }" & _
                     "</script></head><body><h1>Catálogo da loja virtual</h1><p id='escolha'></p>" & _
                     "<table id='catalogo'>" & vbLf & htmlCatalogo & "</table></body></html>"
paginaCatalogo.Close
Mostra "  " & nCatalogo & " produtos, " & Len(htmlCatalogo) & " caracteres de linhas HTML"
Set catalogoWeb = Nothing

Mostra ""
Mostra "-- Cotação de compra respondida pelo fornecedor (a página do fornecedor, com a chave de acesso)"
Dim raizCotacao, cotacaoWeb, itemCotacao, iItemCotacao, nParcelasCotacao, iParcelaCotacao, parcelaCotacao
Set raizCotacao = CreateObject("ZidizUvi.QV_Inicializa")
raizCotacao.InicializaCotacao "{6F1C2A3B-4D5E-4F60-8A7B-9C0D1E2F3A4B}"
Set cotacaoWeb = raizCotacao.CotacaoWeb
Mostra "  cotação " & cotacaoWeb.NumeroCotacao & " de " & cotacaoWeb.DataCotacao & ", respostas até " & _
       cotacaoWeb.DataLimite & "; entrega em " & cotacaoWeb.LocalDeEntrega
For iItemCotacao = 0 To cotacaoWeb.ItemCount - 1
    Set itemCotacao = cotacaoWeb.GetItemRef(iItemCotacao)
    Mostra "  " & itemCotacao.DescricaoProduto & ": " & itemCotacao.QtdCotada & " " & itemCotacao.UnMedida & _
           " (" & itemCotacao.Complemento & ")"
Next
Set itemCotacao = cotacaoWeb.GetItemRef(0)
itemCotacao.PrecoUnitario = "28,50"
itemCotacao.AliquotaICMS = "18"
Set itemCotacao = cotacaoWeb.GetItemRef(1)
itemCotacao.PrecoUnitario = "21,90"
itemCotacao.AliquotaIPI = "5"
itemCotacao.Observacao = "Bordado incluso"
cotacaoWeb.Frete = "35,00"
cotacaoWeb.PrazoEntrega = 10
cotacaoWeb.PrazoProposta = "20/01/2027"
cotacaoWeb.ObservacaoFornecedor = "Preços válidos por 30 dias"
nParcelasCotacao = cotacaoWeb.MontaParcelas(3, "10/01/2027", 3, 2)
nParcelasCotacao = cotacaoWeb.AlteraParcela(1, "15/01/2027", 0, "10/01/2027", "600,00")
cotacaoWeb.Grava
Mostra "  resposta gravada: total R$ " & cotacaoWeb.GetValorTotalCotado() & " (itens R$ " & _
       cotacaoWeb.GetValorSubTotalCotado() & ", frete R$ " & cotacaoWeb.Frete & "), entrega " & cotacaoWeb.DataEntrega
For iItemCotacao = 0 To cotacaoWeb.ItemCount - 1
    Set itemCotacao = cotacaoWeb.GetItemRef(iItemCotacao)
    Mostra "  " & itemCotacao.DescricaoProduto & ": R$ " & itemCotacao.PrecoUnitario & " x " & itemCotacao.QtdCotada & _
           " = R$ " & itemCotacao.PrecoTotal
Next
For iParcelaCotacao = 0 To nParcelasCotacao - 1
    Set parcelaCotacao = cotacaoWeb.GetParcelaRef(iParcelaCotacao)
    Mostra "  parcela " & parcelaCotacao.NumeroParcela & ": " & parcelaCotacao.DataParcela & " R$ " & _
           parcelaCotacao.ValorParcela
Next
On Error Resume Next
raizCotacao.InicializaCotacao "{6F1C2A3B-4D5E-4F60-8A7B-9C0D1E2F3A4C}"
Mostra "  chave errada: recusada (erro " & Hex(Err.Number) & ")"
Err.Clear
On Error GoTo 0
Set parcelaCotacao = Nothing
Set itemCotacao = Nothing
Set cotacaoWeb = Nothing
Set raizCotacao = Nothing

Mostra ""
Mostra "-- Fim da sessão"
raiz.Finaliza
Mostra "  Finaliza: empresa [" & raiz.m_sEmpresa & "], usuário " & raiz.m_iUsuario
Set raiz = Nothing
Mostra "FIM"
out.Close

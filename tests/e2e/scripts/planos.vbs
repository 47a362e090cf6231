' The charts of accounts through real COM: the company and managerial charts, single accounts,
' the customer/supplier chart, editing the chart of accounts (a new account with its own code,
' saved and read back) and the representative's limit from both sides.
Option Explicit
Dim fso, out, raiz, r
Set fso = CreateObject("Scripting.FileSystemObject")
Set out = fso.CreateTextFile(WScript.Arguments(0), True, True)
Set raiz = CreateObject("ZidizUvi.QV_Inicializa")

Sub Mostra(texto)
    out.WriteLine texto
End Sub

' The error a call left, then clear it.
Sub Erro(acao)
    Mostra "  " & acao & ": erro " & Hex(Err.Number) & " [" & Err.Description & "]"
    Err.Clear
End Sub

Sub Entra(usuario, senha)
    r = -7
    raiz.Inicializa "DEMO", usuario, senha, r
    Mostra "login " & usuario & ": resultado=" & r
End Sub

' Every account of a chart (ITW_DF_Plano) in its current order.
Sub ListaPlano(plano, n)
    Dim i
    For i = 0 To n - 1
        plano.LePosicao i
        Mostra "  " & plano.GetClassificacao() & " | " & plano.GetCodigo() & " | " & plano.GetNome() & _
               " | " & plano.GetTipo()
    Next
End Sub

' The current list of the customer/supplier chart.
Sub ListaCFRT(cfrt, tipo)
    Dim n, i
    cfrt.SetTipoBusca tipo
    ' An unsigned long answer: VBScript computes only with its own types.
    n = CLng(cfrt.BuscaPonteiros())
    Mostra " " & tipo & ": " & n
    For i = 0 To n - 1
        cfrt.LePosicao i
        Mostra "  " & cfrt.GetClassificacao() & " | " & cfrt.GetCodigo() & " | " & cfrt.GetNome() & _
               " | " & cfrt.GetInscricao() & " | " & cfrt.GetTipo()
    Next
End Sub

' A name of its own: VBScript names are not case-sensitive, and "conta" is a variable below.
Function TextoConta(c)
    If c Is Nothing Then
        TextoConta = "nenhuma"
    Else
        TextoConta = c.Posicao & " " & c.Classificacao & " | " & c.CodigoProprio & " | " & c.Nome & " | " & _
                c.Tipo & " | " & c.CpfCnpj
    End If
End Function

' The accounts of the last search of a chart of accounts.
Sub ListaBusca(plano, n)
    Dim i
    For i = 0 To n - 1
        Mostra "  " & TextoConta(plano.GetPosicao(i))
    Next
End Sub

Entra "ADMIN", "admin123"
Dim plano, n

Mostra "-- Plano contábil"
Set plano = raiz.TW_DF_PlanoContabil()
n = plano.BuscaPonteiros()
Mostra " contas: " & n
ListaPlano plano, n
plano.SetOrdenacao 0
plano.LePosicao n - 1
Mostra " maior código: " & plano.GetCodigo() & " " & plano.GetNome()
On Error Resume Next
plano.LePosicao n
Erro "LePosicao(" & n & ")"
On Error GoTo 0
Mostra " cursor mantido: " & plano.GetNome()

Mostra "-- Plano gerencial"
Set plano = raiz.TW_DF_PlanoGerencial()
n = plano.BuscaPonteiros()
Mostra " contas: " & n
ListaPlano plano, n

Mostra "-- Contas por código"
Dim conta
Set conta = raiz.TW_DF_ContaContabil()
Mostra " contábil C101: " & conta.SetCodigo("C101") & " " & conta.GetNome() & " | " & conta.GetClassificacao() & _
       " | " & conta.GetTipo()
Mostra " contábil ZZZ: " & conta.SetCodigo("ZZZ")
Set conta = raiz.TW_DF_ContaGerencial()
Mostra " gerencial 1101: " & conta.SetCodigo("1101") & " " & conta.GetNome() & " | " & conta.GetClassificacao()
Mostra " gerencial 2: " & conta.SetCodigo("2") & " " & conta.GetNome() & " | " & conta.GetTipo()

Mostra "-- Clientes e fornecedores"
Dim cfrt
Set cfrt = raiz.TW_DF_PlanoCFRT()
On Error Resume Next
cfrt.SetTipoBusca "T"
cfrt.LePosicao 0
Erro "LePosicao antes da busca"
On Error GoTo 0
ListaCFRT cfrt, "C"
ListaCFRT cfrt, "F"
ListaCFRT cfrt, "R"
cfrt.SetTipoBusca "C"
Mostra " LeCodigo C102: " & cfrt.LeCodigo("C102") & " " & cfrt.GetNome()
Mostra " LeCodigo X: " & cfrt.LeCodigo("X") & " (cursor em " & cfrt.GetCodigo() & ")"
Mostra " sugestão C: " & cfrt.SugereClassificacao("C") & ", F: " & cfrt.SugereClassificacao("F") & _
       ", R: " & cfrt.SugereClassificacao("R") & ", T: " & cfrt.SugereClassificacao("T")

Mostra "-- Plano de contas: nova conta com código próprio"
Dim pc, nova
Set pc = raiz.TW_DF_PlanoContas()
Mostra " usa código próprio: " & pc.UtilizaCodigoProprio
Set nova = pc.NovaConta()
Mostra " nova: [" & TextoConta(nova) & "]"
nova.Nome = "Caixa filial Rio"
nova.Classificacao = "5.006"
nova.CodigoProprio = "5006"
Dim gravada
gravada = pc.GravaConta(nova)
Mostra " GravaConta: " & gravada
Mostra " Existe 5006: " & TextoConta(pc.Existe("5006"))
Mostra " Le(" & gravada & "): " & TextoConta(pc.Le(gravada))
Mostra " de novo, mesmo código: " & pc.GravaConta(nova)
nova.CodigoProprio = "5007"
Mostra " classificação em uso: " & pc.GravaConta(nova)
Mostra " Existe 9999: " & TextoConta(pc.Existe("9999"))
n = pc.BuscaF4Contas(4, "A")
Mostra " clientes: " & n
ListaBusca pc, n
Mostra " GetPosicao(-1): " & TextoConta(pc.GetPosicao(-1))

Mostra "-- Conta criada pelo cliente, gravada por QVDF_PlanoContas"
Dim q, c
Set q = CreateObject("ZidizUvi.QVDF_PlanoContas")
On Error Resume Next
n = q.BuscaF4Contas(4, "A")
Erro "antes de Inicializa"
On Error GoTo 0
q.Inicializa raiz
Set c = CreateObject("ZidizUvi.QVDF_Conta")
Mostra " QVDF_Conta: [" & TextoConta(c) & "]"
c.Nome = "Aplicações financeiras"
c.Classificacao = "5.007"
c.CodigoProprio = "5007"
c.Tipo = "T"
Mostra " GravaConta: " & q.GravaConta(c)
Mostra " Existe 5007: " & TextoConta(q.Existe("5007"))

Mostra "-- Montagem de conta (PlanoContasContabil)"
Dim m
Set m = raiz.TW_DF_PlanoContasContabil()
Mostra " usa código próprio: " & m.GetUtilizaCodigoProprio()
Mostra " SetNome: " & m.SetNome("Bancos conta movimento") & ", SetClassificacao: " & m.SetClassificacao("5.008") & _
       ", SetCodigo: " & m.SetCodigo("5008") & ", SetCodigo vazio: " & m.SetCodigo("")
m.SetCodigo "5008"
Mostra " GravaConta: " & m.GravaConta()
n = m.BuscaClientesFornecedores()
Mostra " clientes e fornecedores: " & n
Mostra " por CPF 529.982.247-25: " & TextoConta(m.GetCodigo("529.982.247-25"))
Mostra " por código F101: " & TextoConta(m.GetCodigo("F101"))

Mostra "-- Administrador limita a busca a um representante"
' The limit is the chart server's: every later search through the session's chart connection
' (the process-wide pool) sees only that representative's customers.
Mostra " representante 9001: " & cfrt.SetPosicaoRepresentante(9001) & ", cliente 20: " & _
       cfrt.SetPosicaoRepresentante(20)
n = pc.BuscaF4Contas(4, "A")
Mostra " clientes pelo plano de contas: " & n
q.SetPonteiroRepresentanteF4 9001
n = q.BuscaF4Contas(4, "A")
Mostra " clientes do representante 9001 (conexão própria): " & n
ListaBusca q, n

Mostra "-- Sessão do representante"
raiz.Finaliza
Entra "REGIONAL", "regional1"
Set pc = raiz.TW_DF_PlanoContas()
n = pc.BuscaF4Contas(4, "A")
Mostra " clientes que vê: " & n
ListaBusca pc, n
Set cfrt = raiz.TW_DF_PlanoCFRT()
ListaCFRT cfrt, "C"
Mostra " o próprio 9001: " & cfrt.SetPosicaoRepresentante(9001)
On Error Resume Next
Mostra " outro, 7: " & cfrt.SetPosicaoRepresentante(7)
If Err.Number <> 0 Then Erro "SetPosicaoRepresentante(7)"
On Error GoTo 0
Set q = CreateObject("ZidizUvi.QVDF_PlanoContas")
q.Inicializa raiz
q.SetPonteiroRepresentanteF4 9001
Mostra " SetPonteiroRepresentanteF4(9001): aceito"
On Error Resume Next
q.SetPonteiroRepresentanteF4 0
Erro "SetPonteiroRepresentanteF4(0)"
q.SetPonteiroRepresentanteF4 7
Erro "SetPonteiroRepresentanteF4(7)"
On Error GoTo 0
n = q.BuscaF4Contas(4, "A")
Mostra " clientes depois das recusas: " & n
raiz.Finaliza
Mostra "FIM"
out.Close

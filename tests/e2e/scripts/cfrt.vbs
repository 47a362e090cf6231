' The customer and supplier register through real COM: a new customer filled as a web page fills
' it, the save's result codes, the customer read back with its address and categories, a
' supplier, the next classifications, and the refusals (rights, an object never initialised).
Option Explicit
Dim fso, out, raiz, regional, r, cfrts, c, e, f, lido, pos, rep
Set fso = CreateObject("Scripting.FileSystemObject")
Set out = fso.CreateTextFile(WScript.Arguments(0), True, True)

Sub Mostra(texto)
    out.WriteLine texto
End Sub

Sub Erro(acao)
    Mostra "  " & acao & ": erro " & Hex(Err.Number) & " [" & Err.Description & "]"
    Err.Clear
End Sub

Sub Grava(titulo)
    Dim resultado
    resultado = cfrts.GravaCliente(c)
    Mostra titulo & ": " & CLng(resultado)
End Sub

Sub MostraPessoa(p)
    Mostra "  " & p.CodigoProprio & " " & p.Classificacao & " " & p.Nome & " (" & p.TipoPessoa & ") " & p.CNPJ_CPF
    Mostra "  porte=[" & p.Porte & "] tipo=[" & p.Tipo & "] regiao=[" & p.Regiao & "] situacao=" & p.Situacao & _
           " desde=" & p.ClienteDesde & " bloqueada=" & CBool(p.VendaBloqueada)
    Mostra "  " & p.Endereco.Rua & ", " & CLng(p.Endereco.Numero) & " - " & p.Endereco.Bairro & " CEP " & _
           p.Endereco.CEP & " municipio " & CLng(p.Endereco.CodigoMunicipio) & " " & p.Endereco.Email
End Sub

Set raiz = CreateObject("ZidizUvi.QV_Inicializa")
r = -7
raiz.Inicializa "DEMO", "ADMIN", "admin123", r
Mostra "login: resultado=" & r

Set cfrts = CreateObject("ZidizUvi.QVDF_CFRTs")
Set c = cfrts.NovoCliente()
On Error Resume Next
r = cfrts.GravaCliente(c)
Erro "GravaCliente sem Inicializa"
On Error GoTo 0
cfrts.Inicializa raiz
Mostra "próximas: C=" & cfrts.GetProximaClassificacao("C") & " F=" & cfrts.GetProximaClassificacao("fornecedor") & _
       " R=" & cfrts.GetProximaClassificacao("r") & " T=" & cfrts.GetProximaClassificacao("Transportadora")
On Error Resume Next
r = cfrts.GetProximaClassificacao("x")
Erro "GetProximaClassificacao x"
On Error GoTo 0

Grava "vazio"
c.CodigoProprio = "C003"
c.Classificacao = cfrts.GetProximaClassificacao("C")
Grava "com código e classificação"
c.TipoPessoa = "J"
c.CNPJ_CPF = "11.222.333/0001-81"
Grava "CNPJ de outro cliente"
c.CNPJ_CPF = "04.252.011/0001-10"
Grava "CNPJ novo"
Set e = c.Endereco
e.Rua = "Rua Augusta"
e.Numero = 1500
e.Bairro = "Consolação"
e.CEP = "01305-100"
e.Email = "contato@paoquente.com.br"
e.CodigoMunicipio = 355030
c.Nome = "Padaria Pão Quente Ltda"
Grava "sem inscrição estadual"
c.InscricaoEstadual = "111.222.333.444"
c.Representante = 9001
pos = cfrts.GravaCliente(c)
Mostra "gravado na posição " & CLng(pos)
Set lido = cfrts.LeCliente(pos)
MostraPessoa lido
Mostra "  IE " & lido.InscricaoEstadual & " representante " & CLng(lido.Representante) & " frete=[" & _
       lido.FretePorConta & "] transportadora=[" & lido.Transportadora & "]"
c.CodigoProprio = "C004"
c.Classificacao = "1.004"
Grava "o mesmo CNPJ de novo"

Mostra "cliente 2:"
Set lido = cfrts.LeCliente(2)
MostraPessoa lido
Mostra "  condição " & CLng(lido.CondicaoPagamento) & " forma " & CLng(lido.FormaPagamento) & " cobrança " & _
       CLng(lido.TipoCobranca) & " frete=" & lido.FretePorConta & " transportadora=" & lido.Transportadora
Mostra "cliente 3 bloqueado: " & CBool(cfrts.LeCliente(3).VendaBloqueada)
On Error Resume Next
Set lido = cfrts.LeCliente(777)
Erro "LeCliente 777"
On Error GoTo 0

Mostra "fornecedor 27:"
Set f = cfrts.LeFornecedor(27)
MostraPessoa f
Mostra "  IE " & f.InscricaoEstadual

Set f = cfrts.NovoFornecedor()
f.CodigoProprio = "F200"
f.Classificacao = "2.200"
f.TipoPessoa = "F"
f.CNPJ_CPF = "714.602.380-01"
f.Nome = "Carla Mendes"
f.Endereco.Rua = "Rua do Porto"
f.Endereco.CodigoMunicipio = 330455
f.InscricaoEstadual = "ISENTO"
pos = cfrts.GravaFornecedor(f)
Mostra "fornecedor gravado na posição " & CLng(pos) & ": " & cfrts.LeFornecedor(pos).Nome

Set regional = CreateObject("ZidizUvi.QV_Inicializa")
regional.Inicializa "DEMO", "REGIONAL", "regional1", r
cfrts.Inicializa regional
On Error Resume Next
pos = cfrts.GravaFornecedor(f)
Erro "GravaFornecedor do REGIONAL"
On Error GoTo 0
Mostra "GravaCliente do REGIONAL: " & CLng(cfrts.GravaCliente(cfrts.NovoCliente()))
Mostra "tabela de preços 1: [" & cfrts.GetCodigoTabelaPrecosProduto(1) & "]"

Set e = CreateObject("ZidizUvi.CFRT_Endereco")
e.UF = "SP"
e.Contato = "Ana"
Mostra "endereço avulso: " & e.UF & " " & e.Contato
On Error Resume Next
Set rep = CreateObject("ZidizUvi.CFRT_Representante")
If Err.Number = 0 Then
    rep.Nome = "Rep"
    Mostra "representante avulso: " & rep.Nome & " [" & rep.TipoPessoa & "]"
Else
    Erro "CFRT_Representante"
End If
On Error GoTo 0
Mostra "FIM"

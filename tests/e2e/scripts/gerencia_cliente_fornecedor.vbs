' The registration of a customer and a supplier from a web form through real COM (the root's
' TW_FT_GerenciaClienteFornecedor): the result codes of Gravar, a customer filled through the
' holder and saved, read back; a duplicate document typed without its mask; a supplier made
' through its ProgID; and the failures (no person, a position with no customer).
Option Explicit
Dim fso, out, raiz, r, g, h, c, f, lido, pos
Set fso = CreateObject("Scripting.FileSystemObject")
Set out = fso.CreateTextFile(WScript.Arguments(0), True, True)

Sub Mostra(texto)
    out.WriteLine texto
End Sub

Sub Erro(acao)
    Mostra "  " & acao & ": erro " & Hex(Err.Number) & " [" & Err.Description & "]"
    Err.Clear
End Sub

Sub MostraCliente(p)
    Mostra "  " & p.CodigoProprio & " " & p.Classificacao & " " & p.Nome & " (" & p.TipoPessoa & ") " & p.CNPJ_CPF & _
           " IE " & p.InscricaoEstadual & " " & p.Situacao
    Mostra "  " & p.Endereco.Rua & ", " & p.Endereco.Numero & " - " & p.Endereco.Bairro & " CEP " & p.Endereco.CEP & _
           " (" & p.Endereco.DDD & ") " & p.Endereco.Telefone & " município " & p.Endereco.CodigoMunicipio & " " & _
           p.Endereco.Email
End Sub

Set raiz = CreateObject("ZidizUvi.QV_Inicializa")
r = -7
raiz.Inicializa "DEMO", "ADMIN", "admin123", r
Mostra "login: resultado=" & r

Set g = raiz.TW_FT_GerenciaClienteFornecedor()
On Error Resume Next
r = g.Gravar()
Erro "Gravar sem cliente nem fornecedor"
On Error GoTo 0
Mostra "usa código próprio: " & g.GetUtilizaCodigoProprio()

Set h = raiz.TW_FT_FornecedorCliente()
h.SetEhFornecedor False
Mostra "SetNovoCliente: " & g.SetNovoCliente(h.GetCliente())
Mostra "vazio: " & g.Gravar()
h.SetCodigo "C003"
Mostra "código: " & g.Gravar()
h.SetClassificacao "1.003"
Mostra "classificação (pessoa física, sem CPF): " & g.Gravar()
h.SetTipoPessoa "J"
h.SetCpfCnpj "11222333000181"
Mostra "CNPJ de outro cliente, sem máscara: " & g.Gravar()
h.SetCpfCnpj "04.252.011/0001-10"
Mostra "CNPJ novo: " & g.Gravar()
h.SetEndereco "Rua Augusta"
h.SetCodigoMunicipio 999
Mostra "município inexistente: " & g.Gravar()
h.SetCodigoMunicipio 355030
Mostra "sem nome: " & g.Gravar()
h.SetNome "Padaria Pão Quente Ltda"
h.SetNumero 1500
h.SetBairro "Consolação"
h.SetCep "01305-100"
h.SetTelefone "(11) 3333-4444"
h.SetEmail "contato@paoquente.com.br"
h.SetInscricaoEstadual "111.222.333.444"
pos = g.Gravar()
Mostra "gravado: posição maior que zero=" & (pos > 0)
Set lido = g.LeCliente(pos)
MostraCliente lido
Mostra "o mesmo de novo: " & g.Gravar()

Set f = CreateObject("ZidizUvi.CFRT_Fornecedor")
Mostra "SetNovoFornecedor: " & g.SetNovoFornecedor(f)
f.CodigoProprio = "c001"
Mostra "fornecedor com código em uso: " & g.Gravar()
f.CodigoProprio = "F950"
f.Classificacao = "2.950"
f.TipoPessoa = "J"
f.Nome = "Distribuidora Sul"
f.InscricaoEstadual = "645.000.111.222"
f.Endereco.Rua = "Rua São Bento"
f.Endereco.CodigoMunicipio = 355030
pos = g.Gravar()
Mostra "fornecedor gravado: " & (pos > 0) & ", lido: " & g.LeFornecedor(pos).Nome & " IE " & _
       g.LeFornecedor(pos).InscricaoEstadual

Set lido = g.LeCliente(2)
Mostra "cliente 2: " & lido.Nome & " porte [" & lido.Porte & "] frete " & lido.FretePorConta & " transportadora " & _
       lido.Transportadora
On Error Resume Next
Set lido = g.LeCliente(777777)
Erro "LeCliente 777777"
Set lido = g.LeFornecedor(0)
Erro "LeFornecedor 0"
On Error GoTo 0
Mostra "FIM"

' The supplier and customer holder through real COM (the root's TW_FT_FornecedorCliente): the
' supplier mode of a new holder, the switch (only True selects the supplier), the answers of the
' setters, the state registration of each mode; and the person and address classes made through
' their ProgIDs, as a page makes them to fill one by hand.
Option Explicit
Dim fso, out, raiz, r, h, c, f, e, progid, o
Set fso = CreateObject("Scripting.FileSystemObject")
Set out = fso.CreateTextFile(WScript.Arguments(0), True, True)

Sub Mostra(texto)
    out.WriteLine texto
End Sub

Set raiz = CreateObject("ZidizUvi.QV_Inicializa")
r = -7
raiz.Inicializa "DEMO", "ADMIN", "admin123", r
Mostra "login: resultado=" & r

Set h = raiz.TW_FT_FornecedorCliente()
Mostra "novo: fornecedor=" & h.GetEhFornecedor() & " nome=" & h.SetNome("Distribuidora Sul") & _
       " vazio=" & h.SetNome("") & " nome=" & h.SetNome("Distribuidora Sul")
Mostra "  fornecedor [" & h.GetFornecedor().Nome & "] (" & h.GetFornecedor().TipoPessoa & "), cliente [" & _
       h.GetCliente().Nome & "] (" & h.GetCliente().TipoPessoa & ")"
h.SetEhFornecedor 1
Mostra "SetEhFornecedor 1: fornecedor=" & h.GetEhFornecedor()
h.SetEhFornecedor True
Mostra "SetEhFornecedor True: fornecedor=" & h.GetEhFornecedor()
h.SetEhFornecedor False
Mostra "cliente: nome=" & h.SetNome("Maria Souza") & " cpf=" & h.SetCpfCnpj("390.533.447-05") & _
       " rua=" & h.SetEndereco("Rua das Flores") & " município=" & h.SetCodigoMunicipio(355030) & _
       " município 0=" & h.SetCodigoMunicipio(0) & " código=" & h.SetCodigo("") & _
       " classificação=" & h.SetClassificacao("1.960") & " IE=" & h.SetInscricaoEstadual("111.222.333.444") & _
       " IE vazia=" & h.SetInscricaoEstadual("")
h.SetInscricaoEstadual "111.222.333.444"
h.SetCodigoMunicipio 355030
h.SetTipoPessoa "F"
h.SetNumero 12
h.SetComplemento "Casa 2"
h.SetBairro "Centro"
h.SetCep "01001-000"
h.SetTelefone "(11) 3333-4444"
h.SetEmail "maria@exemplo.com.br"
Set c = h.GetCliente()
Set e = c.Endereco
Mostra "  cliente: " & c.Nome & " (" & c.TipoPessoa & ") " & c.CNPJ_CPF & " " & c.Classificacao & " IE " & _
       c.InscricaoEstadual & " " & c.EmailPrincipal
Mostra "  " & e.Rua & ", " & e.Numero & " " & e.Complemento & " - " & e.Bairro & " CEP " & e.CEP & " tel " & _
       e.Telefone & " município " & e.CodigoMunicipio
Set f = h.GetFornecedor()
Mostra "  fornecedor: " & f.Nome & " IE [" & f.InscricaoEstadual & "] rua [" & f.Endereco.Rua & "]"

For Each progid In Array("ZidizUvi.CFRT_Cliente", "ZidizUvi.CFRT_Cliente.1", "ZidizUvi.CFRT_Fornecedor", _
                         "ZidizUvi.CFRT_Fornecedor.1")
    Set o = CreateObject(progid)
    o.Nome = "Teste"
    o.Endereco.Rua = "Rua A"
    Mostra progid & ": " & TypeName(o) & " " & o.Nome & " rua " & o.Endereco.Rua & " IE [" & o.InscricaoEstadual & "]"
Next
For Each progid In Array("ZidizUvi.CFRT_Endereco", "ZidizUvi.CFRT_Endereco.1")
    Set o = CreateObject(progid)
    o.Telefone = "(11) 3333-4444"
    o.CodigoMunicipio = 355030
    Mostra progid & ": " & TypeName(o) & " " & o.Telefone & " " & o.CodigoMunicipio
Next
Mostra "FIM"

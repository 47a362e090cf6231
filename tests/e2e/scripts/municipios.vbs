' The municipalities through real COM: the registered enumerator and its municipality objects,
' initialised from the root object, and the root's list filtered by state.
Option Explicit
Dim fso, out, raiz, r, municipios, m, n, i, lista, achou
Set fso = CreateObject("Scripting.FileSystemObject")
Set out = fso.CreateTextFile(WScript.Arguments(0), True, True)

Sub Mostra(texto)
    out.WriteLine texto
End Sub

Sub Erro(acao)
    Mostra "  " & acao & ": erro " & Hex(Err.Number) & " [" & Err.Description & "]"
    Err.Clear
End Sub

Sub MostraMunicipio(m)
    Mostra "  " & m.Nome & "/" & m.UF & " fiscal=" & m.CodigoFiscal & " IBGE=" & m.CodigoIBGE & " posição=" & m.Posicao
End Sub

Set raiz = CreateObject("ZidizUvi.QV_Inicializa")
r = -7
raiz.Inicializa "DEMO", "ADMIN", "admin123", r
Mostra "login: resultado=" & r

Set municipios = CreateObject("ZidizUvi.QVDF_Municipios.1")
On Error Resume Next
n = municipios.Busca("")
Erro "Busca sem Inicializa"
On Error GoTo 0
municipios.Inicializa raiz
Mostra "todos: " & CLng(municipios.Busca(""))
Mostra "sp: " & CLng(municipios.Busca("sp"))
n = municipios.Busca("SP")
Mostra "SP: " & CLng(n)
Set m = municipios.Proximo()
Do While Not m Is Nothing
    MostraMunicipio m
    Set m = municipios.Proximo()
Loop
Mostra "Existe(330455):"
MostraMunicipio municipios.Existe(330455)
Mostra "Existe(1): " & TypeName(municipios.Existe(1))
Mostra "Le(5):"
MostraMunicipio municipios.Le(5)
Mostra "Le(0): " & TypeName(municipios.Le(0))
On Error Resume Next
Set m = municipios.Le(999)
Erro "Le(999)"
On Error GoTo 0

Set m = CreateObject("ZidizUvi.Municipio.1")
m.Nome = "Novo"
m.CodigoFiscal = 12
Mostra "Municipio novo: " & m.Nome & " fiscal=" & m.CodigoFiscal & " posição=" & m.Posicao

Set lista = raiz.TW_DF_ListaMunicipios()
Mostra "GetMunicipio antes de carregar: " & lista.GetMunicipio("355030")
lista.SetUf "SP"
n = CLng(lista.BuscaPonteiros())
Mostra "ListaMunicipios SP: " & n
For i = 0 To n - 1
    lista.LePosicao i
    Mostra "  " & i & ": " & lista.GetNome() & "/" & lista.GetUf() & " " & lista.GetCodigo()
Next
achou = lista.GetMunicipio("354850")
Mostra "GetMunicipio(354850): " & achou & " -> " & lista.GetNome()
achou = lista.GetMunicipio("330455")
Mostra "GetMunicipio(330455): " & achou & " -> " & lista.GetNome()
On Error Resume Next
lista.LePosicao n
Erro "LePosicao(" & n & ")"
On Error GoTo 0
lista.SetUf "RJ"
Mostra "ListaMunicipios RJ: " & CLng(lista.BuscaPonteiros())
Mostra "FIM"
out.Close

' The registered branch list (ZidizUvi.Filiais) and its branches (ZidizUvi.Filial) as an older
' web page uses them: initialised from a root object, the user's active branches walked with
' Proxima, every branch, the main branch of position 0, a look-up by code, and the Active
' property, which only a user with every right may change.
Option Explicit
Dim fso, out, raiz, filiais, filial, outra, resultado, n

Set fso = CreateObject("Scripting.FileSystemObject")
Set out = fso.CreateTextFile(WScript.Arguments(0), True, True)

Function Descreve(f)
    If f Is Nothing Then
        Descreve = "Nothing"
    Else
        Descreve = CLng(f.Codigo) & " | " & f.Nome & " | posição " & f.Posicao & " | ativa " & f.Active
    End If
End Function

Sub Percorre(titulo)
    Dim f
    out.WriteLine titulo & " " & n
    Set f = filiais.Proxima()
    Do While Not f Is Nothing
        out.WriteLine "  " & Descreve(f)
        Set f = filiais.Proxima()
    Loop
    out.WriteLine "  depois do fim: " & Descreve(filiais.Proxima())
End Sub

Sub MudaAtiva(f, valor)
    On Error Resume Next
    f.Active = valor
    If Err.Number = 0 Then
        out.WriteLine "Active = " & valor & ": ok, agora " & f.Active
    Else
        out.WriteLine "Active = " & valor & ": erro " & Hex(Err.Number) & " [" & Err.Description & "]"
    End If
    On Error GoTo 0
End Sub

Set raiz = CreateObject("ZidizUvi.QV_Inicializa")
resultado = -1
raiz.Inicializa "DEMO", "ADMIN", "admin123", resultado
out.WriteLine "Login ADMIN: " & resultado

Set filiais = CreateObject("ZidizUvi.Filiais")
out.WriteLine "Objeto: " & TypeName(filiais)
filiais.Inicializa raiz
out.WriteLine "Ativas: " & filiais.QtdFiliaisAtivas
n = filiais.BuscaAtivas()
Percorre "BuscaAtivas:"
n = filiais.BuscaTodas()
Percorre "BuscaTodas:"
out.WriteLine "Le(0): " & Descreve(filiais.Le(0))
out.WriteLine "Existe(""2""): " & Descreve(filiais.Existe("2"))
out.WriteLine "Existe(""77""): " & Descreve(filiais.Existe("77"))
On Error Resume Next
Set filial = filiais.Le(1000)
out.WriteLine "Le(1000): erro " & Hex(Err.Number) & " [" & Err.Description & "]"
On Error GoTo 0

Set filial = filiais.Le(2)
Set filiais = Nothing
MudaAtiva filial, False
MudaAtiva filial, True
MudaAtiva filiais_principal(), True

Set raiz = CreateObject("ZidizUvi.QV_Inicializa")
raiz.Inicializa "DEMO", "REGIONAL", "regional1", resultado
out.WriteLine "Login REGIONAL: " & resultado
Set filiais = CreateObject("ZidizUvi.Filiais")
filiais.Inicializa raiz
Set filial = filiais.Le(1)
out.WriteLine Descreve(filial)
MudaAtiva filial, False
out.WriteLine "Depois: " & Descreve(filiais.Le(1))

Set outra = CreateObject("ZidizUvi.Filial")
out.WriteLine "Objeto: " & TypeName(outra)
outra.Codigo = 9
outra.Nome = "Avulsa"
out.WriteLine Descreve(outra)
MudaAtiva outra, True
out.WriteLine "FIM"
out.Close

Function filiais_principal()
    Dim lista
    Set lista = CreateObject("ZidizUvi.Filiais")
    lista.Inicializa raiz
    Set filiais_principal = lista.Le(0)
End Function

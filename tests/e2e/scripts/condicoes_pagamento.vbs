' The payment-condition list (ZidizUvi.CondicoesPagamento) as an older web page uses it: a list
' used before its initialisation, the conditions of every module and of the sales module, a
' condition by position and by validity date, one read from the server, and a second list
' initialised with company, user and session, which logs nobody in.
Option Explicit
Dim fso, out, raiz, lista, outra, c, n, i, resultado

Set fso = CreateObject("Scripting.FileSystemObject")
Set out = fso.CreateTextFile(WScript.Arguments(0), True, True)

Function Descreve(cond)
    If cond Is Nothing Then
        Descreve = "Nothing"
    Else
        Descreve = cond.Codigo & " | " & cond.Nome & " | posição " & cond.Posicao & " | compras " & cond.ComprasPodeUsar
    End If
End Function

Sub Conta(titulo, l)
    On Error Resume Next
    n = l.BuscaPonteiros()
    If Err.Number = 0 Then
        out.WriteLine titulo & ": " & n
    Else
        out.WriteLine titulo & ": erro " & Hex(Err.Number) & " [" & Err.Description & "] fonte " & Err.Source
    End If
    On Error GoTo 0
End Sub

Set raiz = CreateObject("ZidizUvi.QV_Inicializa")
resultado = -1
raiz.Inicializa "DEMO", "ADMIN", "admin123", resultado
out.WriteLine "Login ADMIN: " & resultado

Set lista = CreateObject("ZidizUvi.CondicoesPagamento")
out.WriteLine "Objeto: " & TypeName(lista)
Conta "Antes de Inicializa", lista
lista.Inicializa raiz
Conta "BuscaPonteiros", lista
For i = 0 To n
    out.WriteLine "  " & i & ": " & Descreve(lista.BuscaPosicao(i))
Next
out.WriteLine "BuscaPonteiros2(FT): " & lista.BuscaPonteiros2("FT")
out.WriteLine "BuscaPonteiros2(ZZ): " & lista.BuscaPonteiros2("ZZ")
out.WriteLine "PelaData(5, 30/12/2025): " & Descreve(lista.BuscaPosicaoPelaData("30/12/2025", 5))
out.WriteLine "PelaData(5, 31/12/2025): " & Descreve(lista.BuscaPosicaoPelaData("31/12/2025", 5))
out.WriteLine "PelaData(0, 31/12/2025): " & Descreve(lista.BuscaPosicaoPelaData("31/12/2025", 0))
out.WriteLine "Le(2): " & Descreve(lista.Le(2))
On Error Resume Next
Set c = lista.Le(99)
out.WriteLine "Le(99): erro " & Hex(Err.Number) & " [" & Err.Description & "]"
Err.Clear
Set c = lista.BuscaPosicao(-1)
out.WriteLine "BuscaPosicao(-1): erro " & Hex(Err.Number)
On Error GoTo 0

Set outra = CreateObject("ZidizUvi.CondicoesPagamento.1")
outra.Inicializa2 raiz.m_sEmpresa, raiz.m_iUsuario, raiz.m_lNumeroSessao
Conta "Inicializa2 e BuscaPonteiros", outra
out.WriteLine "A raiz continua: " & raiz.m_sEmpresa & " " & raiz.m_iUsuario
out.WriteLine "FIM"

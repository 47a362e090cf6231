' The operation natures as a web page lists them: ZidizUvi.QVDFNatureza initialised from the
' logged-in root object, its filters, the natures in code order with the CFOP mask, the reads by
' server position, the look-up by code and the numbered messages of its failures.
Option Explicit
Dim fso, out, raiz, nat, resultado, i, n
Set fso = CreateObject("Scripting.FileSystemObject")
Set out = fso.CreateTextFile(WScript.Arguments(0), True, True)

Function Visivel(texto)
    Visivel = Replace(Replace(texto, vbTab, "<TAB>"), vbLf, "<LF>")
End Function

Sub Lista(caso, modulo)
    nat.Inicializa raiz, modulo
    n = CLng(nat.m_iQuantidade)
    out.WriteLine caso & ": " & n & " naturezas"
    For i = 0 To n - 1
        out.WriteLine "  " & i & ": " & nat.m_scodigo(i) & " - " & nat.m_sNome(i) & " (filial " & nat.m_Filial(i) & ")"
    Next
End Sub

Sub Falha(caso, posicao)
    On Error Resume Next
    Dim texto
    texto = nat.m_scodigo(posicao)
    out.WriteLine caso & ": erro " & Hex(Err.Number) & " [" & Visivel(Err.Description) & "] origem do worker: " & _
                  (Left(Err.Source, 33) = "Arquivo= CDFNatureza.cpp  linha= ")
    On Error GoTo 0
End Sub

Sub FalhaLeitura(posicao)
    On Error Resume Next
    Dim texto
    texto = nat.LeCodigo(posicao)
    out.WriteLine "LeCodigo(" & posicao & "): erro " & Hex(Err.Number) & " [" & Err.Description & "]"
    On Error GoTo 0
End Sub

Set raiz = CreateObject("ZidizUvi.QV_Inicializa")
Set nat = CreateObject("ZidizUvi.QVDFNatureza")
out.WriteLine "Objeto: " & TypeName(nat)
out.WriteLine "Filtros novos: filial " & nat.m_iFilial & ", tipo " & nat.m_iTipoNatureza & ", módulo " & nat.m_iModulo

On Error Resume Next
nat.Inicializa raiz, 3
out.WriteLine "Antes do login: erro " & Hex(Err.Number) & " [" & Visivel(Err.Description) & "]"
On Error GoTo 0

resultado = -1
raiz.Inicializa "DEMO", "ADMIN", "admin123", resultado
out.WriteLine "Login: " & resultado

Lista "Produtos, todas as filiais", 3
Falha "Posição -1", -1
Falha "Posição " & n, n

nat.m_iTipoNatureza = 1
Lista "Entradas", 3
nat.m_iTipoNatureza = 0
nat.m_iFilial = 1
nat.SetStatusTipoServico
Lista "Serviços da filial 1", 13

nat.m_iTipoNatureza = 200
nat.m_iModulo = 300
out.WriteLine "Tipo 200 lido: " & nat.m_iTipoNatureza & "; módulo 300 lido: " & nat.m_iModulo

out.WriteLine "LeCodigo(6): " & nat.LeCodigo(6) & " - " & nat.LeNome(6)
out.WriteLine "Integra o financeiro: 1 " & nat.TemIntegracaoFinanceiro(1) & ", 7 " & nat.TemIntegracaoFinanceiro(7) & _
              " (CLng " & CLng(nat.TemIntegracaoFinanceiro(1)) & ")"
FalhaLeitura 10
FalhaLeitura 99
out.WriteLine "Existe 5.102: " & CLng(nat.Existe("5.102")) & "; 5102: " & CLng(nat.Existe("5102")) & _
              "; 9999: " & CLng(nat.Existe("9999"))
out.WriteLine "FIM"
out.Close

' The services a web page lists: the root's list object (TW_DF_Servicos) with the deleted position
' skipped, sorted by code, with unit, price, decimals and time format; a service found by code.
Option Explicit
Dim fso, out, raiz, lista, resultado, i, n
Set fso = CreateObject("Scripting.FileSystemObject")
Set out = fso.CreateTextFile(WScript.Arguments(0), True, True)

Set raiz = CreateObject("ZidizUvi.QV_Inicializa")
resultado = -1
raiz.Inicializa "DEMO", "ADMIN", "admin123", resultado
out.WriteLine "Login: " & resultado

Set lista = raiz.TW_DF_Servicos()
out.WriteLine "Objeto: " & TypeName(lista)
lista.SetTabPrecos 1
n = CLng(lista.BuscaPonteiros())
out.WriteLine "Serviços: " & n
lista.SetOrdenacao 0
For i = 0 To n - 1
    lista.LePosicao i
    out.WriteLine "  " & lista.GetCodigo() & " | " & lista.GetNome() & " | " & lista.GetClassificacao() & " | " & _
                  lista.GetUnidade() & " | " & lista.GetPrecoVenda() & " | casas " & lista.GetQtdeCasasDecimais() & _
                  " | horário " & lista.PossuiFormatoHorario()
Next
out.WriteLine "Serviço 20: " & lista.GetServico("20") & " " & lista.GetNome()
out.WriteLine "Serviço 99: " & lista.GetServico("99") & " " & lista.GetNome()
On Error Resume Next
lista.LePosicao 4
out.WriteLine "LePosicao 4: " & Hex(Err.Number)
On Error GoTo 0
out.WriteLine "FIM"
out.Close

' The commercial operations open to the web (TW_DF_OperacoesComerciais), as an order page reads
' them: the list, the look-up by code, and the CFOP and ICMS an operation suggests for a branch
' and a customer; an unknown branch fails with its text.
Option Explicit
Dim fso, out, raiz, ops, resultado, i, n, existe
Set fso = CreateObject("Scripting.FileSystemObject")
Set out = fso.CreateTextFile(WScript.Arguments(0), True, True)

Sub Sugestao(op, filial, cliente)
    ops.SetOpComercial op
    ops.SetFilial filial
    ops.SetCliente cliente
    out.WriteLine "Operação " & op & ", filial " & filial & ", cliente " & cliente & ": CFOP " & _
                  CLng(ops.GetCfopSugerida()) & ", ICMS " & ops.GetIcmsSugerido()
End Sub

Set raiz = CreateObject("ZidizUvi.QV_Inicializa")
resultado = -1
raiz.Inicializa "DEMO", "ADMIN", "admin123", resultado
out.WriteLine "Login: " & resultado

Set ops = raiz.TW_DF_OperacoesComerciais()
out.WriteLine "Objeto: " & TypeName(ops)
n = CLng(ops.BuscaPonteiros())
out.WriteLine "Operações: " & n
For i = 0 To n - 1
    ops.LePosicao i
    out.WriteLine "  " & ops.GetCodigo() & " | " & ops.GetDescricao()
Next
existe = ops.LeCodigo("BONIF")
out.WriteLine "LeCodigo BONIF: " & existe & " " & ops.GetDescricao()
existe = ops.LeCodigo("TRANSF")
out.WriteLine "LeCodigo TRANSF: " & existe & " " & ops.GetDescricao()
out.WriteLine "Existe TRANSF: " & CLng(ops.Existe("TRANSF"))
Sugestao 1, 1, "C001"
Sugestao 1, 1, "C002"
Sugestao 1, 1, "C900"
Sugestao 5, 2, "C001"
On Error Resume Next
ops.SetFilial 9
out.WriteLine "Filial 9: erro " & Hex(Err.Number) & " [" & Err.Description & "]"
Err.Clear
ops.SetCliente "C999"
out.WriteLine "Cliente C999: erro " & Hex(Err.Number) & " [" & Err.Description & "]"
On Error GoTo 0
out.WriteLine "FIM"
out.Close

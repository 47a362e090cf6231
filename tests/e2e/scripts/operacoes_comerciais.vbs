' The commercial operations of the older pages (FT_OperacoesComerciais): every sale operation with
' its web mark, by count index and by server position, and the suggestion for the filters; an
' index outside the count is refused.
Option Explicit
Dim fso, out, raiz, ops, resultado, i, n
Set fso = CreateObject("Scripting.FileSystemObject")
Set out = fso.CreateTextFile(WScript.Arguments(0), True, True)

Set raiz = CreateObject("ZidizUvi.QV_Inicializa")
resultado = -1
raiz.Inicializa "DEMO", "ADMIN", "admin123", resultado
out.WriteLine "Login: " & resultado

Set ops = raiz.FT_OperacoesComerciais()
out.WriteLine "Objeto: " & TypeName(ops)
n = CLng(ops.Quantidade())
out.WriteLine "Operações: " & n
For i = 0 To n - 1
    out.WriteLine "  " & ops.LeCodigo(i) & " | " & ops.LeDescricao(i) & " | fora da web " & ops.LeIndisponivelWeb(i)
Next
out.WriteLine "Posição 6: " & ops.LeCodigoPtr(6) & " | " & ops.LeNome(6) & " | fora da web " & ops.LeIndisponivelWebPtr(6)
out.WriteLine "Existe COMPRA: " & CLng(ops.Existe("COMPRA"))
ops.SetOpComercial 1
ops.SetFilial 2
ops.SetCliente "C001"
out.WriteLine "Venda da filial 2 ao cliente C001: CFOP " & CLng(ops.GetCfopSugerida()) & ", ICMS " & ops.GetIcmsSugerido()
On Error Resume Next
out.WriteLine "Índice " & n & ": " & ops.LeCodigo(n)
out.WriteLine "Índice " & n & ": erro " & Hex(Err.Number)
On Error GoTo 0
out.WriteLine "FIM"
out.Close

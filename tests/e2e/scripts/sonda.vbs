' The server's COM plumbing as a script client sees it: both error roads, by-reference
' arguments and accented texts. Writes its findings to a UTF-16 file (argument 1).
Option Explicit
Dim fso, out, s, n, texto, c, t, fonte
Set fso = CreateObject("Scripting.FileSystemObject")
Set out = fso.CreateTextFile(WScript.Arguments(0), True, True)
Set s = CreateObject("ZidizUviTeste.Sonda")

On Error Resume Next
s.Falha &H800706BA, "Erro ao gravar Pedido."
out.WriteLine "Falha servidor: " & Hex(Err.Number) & " | " & Err.Source & " | " & Err.Description
Err.Clear
s.Falha 0, "Tipo de relatório inválido."
out.WriteLine "Falha sem HRESULT: " & Hex(Err.Number) & " | " & Err.Source & " | " & Err.Description
Err.Clear
s.FalhaNumerada 28, "Componente não inicializado !"
fonte = Err.Source
out.WriteLine "Mensagem numerada: " & Hex(Err.Number) & " | " & Err.Description
out.WriteLine "Local: " & Left(fonte, InStr(fonte, "linha=") + 5) & " data=" & (InStr(fonte, "  data=") > 0)
Err.Clear
s.Vazio
out.WriteLine "Vazio: " & Err.Number
On Error GoTo 0

n = 21
s.Dobra n
out.WriteLine "Dobra: " & n & " " & TypeName(n)
texto = "Ana"
s.Saudacao texto
out.WriteLine "Saudacao: " & texto
s.Conta c, t
out.WriteLine "Conta: " & c & " " & t
out.WriteLine "Acentos: " & s.Acentos
out.WriteLine "FIM"
out.Close

' The chart reports through real COM: the company chart as report text ("qvr"), whole and from a
' title account, the managerial chart from one of its title accounts, the refusals, and a PDF.
Option Explicit
Dim fso, out, raiz, rel, r
Set fso = CreateObject("Scripting.FileSystemObject")
Set out = fso.CreateTextFile(WScript.Arguments(0), True, True)
Set raiz = CreateObject("ZidizUvi.QV_Inicializa")
raiz.Inicializa "DEMO", "ADMIN", "admin123", r
out.WriteLine "login: " & r

Sub Erro(titulo)
    out.WriteLine titulo & ": erro " & Hex(Err.Number) & " | " & Err.Description
    Err.Clear
End Sub

' The report text as the client receives it, lines and all.
Sub Gera(titulo)
    Dim texto
    On Error Resume Next
    texto = rel.GeraRelatorio()
    If Err.Number <> 0 Then
        Erro titulo
    Else
        out.WriteLine titulo & ": " & Len(texto) & " caracteres"
        out.Write texto
    End If
    On Error GoTo 0
End Sub

' A PDF arrives as a text whose bytes are the file's. It is written beside the output as a UTF-16
' file, whose bytes after the byte-order mark are the text's; the check reads it back.
Sub GeraPdf(titulo)
    Dim pdf, arquivo
    On Error Resume Next
    pdf = rel.GeraRelatorio()
    If Err.Number <> 0 Then
        Erro titulo
    Else
        On Error GoTo 0
        out.WriteLine titulo & ": " & TypeName(pdf) & ", mais de 1000 bytes: " & (Len(pdf) * 2 > 1000)
        Set arquivo = fso.CreateTextFile(fso.GetParentFolderName(WScript.Arguments(0)) & "\relatorio.pdf", True, True)
        arquivo.Write pdf
        arquivo.Close
    End If
    On Error GoTo 0
End Sub

Set rel = raiz.TW_DF_RelatorioPlanoContabil()
out.WriteLine "TW_DF_RelatorioPlanoContabil: " & TypeName(rel)
rel.SetConta "A CONTA NÃO IMPORTA"
Gera "sem tipo"
On Error Resume Next
rel.SetTipo "txt"
Erro "tipo txt"
On Error GoTo 0
rel.SetModelo "Plano de contas"
rel.SetTipo "Qvr"
rel.SetConta ""
Gera "plano inteiro"
rel.SetConta "5"
Gera "a partir da conta título 5"
rel.SetConta "C001"
Gera "conta analítica C001"
rel.SetConta "NAOEXISTE"
Gera "conta inexistente"

Set rel = raiz.TW_DF_RelatorioPlanoGerencial()
out.WriteLine "TW_DF_RelatorioPlanoGerencial: " & TypeName(rel)
rel.SetTipo "qvr"
rel.SetConta "23"
Gera "gerencial a partir da conta título 23"

' The PDF of the whole chart, printed by the installation's PDF printer and report viewer.
Set rel = raiz.TW_DF_RelatorioPlanoContabil()
rel.SetTipo "pdf"
GeraPdf "pdf"

raiz.Finaliza
out.WriteLine "FIM"
out.Close

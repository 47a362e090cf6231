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

' A PDF arrives as a text whose bytes are the file's: its first five bytes say "%PDF-".
Sub GeraPdf(titulo)
    Dim pdf, i, cabecalho
    On Error Resume Next
    pdf = rel.GeraRelatorio()
    If Err.Number <> 0 Then
        Erro titulo
    Else
        cabecalho = ""
        For i = 1 To 5
            cabecalho = cabecalho & Chr(AscB(MidB(pdf, i, 1)))
        Next
        out.WriteLine titulo & ": " & cabecalho & " bytes>1000=" & (LenB(pdf) > 1000)
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

' A PDF needs the PDF printer and the report viewer launcher of the installation; without them
' the request fails with a clear text (once both are installed, the expected line is
' "pdf: %PDF- bytes>1000=True").
Set rel = raiz.TW_DF_RelatorioPlanoContabil()
rel.SetTipo "pdf"
GeraPdf "pdf"

raiz.Finaliza
out.WriteLine "FIM"
out.Close

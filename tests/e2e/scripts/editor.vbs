' The editor's files as a web page lists them: ZidizUvi.QVcEditor initialised from the logged-in
' root object, its list of report layouts and formula screens, positions outside the list, and
' the numbered messages of its failures (a script sees 0x800A0057 as error 87, Hex 57).
Option Explicit
Dim fso, out, raiz, editor, resultado, i, n
Set fso = CreateObject("Scripting.FileSystemObject")
Set out = fso.CreateTextFile(WScript.Arguments(0), True, True)

Function Visivel(texto)
    Visivel = Replace(Replace(texto, vbTab, "<TAB>"), vbLf, "<LF>")
End Function

Sub Lista(modulo, extensao)
    editor.Inicializa raiz, modulo, extensao
    n = editor.GetQuantidade()
    out.WriteLine modulo & " " & extensao & ": " & n & " arquivos"
    For i = 0 To n - 1
        out.WriteLine "  " & i & ": " & editor.GetNomeArquivo(i) & " - " & editor.GetDescricao(i)
    Next
End Sub

Sub Falha(caso, modulo, extensao)
    On Error Resume Next
    editor.Inicializa raiz, modulo, extensao
    out.WriteLine caso & ": erro " & Hex(Err.Number) & " [" & Visivel(Err.Description) & "] origem do worker: " & _
                  (Left(Err.Source, 34) = "Arquivo= CDFQVcEditor.cpp  linha= ")
    On Error GoTo 0
End Sub

Set raiz = CreateObject("ZidizUvi.QV_Inicializa")
Set editor = CreateObject("ZidizUvi.QVcEditor")
out.WriteLine "Objeto: " & TypeName(editor)
Falha "Antes do login", "CN", "REL"

resultado = -1
raiz.Inicializa "DEMO", "ADMIN", "admin123", resultado
out.WriteLine "Login: " & resultado

Lista "CN", "REL"
out.WriteLine "Posição -1: [" & editor.GetNomeArquivo(-1) & "] posição " & n & ": [" & editor.GetNomeArquivo(n) & _
              "] descrição " & n & ": [" & editor.GetDescricao(n) & "]"
Lista "CN", "for"
Lista "DF", "REL"

Set editor = CreateObject("ZidizUvi.QVcEditor.1")
Lista "CN", "REL"
Falha "Módulo desconhecido", "ZZ", "REL"
out.WriteLine "A lista de antes fica: " & editor.GetQuantidade() & " arquivos"
Falha "Extensão com curinga", "CN", "*"
out.WriteLine "Depois da falha ao carregar: " & editor.GetQuantidade() & " arquivos"
out.WriteLine "FIM"
out.Close

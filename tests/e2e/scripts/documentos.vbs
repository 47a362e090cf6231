' The document types as a web page reads them: ZidizUvi.QVDFCadDocto initialised from the
' logged-in root object, read by position, the key type that loads nothing, a second
' initialisation, and the index messages (a script sees 0xFFFFFFFF as error -1).
Option Explicit
Dim fso, out, raiz, documentos, resultado, i, n
Set fso = CreateObject("Scripting.FileSystemObject")
Set out = fso.CreateTextFile(WScript.Arguments(0), True, True)

Function Visivel(texto)
    Visivel = Replace(Replace(texto, vbTab, "<TAB>"), vbLf, "<LF>")
End Function

Sub Fora(pos)
    On Error Resume Next
    Dim v
    v = documentos.m_scodigo(pos)
    out.WriteLine "Código na posição " & pos & ": erro " & Hex(Err.Number) & " [" & Visivel(Err.Description) & "]"
    Err.Clear
    v = documentos.m_sDescricao(pos)
    out.WriteLine "Descrição na posição " & pos & ": erro " & Hex(Err.Number) & " [" & Visivel(Err.Description) & "]"
    Err.Clear
    v = documentos.m_iFilial(pos)
    out.WriteLine "Filial na posição " & pos & ": erro " & Hex(Err.Number) & " [" & Visivel(Err.Description) & "]"
    On Error GoTo 0
End Sub

Set raiz = CreateObject("ZidizUvi.QV_Inicializa")
resultado = -1
raiz.Inicializa "DEMO", "ADMIN", "admin123", resultado
out.WriteLine "Login: " & resultado

Set documentos = CreateObject("ZidizUvi.QVDFCadDocto")
out.WriteLine "Objeto: " & TypeName(documentos)
documentos.Inicializa raiz, 2
out.WriteLine "Tipo de chave 2: " & CLng(documentos.m_iQuantidade) & " documentos"
documentos.Inicializa raiz, 0
n = CLng(documentos.m_iQuantidade)
out.WriteLine "Documentos: " & n
For i = 0 To n - 1
    out.WriteLine "  " & i & ": filial " & CLng(documentos.m_iFilial(i)) & ", " & documentos.m_scodigo(i) & " - " & _
                  documentos.m_sDescricao(i)
Next
documentos.Inicializa raiz, 1
out.WriteLine "Depois de inicializar de novo: " & CLng(documentos.m_iQuantidade) & " documentos"
Fora -1
Fora n
out.WriteLine "FIM"
out.Close

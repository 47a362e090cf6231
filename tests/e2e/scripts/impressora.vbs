' The root object's default-printer check through real COM: the installation writer made the PDF
' printer the default printer of the prefix, and the answer is VARIANT_TRUE (-1), never 1.
Option Explicit
Dim fso, out, raiz
Set fso = CreateObject("Scripting.FileSystemObject")
Set out = fso.CreateTextFile(WScript.Arguments(0), True, True)
Set raiz = CreateObject("ZidizUvi.QV_Inicializa")
out.WriteLine "VerificaImpressoraPadrao: " & CInt(raiz.VerificaImpressoraPadrao())
out.WriteLine "FIM"
out.Close

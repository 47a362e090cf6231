' The root object before any login: its session properties, Finaliza and a factory of a class not built.
Option Explicit
Dim fso, out, raiz
Set fso = CreateObject("Scripting.FileSystemObject")
Set out = fso.CreateTextFile(WScript.Arguments(0), True, True)
Set raiz = CreateObject("ZidizUvi.QV_Inicializa")
out.WriteLine "m_bInicializado=" & raiz.m_bInicializado & " m_iUsuario=" & raiz.m_iUsuario & _
              " m_lNumeroSessao=" & raiz.m_lNumeroSessao
out.WriteLine "m_sEmpresa=[" & raiz.m_sEmpresa & "] m_sRazaoSocial=[" & raiz.m_sRazaoSocial & "]"
raiz.Finaliza
raiz.Finaliza
out.WriteLine "Finaliza duas vezes"
Set raiz = CreateObject("ZidizUvi.QV_Inicializa.1")
out.WriteLine "ProgID com versão: " & TypeName(raiz)
Dim objeto
On Error Resume Next
Set objeto = raiz.TW_CN_RelatorioRazao()
out.WriteLine "TW_CN_RelatorioRazao: " & Hex(Err.Number) & " [" & Err.Description & "] " & TypeName(objeto)
On Error GoTo 0
out.WriteLine "FIM"
out.Close

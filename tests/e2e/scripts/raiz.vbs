' The root object before any login: its session properties and Finaliza.
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
out.WriteLine "FIM"
out.Close

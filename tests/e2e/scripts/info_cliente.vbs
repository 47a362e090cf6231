' The customer information of an order screen through real COM: the root's TW_DF_InfoCliente,
' a customer found by own code and by classification, and codes that find nothing.
Option Explicit
Dim fso, out, raiz, r, info, codigo
Set fso = CreateObject("Scripting.FileSystemObject")
Set out = fso.CreateTextFile(WScript.Arguments(0), True, True)

Sub Mostra(texto)
    out.WriteLine texto
End Sub

Set raiz = CreateObject("ZidizUvi.QV_Inicializa")
r = -7
raiz.Inicializa "DEMO", "ADMIN", "admin123", r
Mostra "login: resultado=" & r

Set info = raiz.TW_DF_InfoCliente()
For Each codigo In Array("C001", "1.002", "C103", "C999", "F001")
    If info.SetDados(codigo) Then
        Mostra codigo & ": " & info.GetNome() & " | " & info.GetEndereco() & " | CEP " & info.GetCEP() & " | " & _
               info.GetMunicipio() & "/" & info.GetUf() & " | transportadora [" & info.GetCodigoTransportadora() & _
               "] | tabela " & info.GetPosicaoTabPrecos() & " cobrança " & info.GetPosicaoTipoCobranca() & _
               " forma " & info.GetPosicaoFormaPagamento() & " condição " & info.GetPosicaoCondicaoPagamento()
    Else
        Mostra codigo & ": não encontrado"
    End If
Next
Mostra "FIM"

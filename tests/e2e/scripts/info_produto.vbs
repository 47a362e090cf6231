' A product's information for a sale through real COM: the root's TW_DF_InfoProduto for demo
' products sold from VAREJO to a customer in SP by the head office, every getter, and what a
' look-up that finds nothing leaves readable.
Option Explicit
Dim fso, out, raiz, r, info
Set fso = CreateObject("Scripting.FileSystemObject")
Set out = fso.CreateTextFile(WScript.Arguments(0), True, True)

Sub Mostra(texto)
    out.WriteLine texto
End Sub

Sub Figuras(titulo)
    Mostra titulo & ": " & info.GetNome() & " | R$ " & info.GetValorUnitario() & " | ICMS " & info.GetAliquotaICMS() & _
           " IPI " & info.GetAliquotaIPI() & " ST " & info.GetAliquotaICMSST() & " | entrega " & info.GetDataEntrega() & _
           " | desconto unitário " & info.GetDescontoUnitario() & " | peso " & info.GetPesoBruto() & "/" & _
           info.GetPesoLiquido() & " | casas " & CLng(info.GetQtdeCasasDecimais()) & " | embalagem " & _
           info.GetQtdeEmbalagem() & " | pallet " & CLng(info.GetQtdePallet()) & " | desconto máximo " & _
           info.GetDescontoMax() & " (" & info.GetDescontoMaxPorcentagem() & "%)"
End Sub

Sub Le(tabela, cliente, filial, produto, grade1, grade2)
    Dim titulo
    titulo = tabela & "/" & cliente & "/" & filial & "/" & produto & " " & grade1 & " " & grade2
    If info.SetDados(tabela, cliente, filial, produto, grade1, grade2, "") Then
        Figuras titulo
    Else
        Mostra titulo & ": não encontrado"
        Figuras "  depois"
    End If
End Sub

Set raiz = CreateObject("ZidizUvi.QV_Inicializa")
r = -7
raiz.Inicializa "DEMO", "ADMIN", "admin123", r
Mostra "login: resultado=" & r

Set info = raiz.TW_DF_InfoProduto()
Mostra "Objeto: " & TypeName(info)
Figuras "vazio"
Le "VAREJO", "C001", "1", "101", "P", "AZ"
Le "VAREJO", "C001", "1", "101", "GG", "PR"
Le "VAREJO", "C001", "1", "101", "XX", ""
Le "VAREJO", "C001", "1", "201", "", ""
Le "VAREJO", "C001", "1", "305", "", ""
Le "VAREJO", "C002", "1", "309", "", ""
Le "NENHUMA", "C001", "1", "101", "", ""
Le "VAREJO", "C999", "1", "101", "", ""
Le "VAREJO", "C001", "9", "101", "", ""
Le "VAREJO", "C001", "1", "999", "", ""
Mostra "FIM"
out.Close

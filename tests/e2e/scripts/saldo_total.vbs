' A product's stock balances through real COM: the root's TW_ES_SaldoTotal over the web shop's
' articles, with the stock kinds, the zero balances, the grid items, the branch and the price
' table chosen; the padded code, a position outside the rows and the unit's decimals.
Option Explicit
Dim fso, out, raiz, r, saldo, n, i
Set fso = CreateObject("Scripting.FileSystemObject")
Set out = fso.CreateTextFile(WScript.Arguments(0), True, True)

Sub Mostra(texto)
    out.WriteLine texto
End Sub

Sub Linhas(titulo)
    n = CLng(saldo.BuscaSaldos())
    Mostra titulo & ": " & n
    For i = 0 To n - 1
        saldo.LePosicao i
        Mostra "  " & saldo.GetCodigo() & " | " & saldo.GetDescricao() & " | " & saldo.GetGrade(0) & "/" & _
               saldo.GetGrade(1) & "/" & saldo.GetGrade(2) & "/" & saldo.GetGrade(3) & " | " & saldo.GetSaldo() & _
               " | " & saldo.GetPreco()
    Next
End Sub

Set raiz = CreateObject("ZidizUvi.QV_Inicializa")
r = 0
raiz.Inicializa "DEMO", "ADMIN", "admin123", r
Mostra "Login: " & r
Set saldo = raiz.TW_ES_SaldoTotal()
Mostra "Objeto: " & TypeName(saldo)
Mostra "Produto 5 (0005): " & saldo.SetProduto("5")
Mostra "Produto 1002: " & saldo.SetProduto("1002")
Mostra "Tabela CATALOGO: " & saldo.SetTabelaPrecos("CATALOGO")
Mostra "Filial 1: " & saldo.SetFilial(1)
Linhas "Nenhum tipo"
saldo.SetTipoLocal True, False, False
Linhas "EP"
saldo.SetMostrarSaldoZero True
Linhas "EP com zeros"
saldo.SetMostrarSaldoZero False
saldo.SetTipoLocal True, True, True
Linhas "ETPE"
saldo.SetTipoLocal True, False, False
Mostra "Grade 1 P: " & saldo.SetGrade(0, "P")
Linhas "EP tamanho P"
Mostra "Produto 1003: " & saldo.SetProduto("1003")
Mostra "Grade 1 sem item (a grade escolhida fica até ser trocada): " & saldo.SetGrade(0, "")
Mostra "Filial 0: " & saldo.SetFilial(0)
saldo.SetTipoLocal True, True, False
Linhas "EP + EPT, todas as filiais"
Mostra "Produto 1001: " & saldo.SetProduto("1001")
saldo.SetTipoLocal True, False, False
Linhas "Caneca"
On Error Resume Next
saldo.LePosicao 7
Mostra "LePosicao 7: " & Hex(Err.Number)
Err.Clear
On Error GoTo 0
Mostra "Depois: " & saldo.GetCodigo() & " " & saldo.GetSaldo()
Mostra "FIM"
out.Close

' The payment documents of a web order page (root factory TW_FT_Documentos): payment forms,
' billing types and valid payment conditions sorted by name, the look-ups by position, the cash
' condition, and a position past a list.
Option Explicit
Dim fso, out, raiz, docs, n, i, resultado

Set fso = CreateObject("Scripting.FileSystemObject")
Set out = fso.CreateTextFile(WScript.Arguments(0), True, True)

Set raiz = CreateObject("ZidizUvi.QV_Inicializa")
resultado = -1
raiz.Inicializa "DEMO", "ADMIN", "admin123", resultado
out.WriteLine "Login ADMIN: " & resultado

Set docs = raiz.TW_FT_Documentos()
out.WriteLine "Objeto: " & TypeName(docs)
out.WriteLine "A vista antes da lista: [" & docs.BuscaCondicaoAVista() & "]"

n = CLng(docs.GetQtdFormaPagamento())
out.WriteLine "Formas de pagamento: " & n
For i = 0 To n - 1
    out.WriteLine "  " & docs.GetCodFormaPagamento(i) & " | " & docs.GetNomeFormaPagamento(i)
Next
n = CLng(docs.GetQtdTipoCobranca())
out.WriteLine "Tipos de cobrança: " & n
For i = 0 To n - 1
    out.WriteLine "  " & docs.GetCodTipoCobranca(i) & " | " & docs.GetNomeTipoCobranca(i)
Next
n = CLng(docs.GetQtdCondicaoPagamento())
out.WriteLine "Condições válidas: " & n
For i = 0 To n - 1
    out.WriteLine "  " & docs.GetCodCondicaoPagamento(i) & " | " & docs.GetNomeCondicaoPagamento(i)
Next
out.WriteLine "À vista: [" & docs.BuscaCondicaoAVista() & "]"
out.WriteLine "BuscaFormaPagamento(2): [" & docs.BuscaFormaPagamento(2) & "]"
out.WriteLine "BuscaFormaPagamento(9): [" & docs.BuscaFormaPagamento(9) & "]"
out.WriteLine "BuscaTipoCobranca(3): [" & docs.BuscaTipoCobranca(3) & "]"
out.WriteLine "BuscaCondicaoPagamento(4): [" & docs.BuscaCondicaoPagamento(4) & "]"
On Error Resume Next
out.WriteLine "GetNomeTipoCobranca(3): " & docs.GetNomeTipoCobranca(3)
out.WriteLine "  erro " & Hex(Err.Number) & " [" & Err.Description & "]"
On Error GoTo 0
out.WriteLine "FIM"

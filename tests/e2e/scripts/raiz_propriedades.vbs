' The root object's answers about rights, users, modules and the company, for the demo company's
' administrator (every right) and for its regional representative (a few rights), and a filter
' table. The installation's folder is written as <INSTALACAO>. The list's numbers are unsigned
' 16-bit values, which VBScript takes only through a conversion (CLng) for arithmetic.
Option Explicit
Dim fso, out, raiz, r, instalacao
Set fso = CreateObject("Scripting.FileSystemObject")
Set out = fso.CreateTextFile(WScript.Arguments(0), True, True)

Function Bool(v)
    ' The VARIANT_BOOL itself: -1 for true, never 1.
    Bool = CStr(CInt(v))
End Function

Function Caminho(texto)
    Caminho = Replace(texto, instalacao, "<INSTALACAO>\")
End Function

Sub Erro(acao)
    out.WriteLine "  " & acao & ": erro " & Hex(Err.Number) & " | " & Err.Description
    Err.Clear
End Sub

Sub Acesso(modulo, controle)
    Dim v
    On Error Resume Next
    v = raiz.PossuiAcesso(modulo, controle)
    If Err.Number <> 0 Then
        Erro "PossuiAcesso(" & modulo & ", " & controle & ")"
    Else
        out.WriteLine "  PossuiAcesso(" & modulo & ", " & controle & ")=" & Bool(v) & " " & TypeName(v)
    End If
    On Error GoTo 0
End Sub

Sub Mostra(usuario, senha)
    Dim usuarios, i, u
    Set raiz = CreateObject("ZidizUvi.QV_Inicializa")
    r = -7
    raiz.Inicializa "DEMO", usuario, senha, r
    out.WriteLine usuario & ": resultado=" & r
    Acesso "DF", 58
    Acesso "DF", 60
    Acesso "DF", 60
    Acesso "FT", 1
    Acesso "CN", 999
    Acesso "MODULO", 1
    out.WriteLine "  PosicaoRepresentante=" & raiz.PosicaoRepresentante
    out.WriteLine "  Contabil=" & Bool(raiz.PossuiTavonContabil) & " Gerenciador=" & Bool(raiz.PossuiTavonGerenciador) & _
                  " Financeiro=" & Bool(raiz.PossuiTavonFinanceiro) & " Estoque=" & Bool(raiz.PossuiTavonEstoque) & _
                  " Comercial=" & Bool(raiz.PossuiTavonComercial) & " GED=" & Bool(raiz.PossuiTavonGED)
    out.WriteLine "  GetTimeout=" & raiz.GetTimeout() & " IsDebugDev=" & Bool(raiz.IsDebugDev())
    out.WriteLine "  DiretorioRelatorios=" & Caminho(raiz.DiretorioRelatorios)
    out.WriteLine "  CaminhoLogotipo=" & Caminho(raiz.CaminhoLogotipo)
    out.WriteLine "  HomepageEmpresa=" & raiz.HomepageEmpresa
    out.WriteLine "  Indices=" & raiz.Indices
    For i = 0 To 4
        out.WriteLine "  GetNomeCategoria(" & i & ")=[" & raiz.GetNomeCategoria(i) & "]"
    Next
    Set usuarios = raiz.BuscaUsuarios()
    out.WriteLine "  BuscaUsuarios: " & TypeName(usuarios) & " Size=" & usuarios.Size
    For i = 0 To CLng(usuarios.Size) - 1
        Set u = usuarios.GetItem(i)
        out.WriteLine "    " & TypeName(u) & " " & u.Posicao & " [" & u.Apelido & "]"
    Next
    Set u = usuarios.GetItemByUsu(4)
    out.WriteLine "    GetItemByUsu(4)=" & u.Apelido
    Set u = usuarios.GetItemByUsu(77)
    out.WriteLine "    GetItemByUsu(77) Is Nothing=" & (u Is Nothing)
    On Error Resume Next
    Set u = usuarios.GetItem(CLng(usuarios.Size))
    If Err.Number <> 0 Then Erro "GetItem(Size)"
    On Error GoTo 0
    raiz.Finaliza
    out.WriteLine "  depois de Finaliza: PosicaoRepresentante=" & raiz.PosicaoRepresentante & _
                  " Contabil=" & Bool(raiz.PossuiTavonContabil)
End Sub

Set raiz = CreateObject("ZidizUvi.QV_Inicializa")
instalacao = raiz.DiretorioRelatorios
instalacao = Left(instalacao, Len(instalacao) - Len("Relatorios\"))
out.WriteLine "GetTimeout sem login=" & raiz.GetTimeout()
On Error Resume Next
r = raiz.PossuiAcesso("DF", 58)
If Err.Number <> 0 Then Erro "PossuiAcesso sem login"
On Error GoTo 0

Mostra "ADMIN", "admin123"
Mostra "REGIONAL", "regional1"

' A filter table: keys without regard to case.
Dim filtro, v
Set filtro = CreateObject("ZidizUvi.QVHashTable")
filtro.SetAt "filial", "2"
filtro.SetAt "DataInicial", "01/02/2026"
out.WriteLine "QVHashTable: " & TypeName(filtro) & " FILIAL=" & filtro.GetAt("FILIAL") & _
              " datainicial=" & filtro.GetAt("datainicial")
v = "antes"
v = filtro.GetAt("ausente")
out.WriteLine "  GetAt(ausente)=[" & v & "] " & TypeName(v)
out.WriteLine "  RemoveKey(Filial)=" & filtro.RemoveKey("Filial") & " RemoveKey(filial)=" & filtro.RemoveKey("filial")
Set filtro = CreateObject("ZidizUvi.QVHashTable.1")
out.WriteLine "  ProgID com versão: " & TypeName(filtro)
out.WriteLine "FIM"
out.Close

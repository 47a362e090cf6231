' Visit scheduling through real COM: the regional representative's visits of a week
' (TW_FT_AgendamentosVisitas), each visit's answers (TW_FT_AgendamentoVisita), a visit's results
' saved and read back, an index outside the list, and the earlier schedule (FT_AgendamentoVisitas).
Option Explicit
Dim fso, out, raiz, r, lista, visita, n, i, agenda, hash, ponteiro
Set fso = CreateObject("Scripting.FileSystemObject")
Set out = fso.CreateTextFile(WScript.Arguments(0), True, True)

Sub Mostra(texto)
    out.WriteLine texto
End Sub

Sub MostraVisita(v)
    Mostra "  " & v.GetNrAgendamento() & " | " & v.GetData() & " | cliente " & v.GetCliente() & " | situação " & _
           v.GetSituacaoVisita() & " | venda " & v.GetVendaEfetuada() & " " & v.GetValorVenda() & " | [" & _
           v.GetAtendidoPor() & "] | " & v.GetObservacoesAgendamento() & " | " & v.GetObservacoesVisita() & _
           " | período " & v.GetTipoPeriodo() & " útil " & v.GetConsiderarDiaUtil() & " | reagendada [" & _
           v.GetReagendadaPara() & "] recalcular " & v.GetRecalcularProximosReagendamentos()
End Sub

Set raiz = CreateObject("ZidizUvi.QV_Inicializa")
r = -7
raiz.Inicializa "DEMO", "REGIONAL", "regional1", r
Mostra "login: resultado=" & r

Set lista = raiz.TW_FT_AgendamentosVisitas()
Mostra "objeto: " & TypeName(lista)
Mostra "dia 14/12/2026: " & lista.BuscaQuantidadeAgendamentosVisitas("14/12/2026")
lista.SetIntervalo "14/12/2026", "18/12/2026"
n = CLng(lista.BuscaQuantidadeAgendamentosVisitas("14/12/2026"))
Mostra "semana: " & n
For i = 0 To n - 1
    MostraVisita lista.LeAgendamentoVisita(i)
Next

Set visita = lista.LeAgendamentoVisita(0)
visita.SetSituacaoVisita 1
visita.SetAtendidoPor "Comprador"
visita.SetVendaEfetuada True
visita.SetValorVenda "2.500,5"
visita.SetObsVisita "Pedido de amostras"
visita.SetRecalcularAgendamento False
visita.SetReagendadoPara ""
lista.GravarDadosVisita 0, visita
Mostra "gravada:"
MostraVisita lista.LeAgendamentoVisita(0)

On Error Resume Next
Set visita = lista.LeAgendamentoVisita(n)
Mostra "índice " & n & ": erro " & Hex(Err.Number) & " " & Err.Description
Err.Clear
On Error GoTo 0

Set agenda = raiz.FT_AgendamentoVisitas()
Mostra "agenda: " & TypeName(agenda)
agenda.SetRepresentante 9001
agenda.SetIntervalo "14/12/2026", "18/12/2026"
n = CLng(agenda.GetQtdeAgendamentos("14/12/2026"))
Mostra "agenda: " & n & " visitas, " & agenda.GetQtdeAgendamentosNaoEfetuados() & " não efetuadas"
For i = 0 To n - 1
    ponteiro = agenda.GetPonteiro(i)
    Mostra "  " & ponteiro & ": " & agenda.GetNrAgendamento(ponteiro) & " | " & agenda.GetData(ponteiro) & " | venda " & _
           agenda.GetVendaEfetuada(ponteiro) & " " & agenda.GetValorVenda(ponteiro) & " | recalcular " & _
           agenda.GetRecalcularProximosReagendamentos(ponteiro)
Next
Set hash = CreateObject("ZidizUvi.QVHashTable")
hash.SetAt "SITUACAOVISITA", "0"
hash.SetAt "RECALCULAR", "on"
hash.SetAt "OBSERVACOES", "Voltar na sexta"
Mostra "altera: " & agenda.AlteraAgendamento(2, hash)
Mostra "  2: situação " & agenda.GetSituacaoVisita(2) & " | [" & agenda.GetAtendidoPor(2) & "] | " & _
       agenda.GetObservacoesVisita(2) & " | recalcular " & agenda.GetRecalcularProximosReagendamentos(2) & " | " & _
       agenda.GetData(2)
Mostra "FIM"

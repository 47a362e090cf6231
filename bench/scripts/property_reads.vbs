' Property reads of the root object from a script client, in batches: one line per batch with
' the seconds it took, then the last value read (the harness checks it).
Option Explicit
Dim raiz, batches, per_batch, b, i, started, value
batches = CLng(WScript.Arguments(0))
per_batch = CLng(WScript.Arguments(1))
Set raiz = CreateObject("ZidizUvi.QV_Inicializa")
value = raiz.m_bInicializado   ' warm-up: the first read pays for connecting
For b = 1 To batches
    started = Timer
    For i = 1 To per_batch
        value = raiz.m_bInicializado
    Next
    WScript.Echo "batch " & CStr(Timer - started)
Next
WScript.Echo "value " & CStr(value)

' Creates the root object and lets it go.
Dim raiz
Set raiz = CreateObject("ZidizUvi.QV_Inicializa")
Set raiz = Nothing

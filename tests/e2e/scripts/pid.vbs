' Prints the process id of the test server, then releases every object.
Dim s
Set s = CreateObject("ZidizUviTeste.Sonda")
WScript.Echo s.Pid
Set s = Nothing

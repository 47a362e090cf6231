// A JScript client: activation, an error with its number and description, accented text.
var fso = new ActiveXObject("Scripting.FileSystemObject");
var out = fso.CreateTextFile(WScript.Arguments(0), true, true);
var s = new ActiveXObject("ZidizUviTeste.Sonda");
try {
    s.Falha(0x800706BA | 0, "Erro ao gravar Pedido.");
    out.WriteLine("sem erro");
} catch (e) {
    out.WriteLine("Falha servidor: " + (e.number >>> 0).toString(16).toUpperCase() + " | " + e.description);
}
out.WriteLine("Acentos: " + s.Acentos());
var raiz = new ActiveXObject("ZidizUvi.QV_Inicializa");
out.WriteLine("Raiz: m_bInicializado=" + raiz.m_bInicializado + " m_sEmpresa=[" + raiz.m_sEmpresa + "]");
out.WriteLine("FIM");
out.Close();

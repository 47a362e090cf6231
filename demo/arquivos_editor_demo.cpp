#include "demo/arquivos_editor_demo.h"

#include "platform/inhouse/editor/arquivos_editor.h"

namespace {

struct arquivo_demo {
    const char* modulo;
    const char* nome;
    const char* descricao;
    const char* conteudo;   // CR LF lines, as the editor writes them
};

constexpr arquivo_demo arquivos[] = {
    {"CN", "BALANCO.REL", "Balanço patrimonial",
     "[Relatorio]\r\n"
     "Titulo=Balanço Patrimonial\r\n"
     "Plano=Contabil\r\n"
     "[Colunas]\r\n"
     "Classificacao=1;12\r\n"
     "Nome=14;50\r\n"
     "Saldo=66;18\r\n"
     "[Grupos]\r\n"
     "Ativo=1\r\n"
     "Passivo=2\r\n"
     "PatrimonioLiquido=2.3\r\n"},
    {"CN", "DRE.REL", "Demonstração do resultado do exercício",
     "[Relatorio]\r\n"
     "Titulo=Demonstração do Resultado do Exercício\r\n"
     "Plano=Contabil\r\n"
     "[Linhas]\r\n"
     "Receita bruta=3.1\r\n"
     "(-) Custos=4.1\r\n"
     "(-) Despesas=4.2\r\n"
     "Resultado=3.1-4.1-4.2\r\n"},
    {"CN", "BALANCETE.REL", "Balancete de verificação",
     "[Relatorio]\r\n"
     "Titulo=Balancete de Verificação\r\n"
     "Plano=Contabil\r\n"
     "[Colunas]\r\n"
     "Classificacao=1;12\r\n"
     "Nome=14;40\r\n"
     "SaldoAnterior=56;16\r\n"
     "Debitos=74;16\r\n"
     "Creditos=92;16\r\n"
     "SaldoAtual=110;16"},    // the editor leaves the last line without terminator
    {"CN", "GERENCIAL.REL", "Resultado por centro gerencial",
     "[Relatorio]\r\n"
     "Titulo=Resultado Gerencial\r\n"
     "Plano=Gerencial\r\n"},
    {"CN", "LIQUIDEZ.FOR", "Índices de liquidez",
     "[Tela]\r\n"
     "Titulo=Índices de Liquidez\r\n"
     "Corrente=SALDO(\"1.1\")/SALDO(\"2.1\")\r\n"
     "Seca=(SALDO(\"1.1\")-SALDO(\"1.1.04\"))/SALDO(\"2.1\")\r\n"},
    {"CN", "MARGEM.FOR", "Margem de contribuição",
     "[Tela]\r\n"
     "Titulo=Margem de Contribuição\r\n"
     "Margem=(SALDO(\"3.1\")-SALDO(\"4.1\"))/SALDO(\"3.1\")*100\r\n"},
    {"DF", "ETIQUETA.REL", "Etiqueta de endereçamento de clientes",
     "[Relatorio]\r\n"
     "Titulo=Etiquetas\r\n"
     "Linha1=Nome\r\n"
     "Linha2=Endereco\r\n"
     "Linha3=CEP;Municipio;UF\r\n"},
};

}  // namespace

void grava_arquivos_editor_demo() {
    for (const auto& a : arquivos) inhouse::grava_arquivo_editor("DEMO", a.modulo, a.nome, a.descricao, a.conteudo);
}

#pragma once
// The exit codes of the report viewer program (QVVisualizador.exe), shared by the program and
// by the launcher that runs it and explains each code to the client.
#include <windows.h>

enum class saida_visualizador : DWORD {
    sucesso = 0,
    uso_invalido = 1,           // missing arguments
    acao_desconhecida = 2,      // an action the viewer does not perform
    sem_impressora = 3,         // no printer recorded under "UltImpressora_QVRel"
    impressora_ausente = 4,     // the recorded printer is not installed
    relatorio_ilegivel = 5,     // the report file cannot be read
    falha_pdf = 6,              // the PDF library failed
    falha_gravacao = 7,         // the PDF file cannot be written
};

// The only action the server asks for: print the report file into the PDF file named by the
// action's parameter.
inline constexpr int acao_imprime_pdf = 8;

// The program, found beside the running executable.
inline constexpr wchar_t programa_visualizador[] = L"QVVisualizador.exe";

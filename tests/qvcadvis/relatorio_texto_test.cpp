// The report file as the viewer reads it: marker, line ends, page breaks, tabs and controls.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/inhouse/qvcadvis/visualizador/relatorio_texto.h"

namespace {

using visualizador::le_linhas_relatorio;

struct caso_texto {
    const char* nome;
    std::string arquivo;
    std::vector<std::string> linhas;   // "\f" in front: the line starts a new page
};

const caso_texto casos[] = {
    {"vazio", "", {}},
    {"só o marcador", "*#", {}},
    {"marcador não impresso", "*#Balanço\r\nAtivo\r\n", {"Balanço", "Ativo"}},
    {"marcador só no início", "A*#\r\n*#B\r\n", {"A*#", "*#B"}},
    {"meio marcador fica", "*Ativo", {"*Ativo"}},
    {"última linha sem fim de linha", "Ativo\r\nPassivo", {"Ativo", "Passivo"}},
    {"LF sozinho termina a linha", "Ativo\nPassivo\n", {"Ativo", "Passivo"}},
    {"linhas vazias ficam", "A\r\n\r\n\r\nB\r\n", {"A", "", "", "B"}},
    {"CR sozinho é espaço", "A\rB\r\n", {"A B"}},
    {"tabulação até a coluna 8", "ab\tc\r\n\td\r\n", {"ab      c", "        d"}},
    {"controles viram espaços", std::string("a\x01" "b\x7F" "c\0d", 7), {"a b c d"}},
    {"acentos CP1252 intactos", "Patrimônio Líquido\r\n", {"Patrimônio Líquido"}},
    {"salto de página", "p1\r\n\fp2\r\n", {"p1", "\fp2"}},
    {"salto no meio da linha", "fim\fnova\r\n", {"fim", "\fnova"}},
    {"salto no fim do arquivo", "p1\r\n\f", {"p1", "\f"}},
};

TEST(RelatorioTexto, LeLinhasComoOVisualizadorImprime) {
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        std::vector<std::string> lidas;
        for (const auto& l : le_linhas_relatorio(c.arquivo)) lidas.push_back((l.nova_pagina ? "\f" : "") + l.texto);
        EXPECT_EQ(lidas, c.linhas);
    }
}

}  // namespace

#include "platform/inhouse/qvcadvis/visualizador/relatorio_texto.h"

namespace visualizador {
namespace {

constexpr std::string_view marcador = "*#";
constexpr size_t largura_tabulacao = 8;

}  // namespace

std::vector<linha_relatorio> le_linhas_relatorio(std::string_view bytes) {
    if (bytes.substr(0, marcador.size()) == marcador) bytes.remove_prefix(marcador.size());
    std::vector<linha_relatorio> linhas;
    linha_relatorio atual;
    bool aberta = false;        // the current line has content or a form feed not yet placed
    for (size_t i = 0; i < bytes.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (c == '\n' || (c == '\r' && (i + 1 == bytes.size() || bytes[i + 1] == '\n'))) {
            if (c == '\r') ++i;
            linhas.push_back(std::move(atual));
            atual = {};
            aberta = false;
            continue;
        }
        if (c == '\f') {
            // What came before the form feed on the same line stays on the old page.
            if (!atual.texto.empty()) {
                linhas.push_back(std::move(atual));
                atual = {};
            }
            atual.nova_pagina = true;
            aberta = true;
            continue;
        }
        aberta = true;
        if (c == '\t') {
            atual.texto.append(largura_tabulacao - atual.texto.size() % largura_tabulacao, ' ');
        } else if (c < 0x20 || c == 0x7F) {
            atual.texto.push_back(' ');
        } else {
            atual.texto.push_back(static_cast<char>(c));
        }
    }
    if (aberta) linhas.push_back(std::move(atual));   // a last line without its line end
    return linhas;
}

}  // namespace visualizador

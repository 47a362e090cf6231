#include "platform/inhouse/modelos/pasta_modelos.h"

namespace inhouse {

bool nome_de_arquivo_valido(std::string_view nome, size_t tamanho_maximo) {
    if (nome.empty() || nome.size() > tamanho_maximo || nome == "." || nome == "..") return false;
    for (const char c : nome)
        if (static_cast<unsigned char>(c) < 0x20 || std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos)
            return false;
    // Windows drops trailing dots and blanks: "a." would be the file "a".
    return nome.back() != '.' && nome.back() != ' ';
}

std::string pasta_modelos(const std::string& pasta_relatorios, std::string_view modulo, std::string_view componente) {
    if (pasta_relatorios.empty() || !nome_de_arquivo_valido(modulo, tamanho_maximo_parte_pasta) ||
        !nome_de_arquivo_valido(componente, tamanho_maximo_parte_pasta))
        return {};
    std::string pasta = pasta_relatorios;
    if (pasta.back() != '\\') pasta += '\\';
    return pasta.append("Modelos\\").append(modulo).append("\\").append(componente).append("\\");
}

}  // namespace inhouse

#include "sales/catalogo_html.h"

namespace sales {

void acrescenta_html(std::string& saida, std::string_view texto) {
    for (char c : texto) {
        switch (c) {
        case '&': saida += "&amp;"; break;
        case '<': saida += "&lt;"; break;
        case '>': saida += "&gt;"; break;
        case '"': saida += "&quot;"; break;
        case '\'': saida += "&#39;"; break;
        default: saida += c;
        }
    }
}

void acrescenta_js(std::string& saida, std::string_view texto) {
    static constexpr char hexa[] = "0123456789ABCDEF";
    for (char c : texto) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || c == '\\' || c == '\'' || c == '"' || c == '<' || c == '>' || c == '&') {
            saida += "\\x";
            saida += hexa[u >> 4];
            saida += hexa[u & 0xF];
        } else {
            saida += c;
        }
    }
}

void acrescenta_linha_catalogo(std::string& saida, const linha_catalogo& l) {
    saida += "<tr width='50' class='F4P' onclick=\"RP('";
    acrescenta_js(saida, l.codigo);
    saida += "','";
    acrescenta_js(saida, l.nome);
    saida += "','";
    acrescenta_js(saida, l.preco);
    saida += "')\" onmouseover=\"this.className='F4PH'\" onmouseout=\"this.className='F4P'\"><td align='center'>";
    acrescenta_html(saida, l.codigo);
    saida += "</td><td>";
    acrescenta_html(saida, l.nome);
    saida += "</td><td align='center'>&nbsp;";
    acrescenta_html(saida, l.unidade);
    saida += "</td><td align='right'>";
    acrescenta_html(saida, l.classificacao);
    saida += "</td><td align='right'>R$ ";
    acrescenta_html(saida, l.preco);
    saida += "</td></tr>\n";
}

}  // namespace sales

#pragma once
// The web catalogue's HTML rows: one <tr> per product, whose click runs the page's RP(code,
// name, price). Texts from the register go into the cell text escaped for HTML and into the
// onclick's JavaScript string escaped for JavaScript (which leaves nothing the attribute must
// escape), so a quote, "<" or "&" in a name shows as text and never ends the string, the
// attribute or the element. Texts without such characters come out as they are.
#include <string>
#include <string_view>

namespace sales {

// The text as HTML cell text: & < > " ' as character references.
void acrescenta_html(std::string& saida, std::string_view texto);
// The text inside a single-quoted JavaScript string in a double-quoted attribute: \ ' " < > &
// and control characters as \xNN escapes.
void acrescenta_js(std::string& saida, std::string_view texto);

struct linha_catalogo {
    std::string_view codigo, nome, preco, unidade, classificacao;
};
// Appends one row, ended by a line feed.
void acrescenta_linha_catalogo(std::string& saida, const linha_catalogo& linha);

}  // namespace sales

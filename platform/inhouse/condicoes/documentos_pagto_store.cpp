#include "platform/inhouse/condicoes/documentos_pagto_store.h"

#include <string>

#include "platform/inhouse/core/registros_sessao.h"

namespace inhouse {

namespace {

constexpr const char colunas[] = "SELECT posicao, nome, codigo FROM documento_pagamento WHERE empresa = ? AND tipo = ?";

_REG_DOCUMENTOPS documento_de(sqlite::statement& q) {
    _REG_DOCUMENTOPS r{};
    r.Posicao = static_cast<uint16_t>(q.column_int(0));
    poe_campo(r.Nome, q.column_text(1));
    poe_campo(r.Codigo, q.column_text(2));
    return r;
}

}  // namespace

std::vector<_REG_DOCUMENTOPS> lista_documentos_pagamento(store& data, std::string_view empresa, std::string_view tipo) {
    auto q = data.prepare(std::string(colunas) + " ORDER BY posicao");
    q.bind_text(1, empresa).bind_text(2, tipo);
    std::vector<_REG_DOCUMENTOPS> lista;
    while (q.step()) lista.push_back(documento_de(q));
    return lista;
}

bool le_documento_pagamento(store& data, std::string_view empresa, std::string_view tipo, uint16_t posicao,
                            _REG_DOCUMENTOPS& registro) {
    registro = {};
    auto q = data.prepare(std::string(colunas) + " AND posicao = ?");
    q.bind_text(1, empresa).bind_text(2, tipo).bind(3, static_cast<int>(posicao));
    if (!q.step()) return false;
    registro = documento_de(q);
    return true;
}

bool existe_documento_pagamento(store& data, std::string_view empresa, std::string_view tipo, std::string_view codigo,
                                _REG_DOCUMENTOPS& registro) {
    registro = {};
    auto q = data.prepare(std::string(colunas) + " AND codigo = ? COLLATE NOCASE ORDER BY posicao LIMIT 1");
    q.bind_text(1, empresa).bind_text(2, tipo).bind_text(3, codigo);
    if (codigo.empty() || !q.step()) return false;
    registro = documento_de(q);
    return true;
}

}  // namespace inhouse

#include "sales/mensagem_parcela.h"

#include <iterator>

#include "sales/messages.h"

namespace sales {

const char* mensagem_parcela(int16_t codigo) {
    static constexpr const char* mensagens[] = {
        nullptr,                    msg::valor_total_maior_zero, msg::desconto_invalido, msg::desconto_invalido,
        msg::valor_total_maior_zero, msg::vencimento_repetido,   msg::parcela_maior_venda, msg::restante_insuficiente,
        msg::excluir_parcela,       msg::parcela_maior_zero,     msg::vencimento_invalido, msg::parcela_icms_st,
    };
    if (codigo < 1 || codigo >= static_cast<int16_t>(std::size(mensagens))) return msg::alterar_parcela;
    return mensagens[codigo];
}

}  // namespace sales

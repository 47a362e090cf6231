#pragma once
// The quotation record a supplier answers, as the quotation server hands it over: the 182-byte
// record and every task-memory block behind its wire fields, freed once, by this holder alone.
// The supplier's instalments can be lent from the quotation object's own list (aponta_parcelas):
// that list is never freed here, and the server's block it replaced is freed when replaced.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "inhouse_cotacoes.h"
#include "platform/com/wire_pointer.h"
#include "platform/inhouse/cotacoes/registros_cotacao.h"

namespace sales {

using inhouse::REG_COTACAO;
using inhouse::REG_FORNECEDOR_COTACAO;
using inhouse::REG_ITEM_COTADO;
using inhouse::REG_ITEM_SOLICITADO_COTACAO;
using inhouse::tagREG_COTACAOITEMFATURAPS;

class registro_cotacao {
public:
    registro_cotacao() = default;
    registro_cotacao(const registro_cotacao&) = delete;
    registro_cotacao& operator=(const registro_cotacao&) = delete;
    ~registro_cotacao() { libera(); }

    // Frees what is held, then reads quotation `numero`; the server's HRESULT (an empty record
    // after a failure).
    HRESULT le(IQVCP_CotacaoFornecedor* servidor, uint32_t numero);
    // Frees every block the server allocated, once; the record is empty afterwards.
    void libera() noexcept;

    REG_COTACAO& registro() noexcept { return m_registro; }
    const REG_COTACAO& registro() const noexcept { return m_registro; }
    std::span<REG_FORNECEDOR_COTACAO> fornecedores() const noexcept;
    std::span<REG_ITEM_SOLICITADO_COTACAO> itens() const noexcept;
    std::span<REG_ITEM_COTADO> cotados() const noexcept;

    // Points the supplier entry's instalments at `lista` (which must outlive the lending or be
    // lent again before it moves). The server's own block of that entry is freed the first time.
    void aponta_parcelas(REG_FORNECEDOR_COTACAO& fornecedor, const std::vector<tagREG_COTACAOITEMFATURAPS>& lista);
    // Whether the entry's instalments are the lent list.
    bool parcelas_emprestadas(const REG_FORNECEDOR_COTACAO& fornecedor) const noexcept {
        return m_emprestimo && fornecedor.parcelas == m_emprestimo->field();
    }

    // A text field of a length (with its NUL, 0 for none) and a wire field: a new task-memory text
    // in place of the old one (none for an empty text; com::wire_text reads it). Throws bad_alloc.
    static void troca_texto(uint16_t& tamanho, uint32_t& campo, std::string_view texto);
    // The block behind a wire field freed, the field emptied.
    static void libera_campo(uint32_t& campo) noexcept;

private:
    REG_COTACAO m_registro{};
    // The wire field lent for the quotation object's list (0: none lent).
    std::unique_ptr<com::wire_pointer_loan> m_emprestimo;
};

}  // namespace sales

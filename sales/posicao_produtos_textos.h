#pragma once
// The product position's rules that need no server: how its numbers become texts, how the name
// takes the grid item descriptions, and which storage place holds the largest stock.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace sales {

// An invoice number as "%06d" with a "." before every group of three digits from the right
// (1234 gives "001.234"); a number below 1 gives the empty text.
std::string TextoNumeroNF(int32_t numero);
// The freight payer of an invoice's code: 0 "Emitente", 1 "Destinatário", 2 "Terceiro",
// 9 "Sem Frete"; any other code the empty text.
std::string TextoFrete(uint8_t codigo);
// The decimals of the balances for a unit of measure's decimals code: 0 none, 1 two, 2 four,
// any other two.
int CasasSaldo(uint8_t codigo);
// The decimals of an invoice item's quantity for its code: 0 none, 1 two, any other four.
int CasasQuantidadeNota(uint8_t codigo);

// An 8-decimal value as CURRENCY ticks (4 decimals), rounded half to even as a currency division.
int64_t TicksDe8Casas(int64_t valor8);
// An amount of a whole item per unit of its quantity, in CURRENCY ticks rounded half to even as a
// currency division; nothing for a quantity of 0 (or a result CURRENCY cannot hold).
std::optional<int64_t> ValorPorUnidade(int64_t total, int64_t quantidade);

// Appends grid k's item description (k = 0, 1, 2) to a product name: " - " before the first two
// grids' items, one blank before the third's.
void JuntaItemGrade(std::string& nome, int grade, std::string_view descricao);

// The balance texts of a stock server's 396-byte answer: from offset 10 one 128-byte block per
// stock kind (EP, EPT, ETPE), each with CURRENCY total (0), reserved (8), available (16),
// unavailable (24) and the two parts of the pre-issue balance (48, 56). Only the kinds asked for
// are summed; the texts have `casas` decimals.
struct saldos_texto {
    std::string total, reservado, disponivel, indisponivel, pre_baixa;
};
saldos_texto SomaSaldos(const uint8_t (&resultado)[396], bool ep, bool ept, bool etpe, int casas);

// One storage place's balance of the product.
struct saldo_local {
    uint16_t local = 0;   // the place's pointer
    int64_t saldo = 0;
};
// The place with the largest balance: the first of the largest, unless a later one with the same
// balance is the default place. Nothing when the list is empty or the largest balance is not
// above 0.
std::optional<size_t> EscolheMaiorEstoque(std::span<const saldo_local> saldos, uint16_t local_padrao);

}  // namespace sales

#pragma once
// The records of a purchase quotation answered by suppliers, as the quotation server, the
// quotation object and the purchasing library (cotforn.dll) pass them: packed, little-endian.
// Pointer fields are 32-bit wire fields (platform/com/wire_pointer.h): the address on i686, a
// handle of the server's process-wide table on x86_64. Blocks behind them are task memory. Only
// the fields someone reads or writes are named; the other bytes are carried as they came.
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace inhouse {

#pragma pack(push, 1)

// What the key check answers about an access key (32 bytes).
struct REG_CHAVE_COTACAO {
    char empresa[24];               // +0, the company key, NUL-terminated
    uint32_t fornecedor;            // +24, the supplier's position
    uint32_t cotacao;               // +28, the quotation number: sequence << 12 | month index
};

// A quotation (182 bytes).
struct REG_COTACAO {
    uint8_t reservado0[26];
    uint16_t data;                  // +26, day number
    uint8_t reservado28[10];
    uint16_t limite;                // +38, last day for answers (0: no limit)
    uint8_t reservado40[62];
    uint16_t quantidade_fornecedores;   // +102
    uint32_t fornecedores;          // +104, REG_FORNECEDOR_COTACAO[quantidade_fornecedores]
    uint16_t quantidade_itens;      // +108
    uint32_t itens;                 // +110, REG_ITEM_SOLICITADO_COTACAO[quantidade_itens]
    uint16_t quantidade_cotados;    // +114
    uint32_t cotados;               // +116, REG_ITEM_COTADO[quantidade_cotados]
    uint16_t tamanho_observacao;    // +120, with its NUL (0: none)
    uint32_t observacao;            // +122
    uint16_t tamanho_local_entrega; // +126, with its NUL (0: none)
    uint32_t local_entrega;         // +128
    uint8_t reservado132[50];
};

// One supplier's part of a quotation (126 bytes).
struct REG_FORNECEDOR_COTACAO {
    int64_t frete;                  // +0, CURRENCY
    uint8_t reservado8[8];
    uint32_t fornecedor;            // +16, the supplier's position
    uint8_t reservado20[4];
    uint16_t condicao;              // +24, payment condition
    uint16_t prazo_entrega;         // +26, days
    uint16_t data_entrega;          // +28, day number
    uint8_t reservado30[2];
    uint16_t validade_proposta;     // +32, day number
    uint16_t primeiro_vencimento;   // +34, day number of the plan's first due date
    char simbolo_moeda[20];         // +36, empty: the local currency
    uint8_t tipo_periodo;           // +56, the plan's period type
    uint8_t respondida;             // +57, 1 once the supplier has saved
    uint8_t reservado58[2];
    uint32_t nome;                  // +60, the supplier's name, NUL-terminated
    uint16_t tamanho_observacao;    // +64, with its NUL
    uint32_t observacao;            // +66
    uint16_t quantidade_parcelas;   // +70
    uint32_t parcelas;              // +72, tagREG_COTACAOITEMFATURAPS[quantidade_parcelas]
    uint8_t reservado76[50];
};

// An item asked in the quotation (144 bytes).
struct REG_ITEM_SOLICITADO_COTACAO {
    uint32_t produto;               // +0, product or service position
    uint16_t itens_grade[3];        // +4, +6, +8: positions in the product's grids 1-3 (0: none)
    uint8_t reservado10[40];
    int64_t quantidade;             // +50, CURRENCY
    uint8_t reservado58[12];
    uint16_t unidade;               // +70, unit of measure's position
    uint8_t reservado72[2];
    uint8_t tipo;                   // +74, 'P' product, anything else a service
    uint8_t reservado75[3];
    uint32_t complemento;           // +78, NUL-terminated text
    uint8_t reservado82[2];
    uint32_t dados;                 // +84, a server buffer the object only frees
    uint16_t quantidade_detalhes;   // +88
    uint32_t detalhes;              // +90, REG_DETALHE_ITEM_COTACAO[quantidade_detalhes]
    uint8_t reservado94[50];
};

// A server sub-record of an asked item (598 bytes).
struct REG_DETALHE_ITEM_COTACAO {
    uint8_t reservado0[544];
    uint32_t dados;                 // +544, a server buffer
    uint8_t reservado548[50];
};

// One supplier's answer for one asked item (192 bytes).
struct REG_ITEM_COTADO {
    int64_t preco;                  // +0, unit price, 8 implied decimals
    int64_t desconto;               // +8, unit discount, 8 implied decimals
    uint8_t reservado16[8];
    int64_t total;                  // +24, CURRENCY
    uint8_t reservado32[72];
    int64_t ipi;                    // +104, rate as a CURRENCY
    int64_t icms;                   // +112, rate as a CURRENCY
    uint8_t reservado120[8];
    uint16_t fornecedor;            // +128, index of the supplier entry
    uint16_t item;                  // +130, index of the asked item
    uint8_t reservado132[4];
    uint16_t tamanho_observacao;    // +136, with its NUL (0: none)
    uint32_t observacao;            // +138
    uint8_t reservado142[50];
};

// One instalment of a supplier's plan (52 bytes); the unnamed bytes are the library's.
struct tagREG_COTACAOITEMFATURAPS {
    int64_t valor;                  // +0, CURRENCY
    uint16_t vencimento;            // +8, day number
    uint8_t numero;                 // +10, from 1
    uint8_t tipo_vencimento;        // +11
    uint8_t reservado12[40];
};

// The library's request to change one instalment (32 bytes).
struct REG_ALTERA_PARCELA_COTACAO {
    uint32_t registro;              // +0, a copy of the quotation record
    int32_t fornecedor;             // +4, supplier index
    int32_t parcela;                // +8, instalment index (number - 1)
    int32_t vencimento;             // +12, new due date, day number
    int32_t vencimento_cotacao;     // +16, the quotation's due date, day number
    uint8_t um;                     // +20, always 1
    uint8_t reservado21[3];
    int64_t valor;                  // +24, new value, CURRENCY
};

// Its answer (1,012 bytes).
struct REG_RESPOSTA_ALTERA_PARCELA_COTACAO {
    uint32_t sucesso;               // +0, non-zero: done
    char mensagem[1004];            // +4, why not, NUL-terminated
    uint32_t parcelas;              // +1008, the whole new plan, tagREG_COTACAOITEMFATURAPS[]
};

#pragma pack(pop)

template <class T>
inline constexpr bool registro_fixo = std::is_standard_layout_v<T> && std::is_trivially_copyable_v<T>;

static_assert(registro_fixo<REG_CHAVE_COTACAO> && sizeof(REG_CHAVE_COTACAO) == 32 &&
              offsetof(REG_CHAVE_COTACAO, fornecedor) == 24 && offsetof(REG_CHAVE_COTACAO, cotacao) == 28);
static_assert(registro_fixo<REG_COTACAO> && sizeof(REG_COTACAO) == 182 && offsetof(REG_COTACAO, data) == 26 &&
              offsetof(REG_COTACAO, limite) == 38 && offsetof(REG_COTACAO, quantidade_fornecedores) == 102 &&
              offsetof(REG_COTACAO, fornecedores) == 104 && offsetof(REG_COTACAO, quantidade_itens) == 108 &&
              offsetof(REG_COTACAO, itens) == 110 && offsetof(REG_COTACAO, quantidade_cotados) == 114 &&
              offsetof(REG_COTACAO, cotados) == 116 && offsetof(REG_COTACAO, tamanho_observacao) == 120 &&
              offsetof(REG_COTACAO, observacao) == 122 && offsetof(REG_COTACAO, tamanho_local_entrega) == 126 &&
              offsetof(REG_COTACAO, local_entrega) == 128);
static_assert(registro_fixo<REG_FORNECEDOR_COTACAO> && sizeof(REG_FORNECEDOR_COTACAO) == 126 &&
              offsetof(REG_FORNECEDOR_COTACAO, fornecedor) == 16 && offsetof(REG_FORNECEDOR_COTACAO, condicao) == 24 &&
              offsetof(REG_FORNECEDOR_COTACAO, prazo_entrega) == 26 &&
              offsetof(REG_FORNECEDOR_COTACAO, data_entrega) == 28 &&
              offsetof(REG_FORNECEDOR_COTACAO, validade_proposta) == 32 &&
              offsetof(REG_FORNECEDOR_COTACAO, primeiro_vencimento) == 34 &&
              offsetof(REG_FORNECEDOR_COTACAO, simbolo_moeda) == 36 &&
              offsetof(REG_FORNECEDOR_COTACAO, tipo_periodo) == 56 && offsetof(REG_FORNECEDOR_COTACAO, respondida) == 57 &&
              offsetof(REG_FORNECEDOR_COTACAO, nome) == 60 &&
              offsetof(REG_FORNECEDOR_COTACAO, tamanho_observacao) == 64 &&
              offsetof(REG_FORNECEDOR_COTACAO, observacao) == 66 &&
              offsetof(REG_FORNECEDOR_COTACAO, quantidade_parcelas) == 70 &&
              offsetof(REG_FORNECEDOR_COTACAO, parcelas) == 72);
static_assert(registro_fixo<REG_ITEM_SOLICITADO_COTACAO> && sizeof(REG_ITEM_SOLICITADO_COTACAO) == 144 &&
              offsetof(REG_ITEM_SOLICITADO_COTACAO, itens_grade) == 4 &&
              offsetof(REG_ITEM_SOLICITADO_COTACAO, quantidade) == 50 &&
              offsetof(REG_ITEM_SOLICITADO_COTACAO, unidade) == 70 && offsetof(REG_ITEM_SOLICITADO_COTACAO, tipo) == 74 &&
              offsetof(REG_ITEM_SOLICITADO_COTACAO, complemento) == 78 &&
              offsetof(REG_ITEM_SOLICITADO_COTACAO, dados) == 84 &&
              offsetof(REG_ITEM_SOLICITADO_COTACAO, quantidade_detalhes) == 88 &&
              offsetof(REG_ITEM_SOLICITADO_COTACAO, detalhes) == 90);
static_assert(registro_fixo<REG_DETALHE_ITEM_COTACAO> && sizeof(REG_DETALHE_ITEM_COTACAO) == 598 &&
              offsetof(REG_DETALHE_ITEM_COTACAO, dados) == 544);
static_assert(registro_fixo<REG_ITEM_COTADO> && sizeof(REG_ITEM_COTADO) == 192 && offsetof(REG_ITEM_COTADO, desconto) == 8 &&
              offsetof(REG_ITEM_COTADO, total) == 24 && offsetof(REG_ITEM_COTADO, ipi) == 104 &&
              offsetof(REG_ITEM_COTADO, icms) == 112 && offsetof(REG_ITEM_COTADO, fornecedor) == 128 &&
              offsetof(REG_ITEM_COTADO, item) == 130 && offsetof(REG_ITEM_COTADO, tamanho_observacao) == 136 &&
              offsetof(REG_ITEM_COTADO, observacao) == 138);
static_assert(registro_fixo<tagREG_COTACAOITEMFATURAPS> && sizeof(tagREG_COTACAOITEMFATURAPS) == 52 &&
              offsetof(tagREG_COTACAOITEMFATURAPS, vencimento) == 8 &&
              offsetof(tagREG_COTACAOITEMFATURAPS, numero) == 10 &&
              offsetof(tagREG_COTACAOITEMFATURAPS, tipo_vencimento) == 11);
static_assert(registro_fixo<REG_ALTERA_PARCELA_COTACAO> && sizeof(REG_ALTERA_PARCELA_COTACAO) == 32 &&
              offsetof(REG_ALTERA_PARCELA_COTACAO, fornecedor) == 4 && offsetof(REG_ALTERA_PARCELA_COTACAO, parcela) == 8 &&
              offsetof(REG_ALTERA_PARCELA_COTACAO, vencimento) == 12 &&
              offsetof(REG_ALTERA_PARCELA_COTACAO, vencimento_cotacao) == 16 &&
              offsetof(REG_ALTERA_PARCELA_COTACAO, um) == 20 && offsetof(REG_ALTERA_PARCELA_COTACAO, valor) == 24);
static_assert(registro_fixo<REG_RESPOSTA_ALTERA_PARCELA_COTACAO> && sizeof(REG_RESPOSTA_ALTERA_PARCELA_COTACAO) == 1012 &&
              offsetof(REG_RESPOSTA_ALTERA_PARCELA_COTACAO, mensagem) == 4 &&
              offsetof(REG_RESPOSTA_ALTERA_PARCELA_COTACAO, parcelas) == 1008);

// The stand-in's refusals.
inline constexpr long QV_E_COTACAO_DESCONHECIDA = static_cast<long>(0x80040630u);   // no such quotation
inline constexpr long QV_E_COTACAO_ACESSO = static_cast<long>(0x80040631u);         // not this key's supplier

}  // namespace inhouse

#pragma once
// The records that the invoices, purchasing, purchase-order and quotation servers exchange with
// the product position: search periods and filters (by value), the key lists, the documents and
// their items. Packed, little-endian; pointer fields are 32-bit wire pointers
// (platform/com/wire_pointer.h) to task-memory blocks that the caller frees.
#include <windows.h>

#include <cstddef>
#include <cstdint>

namespace inhouse {

#pragma pack(push, 1)
// The product key the documents' items carry: product pointer and the three grid item positions.
struct CHAVE_PRODUTO_GRADE {
    int32_t produto;
    uint16_t item1;
    uint16_t item2;
    uint16_t item3;
    bool operator==(const CHAVE_PRODUTO_GRADE&) const = default;
};

// Invoices search period (24 bytes).
struct PERIODO_NOTAS {
    int32_t inicio;               // +0, CQVData day numbers
    int32_t fim;                  // +4
    uint8_t um;                   // +8, always 1
    uint8_t reservado9[15];
};
// Invoices search filter (1,136 bytes): only the product and the two marks are used here.
struct FILTRO_NOTAS {
    uint8_t reservado0[420];
    int32_t produto;              // +420, 0: every product
    uint8_t reservado424[648];
    uint8_t marca1072;            // +1072
    uint8_t reservado1073[22];
    uint8_t marca1095;            // +1095
    uint8_t reservado1096[40];
};
// The invoices search answer: a task-memory block {count, pointer to 32-bit keys}.
struct LISTA_NOTAS {
    int32_t quantidade;
    uint32_t chaves;              // wire pointer, int32_t[quantidade]
};
// Invoice key record (38 bytes).
struct CHAVE_NOTA {
    uint8_t reservado0[8];
    int32_t chave;                // +8
    uint8_t reservado12[26];
};
// One invoice item (3,118 bytes).
struct ITEM_NOTA {
    uint8_t reservado0[1476];
    CHAVE_PRODUTO_GRADE produto;  // +1476
    int64_t quantidade;           // +1486, CURRENCY
    uint8_t reservado1494[8];
    int64_t valor_unitario;       // +1502, 8 implied decimals
    uint8_t reservado1510[48];
    int64_t valor_icms;           // +1558, CURRENCY, of the whole item
    uint8_t reservado1566[8];
    int64_t valor_ipi;            // +1574, CURRENCY, of the whole item
    uint8_t reservado1582[290];
    char cfop[8];                 // +1872
    uint8_t reservado1880[1114];
    uint8_t casas_quantidade;     // +2994, 0: no decimals, 1: two, else four
    uint8_t reservado2995[37];
    uint8_t casas_valor;          // +3032, decimals of the unit value
    uint8_t reservado3033[85];
};
// An invoice (4,618 bytes).
struct NOTA_FISCAL {
    uint8_t reservado0[2822];
    int32_t numero;               // +2822
    uint8_t reservado2826[70];
    uint16_t condicao;            // +2896, the payment condition's register position
    uint8_t reservado2898[4];
    uint16_t emissao;             // +2902, day number
    uint8_t reservado2904[50];
    uint16_t quantidade_itens;    // +2954
    uint8_t reservado2956[1551];
    uint8_t frete;                // +4507, 0 issuer, 1 addressee, 2 third party, 9 none
    uint8_t reservado4508[106];
    uint32_t itens;               // +4614, wire pointer, ITEM_NOTA[quantidade_itens]
};

// The purchasing side's key list (12 bytes, a task-memory block).
struct LISTA_CHAVES {
    int32_t quantidade;
    uint32_t chaves;              // +4, wire pointer, int64_t[quantidade]
    uint32_t dias;                // +8, wire pointer, uint16_t[quantidade]: each document's day
};
// The 32-byte status entry of a purchasing document: first byte non-zero when cancelled.
struct SITUACAO_DOCUMENTO {
    uint8_t cancelado;
    uint8_t reservado1[31];
};

// Purchases search filter (310 bytes).
struct FILTRO_COMPRAS {
    uint8_t reservado0[74];
    CHAVE_PRODUTO_GRADE produto;  // +74
    uint8_t reservado84[114];
    char marca;                   // +198, 'S'
    uint8_t reservado199;
    uint16_t quantidade_filiais;  // +200
    uint32_t filiais;             // +202, pointer to uint16_t[quantidade_filiais] (the caller's)
    uint8_t reservado206[104];
};
// One purchase item (1,674 bytes).
struct ITEM_COMPRA {
    uint8_t reservado0[444];
    int64_t quantidade;           // +444, 8 implied decimals
    int64_t valor_unitario;       // +452, 8 implied decimals
    uint8_t reservado460[360];
    CHAVE_PRODUTO_GRADE produto;  // +820
    uint8_t reservado830[844];
};
// A purchase (1,228 bytes).
struct COMPRA {
    uint8_t reservado0[314];
    int32_t fornecedor;           // +314, the supplier's CFRT record pointer
    uint8_t reservado318[68];
    int32_t entrada;              // +386, CQVData day number
    int32_t emissao;              // +390, CQVData day number
    uint8_t reservado394[754];
    uint16_t quantidade_itens;    // +1148
    uint32_t itens;               // +1150, wire pointer, ITEM_COMPRA[quantidade_itens]
    uint8_t reservado1154[74];
};
// A request (and its answer) of the received quantities of purchase-order items (74 bytes).
struct ATENDIMENTO_ORDEM {
    int64_t ordem;                // +0, the order's key (0: an empty request)
    int32_t item;                 // +8, the item's index in the order
    int64_t recebido;             // +12, CURRENCY: what the purchases received (the answer)
    uint8_t reservado20[54];
};

// Purchase-order search filter (234 bytes).
struct FILTRO_ORDENS {
    uint8_t reservado0[34];
    CHAVE_PRODUTO_GRADE produto;  // +34
    uint8_t reservado44[74];
    char marca118[2];             // +118, "SS"
    uint8_t reservado120[3];
    char marca123;                // +123, 'S'
    uint8_t reservado124[26];
    uint16_t quantidade_filiais;  // +150
    uint32_t filiais;             // +152, pointer to uint16_t[quantidade_filiais] (the caller's)
    uint8_t reservado156[78];
};
// One purchase-order item (792 bytes).
struct ITEM_ORDEM {
    CHAVE_PRODUTO_GRADE produto;  // +0
    uint8_t reservado10[56];
    int64_t quantidade;           // +66, CURRENCY
    uint8_t reservado74[146];
    uint8_t cancelado;            // +220
    uint8_t reservado221[505];
    uint8_t encerrado;            // +726, 1: nothing more is expected of it
    uint8_t reservado727[65];
};
// A purchase order (3,516 bytes).
struct ORDEM_COMPRA {
    uint8_t reservado0[3442];
    uint8_t tipo;                 // +3442, 0 plain, 1 received through purchases
    uint8_t reservado3443[7];
    uint16_t quantidade_itens;    // +3450
    uint32_t itens;               // +3452, wire pointer, ITEM_ORDEM[quantidade_itens]
    uint8_t reservado3456[60];
};

// Quotation search filter (438 bytes).
struct FILTRO_COTACOES {
    uint8_t reservado0[6];
    CHAVE_PRODUTO_GRADE produto;  // +6
    uint8_t reservado16[4];
    uint8_t marca20;              // +20, 1
    uint8_t reservado21[2];
    uint8_t marca23;              // +23, 1
    uint8_t reservado24[284];
    char marca308;                // +308, 'S'
    uint8_t reservado309[59];
    uint16_t quantidade_filiais;  // +368
    uint32_t filiais;             // +370, pointer to uint16_t[quantidade_filiais] (the caller's)
    uint8_t reservado374[64];
};
// One quotation item (144 bytes).
struct ITEM_COTACAO {
    CHAVE_PRODUTO_GRADE produto;  // +0
    uint8_t reservado10[40];
    int64_t quantidade;           // +50, CURRENCY
    uint8_t reservado58[16];
    char tipo;                    // +74, 'P' product
    uint8_t reservado75[69];
};
// A quotation (182 bytes).
struct COTACAO {
    uint8_t reservado0[108];
    uint16_t quantidade_itens;    // +108
    uint32_t itens;               // +110, wire pointer, ITEM_COTACAO[quantidade_itens]
    uint8_t reservado114[68];
};
// The answer of a documents read (12 bytes): one document and one status per key.
struct RESPOSTA_DOCUMENTOS {
    int32_t quantidade;
    uint32_t documentos;          // +4, wire pointer, ORDEM_COMPRA[] or COTACAO[]
    uint32_t situacoes;           // +8, wire pointer, SITUACAO_DOCUMENTO[]
};

// The payment condition record of the cache's condition server (168 bytes).
struct CONDICAO_PAGAMENTO_CACHE {
    uint16_t codigo;              // +0
    uint8_t reservado2[108];
    char nome[58];                // +110
};
#pragma pack(pop)

static_assert(sizeof(CHAVE_PRODUTO_GRADE) == 10);
static_assert(sizeof(PERIODO_NOTAS) == 24 && sizeof(FILTRO_NOTAS) == 1136 && offsetof(FILTRO_NOTAS, produto) == 420 &&
              offsetof(FILTRO_NOTAS, marca1072) == 1072 && offsetof(FILTRO_NOTAS, marca1095) == 1095);
static_assert(sizeof(LISTA_NOTAS) == 8 && sizeof(CHAVE_NOTA) == 38 && offsetof(CHAVE_NOTA, chave) == 8);
static_assert(sizeof(ITEM_NOTA) == 3118 && offsetof(ITEM_NOTA, produto) == 1476 && offsetof(ITEM_NOTA, quantidade) == 1486 &&
              offsetof(ITEM_NOTA, valor_unitario) == 1502 && offsetof(ITEM_NOTA, valor_icms) == 1558 &&
              offsetof(ITEM_NOTA, valor_ipi) == 1574 && offsetof(ITEM_NOTA, cfop) == 1872 &&
              offsetof(ITEM_NOTA, casas_quantidade) == 2994 && offsetof(ITEM_NOTA, casas_valor) == 3032);
static_assert(sizeof(NOTA_FISCAL) == 4618 && offsetof(NOTA_FISCAL, numero) == 2822 && offsetof(NOTA_FISCAL, condicao) == 2896 &&
              offsetof(NOTA_FISCAL, emissao) == 2902 && offsetof(NOTA_FISCAL, quantidade_itens) == 2954 &&
              offsetof(NOTA_FISCAL, frete) == 4507 && offsetof(NOTA_FISCAL, itens) == 4614);
static_assert(sizeof(LISTA_CHAVES) == 12 && sizeof(SITUACAO_DOCUMENTO) == 32);
static_assert(sizeof(FILTRO_COMPRAS) == 310 && offsetof(FILTRO_COMPRAS, produto) == 74 && offsetof(FILTRO_COMPRAS, marca) == 198 &&
              offsetof(FILTRO_COMPRAS, quantidade_filiais) == 200 && offsetof(FILTRO_COMPRAS, filiais) == 202);
static_assert(sizeof(ITEM_COMPRA) == 1674 && offsetof(ITEM_COMPRA, quantidade) == 444 &&
              offsetof(ITEM_COMPRA, valor_unitario) == 452 && offsetof(ITEM_COMPRA, produto) == 820);
static_assert(sizeof(COMPRA) == 1228 && offsetof(COMPRA, fornecedor) == 314 && offsetof(COMPRA, entrada) == 386 &&
              offsetof(COMPRA, emissao) == 390 && offsetof(COMPRA, quantidade_itens) == 1148 && offsetof(COMPRA, itens) == 1150);
static_assert(sizeof(ATENDIMENTO_ORDEM) == 74 && offsetof(ATENDIMENTO_ORDEM, item) == 8 && offsetof(ATENDIMENTO_ORDEM, recebido) == 12);
static_assert(sizeof(FILTRO_ORDENS) == 234 && offsetof(FILTRO_ORDENS, produto) == 34 && offsetof(FILTRO_ORDENS, marca118) == 118 &&
              offsetof(FILTRO_ORDENS, marca123) == 123 && offsetof(FILTRO_ORDENS, quantidade_filiais) == 150 &&
              offsetof(FILTRO_ORDENS, filiais) == 152);
static_assert(sizeof(ITEM_ORDEM) == 792 && offsetof(ITEM_ORDEM, quantidade) == 66 && offsetof(ITEM_ORDEM, cancelado) == 220 &&
              offsetof(ITEM_ORDEM, encerrado) == 726);
static_assert(sizeof(ORDEM_COMPRA) == 3516 && offsetof(ORDEM_COMPRA, tipo) == 3442 &&
              offsetof(ORDEM_COMPRA, quantidade_itens) == 3450 && offsetof(ORDEM_COMPRA, itens) == 3452);
static_assert(sizeof(FILTRO_COTACOES) == 438 && offsetof(FILTRO_COTACOES, produto) == 6 && offsetof(FILTRO_COTACOES, marca20) == 20 &&
              offsetof(FILTRO_COTACOES, marca23) == 23 && offsetof(FILTRO_COTACOES, marca308) == 308 &&
              offsetof(FILTRO_COTACOES, quantidade_filiais) == 368 && offsetof(FILTRO_COTACOES, filiais) == 370);
static_assert(sizeof(ITEM_COTACAO) == 144 && offsetof(ITEM_COTACAO, quantidade) == 50 && offsetof(ITEM_COTACAO, tipo) == 74);
static_assert(sizeof(COTACAO) == 182 && offsetof(COTACAO, quantidade_itens) == 108 && offsetof(COTACAO, itens) == 110);
static_assert(sizeof(RESPOSTA_DOCUMENTOS) == 12 && sizeof(CONDICAO_PAGAMENTO_CACHE) == 168 &&
              offsetof(CONDICAO_PAGAMENTO_CACHE, nome) == 110);

// Failures of these servers.
inline constexpr HRESULT QV_E_NOTA_DESCONHECIDA = static_cast<HRESULT>(0x80040621u);
inline constexpr HRESULT QV_E_COMPRA_DESCONHECIDA = static_cast<HRESULT>(0x80040622u);
inline constexpr HRESULT QV_E_CONDICAO_DESCONHECIDA = static_cast<HRESULT>(0x80040623u);
inline constexpr HRESULT QV_E_DATA_DOCUMENTO = static_cast<HRESULT>(0x80040624u);

}  // namespace inhouse

#pragma once
// The records the orders server exchanges beside the order record itself (REG_PEDIDO,
// ft/ftlibrary/registros_pedido.h): the list range and filter, the answer of a list, the order
// list's 1,020-byte record and the order-list report request. Packed, little-endian; bytes not
// named here are zero.
#include <windows.h>
#include <wtypes.h>

#include <cstddef>
#include <cstdint>
#include <type_traits>

#pragma pack(push, 1)

// The 16-byte range of a list: issue days from `DataInicial` to `DataFinal` (0 and 65535: any day).
struct REG_FAIXA_PEDIDOS {
    uint16_t DataInicial;      // +0
    uint16_t DataFinal;        // +2
    uint16_t zero_4;           // +4
    uint16_t Seletor;          // +6 1 from every caller
    uint8_t zero_8[8];         // +8
};

// The 1,014-byte list filter: the representative whose customers' orders are listed (0: every
// order of the company).
struct REG_FILTRO_PEDIDOS {
    uint8_t zero_0[376];
    uint32_t PosicaoRepresentante;   // +376
    uint8_t zero_380[634];
};

// A list's answer: a task-memory block with the count and a wire pointer to a task-memory array of
// 32-bit order positions. The caller frees both.
struct REG_RESULTADO_PEDIDOS {
    uint32_t Quantidade;       // +0
    uint32_t Posicoes;         // +4 wire pointer
};

// One order as the order list shows it (1,020 bytes).
struct REG_LISTA_PEDIDO {
    uint8_t zero_0[570];
    CURRENCY ValorTotal;             // +570
    uint8_t zero_578[216];
    uint32_t Numero;                 // +794 month index in bits 0-11, sequence above
    int32_t PosicaoCliente;          // +798 account of the chart of accounts; 0 none
    uint8_t zero_802[32];
    uint16_t DataEmissao;            // +834 day number
    uint16_t DataEntrega;            // +836
    uint8_t zero_838[96];
    uint8_t Atendido;                // +934
    uint8_t Cancelado;               // +935
    uint8_t FaturadoParcial;         // +936
    uint8_t AtendidoParcial;         // +937
    uint8_t Faturado;                // +938
    uint8_t zero_939[10];
    uint8_t Bloqueado;               // +949
    uint8_t EmAnalise;               // +950
    uint8_t zero_951[69];
};

// The 834-byte request of the order-list report.
struct REG_RELATORIO_PEDIDOS {
    uint8_t zero_0[8];
    uint32_t PosicaoRepresentante;   // +8 0: every representative
    int32_t PosicaoCliente;          // +12 0: every customer
    uint8_t zero_16[12];
    uint16_t DataInicial;            // +28 0: no lower limit
    uint16_t DataFinal;              // +30 0: no upper limit
    uint8_t zero_32[18];
    char Arquivo[256];               // +50 the file to write: a bare name is in the temporary folder
    char Empresa[200];               // +306
    char Modelo[256];                // +506
    uint8_t zero_762[3];
    uint8_t ByteMestre326;           // +765
    uint8_t zero_766[68];
};

#pragma pack(pop)

static_assert(sizeof(REG_FAIXA_PEDIDOS) == 16 && offsetof(REG_FAIXA_PEDIDOS, Seletor) == 6);
static_assert(sizeof(REG_FILTRO_PEDIDOS) == 1014 && offsetof(REG_FILTRO_PEDIDOS, PosicaoRepresentante) == 376);
static_assert(sizeof(REG_RESULTADO_PEDIDOS) == 8);
static_assert(sizeof(REG_LISTA_PEDIDO) == 1020 && std::is_trivially_copyable_v<REG_LISTA_PEDIDO>);
static_assert(offsetof(REG_LISTA_PEDIDO, ValorTotal) == 570 && offsetof(REG_LISTA_PEDIDO, Numero) == 794 &&
              offsetof(REG_LISTA_PEDIDO, PosicaoCliente) == 798 && offsetof(REG_LISTA_PEDIDO, DataEmissao) == 834 &&
              offsetof(REG_LISTA_PEDIDO, DataEntrega) == 836 && offsetof(REG_LISTA_PEDIDO, Atendido) == 934 &&
              offsetof(REG_LISTA_PEDIDO, Cancelado) == 935 && offsetof(REG_LISTA_PEDIDO, FaturadoParcial) == 936 &&
              offsetof(REG_LISTA_PEDIDO, AtendidoParcial) == 937 && offsetof(REG_LISTA_PEDIDO, Faturado) == 938 &&
              offsetof(REG_LISTA_PEDIDO, Bloqueado) == 949 && offsetof(REG_LISTA_PEDIDO, EmAnalise) == 950);
static_assert(sizeof(REG_RELATORIO_PEDIDOS) == 834 && offsetof(REG_RELATORIO_PEDIDOS, PosicaoRepresentante) == 8 &&
              offsetof(REG_RELATORIO_PEDIDOS, PosicaoCliente) == 12 && offsetof(REG_RELATORIO_PEDIDOS, DataInicial) == 28 &&
              offsetof(REG_RELATORIO_PEDIDOS, DataFinal) == 30 && offsetof(REG_RELATORIO_PEDIDOS, Arquivo) == 50 &&
              offsetof(REG_RELATORIO_PEDIDOS, Empresa) == 306 && offsetof(REG_RELATORIO_PEDIDOS, Modelo) == 506 &&
              offsetof(REG_RELATORIO_PEDIDOS, ByteMestre326) == 765);

namespace inhouse {

// Byte 34 of the orders server's 40-byte initialisation block (unused by callers that build the
// block themselves, who leave it 0): 1 asks `Grava` for the number of orders saved instead of the
// saved order's position. The server cache's orders server is initialised with it.
inline constexpr size_t pedidos_marca_quantidade = 34;

inline constexpr HRESULT QV_E_PEDIDO_DESCONHECIDO = static_cast<HRESULT>(0x800403C0u);   // no order at that position
inline constexpr HRESULT QV_E_PEDIDO_INVALIDO = static_cast<HRESULT>(0x800403C1u);       // a record the server refuses
inline constexpr HRESULT QV_E_RELATORIO_PEDIDOS = static_cast<HRESULT>(0x800403C2u);     // the report file cannot be written

}  // namespace inhouse

#pragma once
// The requests of the stock, sales and commercial reports (the order list's is the orders
// server's: platform/inhouse/pedidos/registros_pedidos.h), as the report objects hand them to the
// data servers that write the report files: packed, little-endian, zero-filled before they are
// written; texts are CP1252, ended by a NUL inside their field. Address fields are wire pointers
// (platform/com/wire_pointer.h) to blocks or texts that live until the server's call returns.
#include <cstddef>
#include <cstdint>
#include <string>

#include "inhouse_cache.h"

namespace inhouse {

#pragma pack(push, 1)
// A product key of the stock reports: the product's pointer and its three grid items.
struct CHAVE_PRODUTO_RELATORIO {
    uint32_t produto;       // +0
    uint16_t itens_grade[3];// +4
};

// The stock register.
struct REQ_REGISTRO_ESTOQUE {
    uint32_t quantidade_chaves;   // +0
    uint8_t reservado_4[4];       // +4
    uint16_t filial;              // +8
    uint16_t data_inicial;        // +10
    uint16_t data_final;          // +12
    uint16_t opcoes;              // +14
    uint8_t reservado_16[13];     // +16
    uint8_t tipo_estoque;         // +29
    uint8_t reservado_30[6];      // +30
    uint32_t chaves;              // +36, task-memory block of quantidade_chaves keys
    uint8_t reservado_40[12];     // +40
};

// The stock movements.
struct REQ_MOVIMENTOS_ESTOQUE {
    uint8_t reservado_0[64];      // +0
    uint32_t quantidade_chaves;   // +64
    uint8_t reservado_68[2];      // +68
    uint16_t data_inicial;        // +70
    uint16_t data_final;          // +72
    uint16_t constante_74;        // +74, 1
    uint16_t locais;              // +76
    uint8_t reservado_78[5];      // +78
    uint8_t tipo_estoque;         // +83
    uint32_t chaves;              // +84, task-memory block of quantidade_chaves keys
    uint8_t reservado_88[12];     // +88
};

// The inventory.
struct REQ_INVENTARIO {
    uint32_t produto;             // +0, the product pointer's low 16 bits
    uint16_t filial;              // +4
    uint16_t data_inicial;        // +6
    uint16_t data_final;          // +8
    uint16_t constante_10;        // +10, 1
    uint16_t opcoes;              // +12
    uint8_t reservado_14[2];      // +14
};

// The reorder point.
struct REQ_PONTO_REPOSICAO {
    uint8_t reservado_0[8];       // +0
    uint16_t filial;              // +8
    uint8_t reservado_10[10];     // +10
};

// The sales of a period (invoices server).
struct REQ_RELATORIO_VENDAS {
    char arquivo[250];            // +0
    char razao_social[200];       // +250
    char modelo[250];             // +450
    uint8_t reservado_700[4];     // +700
    uint32_t cliente;             // +704
    uint8_t reservado_708[32];    // +708
    uint16_t data_inicial;        // +740
    uint16_t data_final;          // +742
    uint8_t reservado_744[4];     // +744
    uint16_t filial;              // +748
    uint8_t reservado_750[162];   // +750
};

// The commissions to pay and the commercial movements (commercial report servers); passed by
// address.
struct REQ_RELATORIO_COMERCIAL {
    uint8_t reservado_0[32];      // +0
    uint32_t sessao;              // +32
    uint8_t reservado_36[4];      // +36
    uint32_t arquivo;             // +40, the temporary name's text
    uint32_t representante_texto; // +44, "%d\n" or the filter's text and a line feed; 0: none
    uint32_t modelo;              // +48
    uint32_t razao_social;        // +52
    uint8_t reservado_56[8];      // +56
    uint32_t empresa;             // +64, the company key
    uint16_t data_inicial;        // +68
    uint16_t data_final;          // +70
    uint8_t reservado_72[12];     // +72
    uint32_t representante;       // +84
    uint8_t reservado_88[12];     // +88
    uint16_t com_representante;   // +100
    uint8_t reservado_102[2];     // +102
    uint16_t usuario;             // +104
    char tipo_data;               // +106
    char constante_107;           // +107
    char situacao;                // +108
    uint8_t reservado_109;        // +109
    char constante_110;           // +110
    uint8_t reservado_111[2];     // +111
    char constante_113;           // +113
    uint8_t reservado_114[16];    // +114
    uint8_t constante_130;        // +130
    uint8_t reservado_131[3];     // +131
    uint8_t constante_134;        // +134
    uint8_t reservado_135[305];   // +135
};
#pragma pack(pop)

// The file the commercial report server writes the commissions report into: the request's name
// with "0" before its last four characters (its extension).
inline std::string arquivo_comissoes(std::string nome) { return nome.insert(nome.size() >= 4 ? nome.size() - 4 : 0, "0"); }

static_assert(sizeof(CHAVE_PRODUTO_RELATORIO) == 10);
static_assert(sizeof(REQ_REGISTRO_ESTOQUE) == 52 && offsetof(REQ_REGISTRO_ESTOQUE, filial) == 8 &&
              offsetof(REQ_REGISTRO_ESTOQUE, opcoes) == 14 && offsetof(REQ_REGISTRO_ESTOQUE, tipo_estoque) == 29 &&
              offsetof(REQ_REGISTRO_ESTOQUE, chaves) == 36);
static_assert(sizeof(REQ_MOVIMENTOS_ESTOQUE) == 100 && offsetof(REQ_MOVIMENTOS_ESTOQUE, quantidade_chaves) == 64 &&
              offsetof(REQ_MOVIMENTOS_ESTOQUE, data_inicial) == 70 && offsetof(REQ_MOVIMENTOS_ESTOQUE, locais) == 76 &&
              offsetof(REQ_MOVIMENTOS_ESTOQUE, tipo_estoque) == 83 && offsetof(REQ_MOVIMENTOS_ESTOQUE, chaves) == 84);
static_assert(sizeof(REQ_INVENTARIO) == 16 && offsetof(REQ_INVENTARIO, filial) == 4 &&
              offsetof(REQ_INVENTARIO, opcoes) == 12);
static_assert(sizeof(REQ_PONTO_REPOSICAO) == 20 && offsetof(REQ_PONTO_REPOSICAO, filial) == 8);
static_assert(sizeof(REQ_RELATORIO_VENDAS) == 912 && offsetof(REQ_RELATORIO_VENDAS, razao_social) == 250 &&
              offsetof(REQ_RELATORIO_VENDAS, modelo) == 450 && offsetof(REQ_RELATORIO_VENDAS, cliente) == 704 &&
              offsetof(REQ_RELATORIO_VENDAS, data_inicial) == 740 && offsetof(REQ_RELATORIO_VENDAS, filial) == 748);
static_assert(sizeof(REQ_RELATORIO_COMERCIAL) == 440 && offsetof(REQ_RELATORIO_COMERCIAL, sessao) == 32 &&
              offsetof(REQ_RELATORIO_COMERCIAL, arquivo) == 40 && offsetof(REQ_RELATORIO_COMERCIAL, empresa) == 64 &&
              offsetof(REQ_RELATORIO_COMERCIAL, data_inicial) == 68 && offsetof(REQ_RELATORIO_COMERCIAL, representante) == 84 &&
              offsetof(REQ_RELATORIO_COMERCIAL, com_representante) == 100 &&
              offsetof(REQ_RELATORIO_COMERCIAL, usuario) == 104 && offsetof(REQ_RELATORIO_COMERCIAL, tipo_data) == 106 &&
              offsetof(REQ_RELATORIO_COMERCIAL, constante_113) == 113 &&
              offsetof(REQ_RELATORIO_COMERCIAL, constante_130) == 130 &&
              offsetof(REQ_RELATORIO_COMERCIAL, constante_134) == 134);
static_assert(sizeof(QV_RELATORIO_VENDAS_912) == sizeof(REQ_RELATORIO_VENDAS));
static_assert(sizeof(QV_REGISTRO_ESTOQUE_52) == sizeof(REQ_REGISTRO_ESTOQUE));
static_assert(sizeof(QV_MOVIMENTOS_ESTOQUE_100) == sizeof(REQ_MOVIMENTOS_ESTOQUE));
static_assert(sizeof(QV_INVENTARIO_16) == sizeof(REQ_INVENTARIO));
static_assert(sizeof(QV_PONTO_REPOSICAO_20) == sizeof(REQ_PONTO_REPOSICAO));

}  // namespace inhouse

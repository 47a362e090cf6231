#pragma once
// The visit server's records (packed, little-endian, zero-filled before they are written, texts
// ended by a NUL inside their field): the visit record, the search filter and the search answer.
#include <cstddef>
#include <cstdint>

#include "inhouse_cache.h"

namespace inhouse {

#pragma pack(push, 1)
// One scheduled visit of a representative to a customer.
struct REG_AGENDAMENTO_VISITA {
    int64_t valor_venda;            // +0, CURRENCY (4 implied decimals)
    uint8_t reservado_8[24];        // +8
    uint32_t cliente;               // +32, the customer's position
    uint8_t reservado_36[4];        // +36
    uint32_t numero;                // +40, month index in bits 0-11, sequence from bit 12
    uint8_t reservado_44[16];       // +44
    uint16_t tipo_periodo;          // +60, of the recurring schedule
    uint8_t reservado_62[2];        // +62
    uint16_t data;                  // +64, scheduled day
    uint16_t data_reagendada;       // +66, rescheduled day
    uint8_t reservado_68[10];       // +68
    char atendido_por[52];          // +78
    char obs_agendamento[502];      // +130
    char obs_visita[502];           // +632
    uint8_t reservado_1134[466];    // +1134
    uint8_t situacao;               // +1600: 0 not done, 3 rescheduled
    uint8_t dia_util;               // +1601, consider business days
    uint8_t recalcular;             // +1602, recalculate the next reschedulings
    uint8_t venda;                  // +1603, sale made
    uint8_t reservado_1604[2];      // +1604
};

// The search filter (by value).
struct REG_FILTRO_VISITAS {
    uint8_t reservado_0[28];        // +0
    uint32_t representante;         // +28, 0: every representative
    uint8_t reservado_32[4];        // +32
    uint16_t data_inicial;          // +36
    uint16_t data_final;            // +38
    uint8_t reservado_40[314];      // +40
};

// The search answer the caller hands in.
struct REG_RESPOSTA_VISITAS {
    uint32_t quantidade;            // +0
    uint32_t posicoes;              // +4, wire pointer to `quantidade` 32-bit positions (task memory)
};
#pragma pack(pop)

static_assert(sizeof(REG_AGENDAMENTO_VISITA) == 1606 && offsetof(REG_AGENDAMENTO_VISITA, cliente) == 32 &&
              offsetof(REG_AGENDAMENTO_VISITA, numero) == 40 && offsetof(REG_AGENDAMENTO_VISITA, tipo_periodo) == 60 &&
              offsetof(REG_AGENDAMENTO_VISITA, data) == 64 && offsetof(REG_AGENDAMENTO_VISITA, data_reagendada) == 66 &&
              offsetof(REG_AGENDAMENTO_VISITA, atendido_por) == 78 &&
              offsetof(REG_AGENDAMENTO_VISITA, obs_agendamento) == 130 &&
              offsetof(REG_AGENDAMENTO_VISITA, obs_visita) == 632 && offsetof(REG_AGENDAMENTO_VISITA, situacao) == 1600 &&
              offsetof(REG_AGENDAMENTO_VISITA, venda) == 1603);
static_assert(sizeof(REG_FILTRO_VISITAS) == 354 && offsetof(REG_FILTRO_VISITAS, representante) == 28 &&
              offsetof(REG_FILTRO_VISITAS, data_inicial) == 36 && offsetof(REG_FILTRO_VISITAS, data_final) == 38);
static_assert(sizeof(REG_RESPOSTA_VISITAS) == 8);
static_assert(sizeof(QV_VISITA_1606) == sizeof(REG_AGENDAMENTO_VISITA));
static_assert(sizeof(QV_FILTRO_VISITAS_354) == sizeof(REG_FILTRO_VISITAS));

// The visit server's answer for a position that holds no visit.
inline constexpr HRESULT QV_E_VISITA_DESCONHECIDA = static_cast<HRESULT>(0x80040250u);

}  // namespace inhouse

#pragma once
// What the visit objects share over one visit record: its texts as the getters give them, the
// setters' cuts and parses, and the visit server's search, read and save.
#include <cstdint>
#include <string>
#include <vector>

#include "inhouse_cache.h"
#include "platform/inhouse/cache/registros_visita.h"

namespace sales {

using inhouse::REG_AGENDAMENTO_VISITA;

// The day a visit counts on: the new day once rescheduled (situation 3), else the scheduled day.
uint16_t dia_visita(const REG_AGENDAMENTO_VISITA& r) noexcept;
// dd/mm/yy; empty for no day.
std::string texto_dia_curto(uint16_t dia);
// A day/month/year text (two- or four-digit year) as a 16-bit day number; empty text: 0. A text
// that names no day, or a day the field cannot hold, throws com::failure.
uint16_t dia_de_texto(const std::string& texto);
// The sale value as money text, "0,00" without a sale.
std::string texto_valor_venda(const REG_AGENDAMENTO_VISITA& r);

// The visit server's answers; each failure throws com::failure with the text and the HRESULT.
// The positions of the visits of the representative in the interval (or, without one, on the
// filter's day), the server's block freed.
std::vector<uint32_t> busca_visitas(IQVFT_Agendamentos* servidor, uint16_t inicio, uint16_t fim,
                                    uint32_t representante, uint16_t dia);
REG_AGENDAMENTO_VISITA le_visita(IQVFT_Agendamentos* servidor, uint32_t posicao);
// The number of visits saved (1).
LONG grava_visita(IQVFT_Agendamentos* servidor, uint32_t posicao, const REG_AGENDAMENTO_VISITA& r);

}  // namespace sales

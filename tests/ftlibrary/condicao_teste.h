#pragma once
// Builders for the payment-condition tests: a condition record with its rows, amounts in
// centavos and dates by day, month and year, and the demo company's store published for the
// holiday calendar.
#include <initializer_list>
#include <utility>
#include <vector>

#include "base/CQVCurrencyEx.h"
#include "base/CQVData.h"
#include "platform/inhouse/condicoes/registros_condicao.h"
#include "platform/inhouse/core/seed.h"
#include "platform/inhouse/core/store_processo.h"

inline CQVCurrencyEx centavos(int64_t c) { return CQVCurrencyEx(qv_cy(c * 100)); }
inline int64_t em_centavos(const CQVCurrencyEx& v) { return v.GetValor64() / 100; }
inline uint16_t dia(int d, int m, int a) { return static_cast<uint16_t>(qv_numero_dia(d, m, a)); }

struct condicao_teste {
    _REG_COND_PAGTOPS registro{};
    std::vector<REG_LINHA_CONDICAO_PAGTO> linhas;

    // Rows as (percentage in hundredths, days).
    explicit condicao_teste(std::initializer_list<std::pair<uint16_t, int16_t>> parcelas) {
        for (const auto& [percentual, dias] : parcelas) {
            REG_LINHA_CONDICAO_PAGTO linha{};
            linha.Percentual = percentual;
            linha.Dias = dias;
            linhas.push_back(linha);
        }
        registro.QtdParcelas = static_cast<uint8_t>(linhas.size());
    }
    const REG_LINHA_CONDICAO_PAGTO* dados() const { return linhas.data(); }
};

// A store with the demo company, published for the calendar while the object lives.
class store_demo_publicada {
public:
    store_demo_publicada() { inhouse::load_seed(m_store, inhouse::demo_seed()); }
    inhouse::store& data() { return m_store; }

private:
    inhouse::store m_store = inhouse::store::in_memory();
    inhouse::publica_store m_publicada{m_store};
};

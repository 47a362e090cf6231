#pragma once
// The invoice's items and totals as the tax calculation holds them. Nothing in this system fills
// or reads an item: the calculation only creates its (empty) arrays, so the classes carry their
// money fields and clearing, not the invoice arithmetic.
#include <array>
#include <cstdint>
#include <vector>

#include "base/CQVCurrencyEx.h"
#include "base/CQVCurrencyEx8.h"

// N money fields of 2 decimals rounding half away from zero, all 0.
template <size_t N>
struct valores_nota {
    std::array<CQVCurrencyEx, N> v;
    valores_nota() { Limpa(); }
    void Limpa() {
        for (auto& x : v) {
            x.SetPrecisao(true, true);
            x = 0.0;
        }
    }
};

using TOTAIS_NOTA_FISCAL = valores_nota<80>;

// A 16-byte deduction of a service item.
struct REG_DEDUCAO_SERVICO {
    int64_t Valor;
    int32_t Codigo;
    int32_t Tipo;
};
using REG_DEDUCOES_INSS_SERVICO = REG_DEDUCAO_SERVICO;
using REG_DEDUCOES_ISS_SERVICO = REG_DEDUCAO_SERVICO;
using REG_DEDUCOES_IRRF_SERVICO = REG_DEDUCAO_SERVICO;
static_assert(sizeof(REG_DEDUCAO_SERVICO) == 16);

class CItemNotaProduto {
public:
    CItemNotaProduto() { Limpa(); }
    void Limpa();
    valores_nota<28> m_Valores;
    std::array<CQVCurrencyEx, 6> m_Valores4;          // 4 decimals, rounding
    std::array<CQVCurrencyEx8, 7> m_Valores8;
    char m_Texto1[51] = {};
    char m_Texto2[51] = {};
    int32_t m_Numero = 0;
    uint8_t m_Flag1 = 1;
    uint8_t m_Flag2 = 1;
};

class CItemNotaServico {
public:
    CItemNotaServico() { Limpa(); }
    void Limpa();
    valores_nota<6> m_Valores;
    std::array<CQVCurrencyEx8, 3> m_Valores8;
    char m_Texto1[51] = {};
    char m_Texto2[51] = {};
    std::vector<REG_DEDUCOES_INSS_SERVICO> m_DeducoesINSS;
    std::vector<REG_DEDUCOES_ISS_SERVICO> m_DeducoesISS;
    std::vector<REG_DEDUCOES_IRRF_SERVICO> m_DeducoesIRRF;
};

class CItemNotaProdutoCalculado {
public:
    CItemNotaProdutoCalculado() { Limpa(); }
    void Limpa();
    valores_nota<41> m_Valores;
    std::array<CQVCurrencyEx8, 2> m_Valores8;
    char m_Texto1[51] = {};
    char m_Texto2[51] = {};
};

class CItemNotaServicoCalculado {
public:
    CItemNotaServicoCalculado() { Limpa(); }
    void Limpa();
    valores_nota<23> m_Valores;
    std::array<CQVCurrencyEx8, 2> m_Valores8;
    char m_Texto1[51] = {};
    char m_Texto2[51] = {};
};

#pragma once
// The purchasing library cotforn.dll of the supplier's quotation page, loaded at run time by its
// bare name (the program's folder first) with its seven entries, and its context: started once,
// finished and unloaded when the holder goes.
#include <windows.h>

#include <cstdint>
#include <string>

#include "platform/inhouse/cotacoes/registros_cotacao.h"

namespace sales {

class biblioteca_cotforn {
public:
    using Inicializa = int(__cdecl*)(int32_t*, const char*, int, long);
    using Finaliza = void(__cdecl*)(int32_t*);
    using MontaParcelas = int(__cdecl*)(int32_t*, inhouse::REG_COTACAO*, int, int, int, int, int, uint16_t*,
                                        inhouse::tagREG_COTACAOITEMFATURAPS**);
    using MontaCondicaoPagamento = int(__cdecl*)(int32_t*, inhouse::REG_COTACAO*, int, int, int, uint16_t*,
                                                 inhouse::tagREG_COTACAOITEMFATURAPS**, uint8_t*);
    using AlteraParcela = int(__cdecl*)(int32_t*, inhouse::REG_ALTERA_PARCELA_COTACAO,
                                        inhouse::REG_RESPOSTA_ALTERA_PARCELA_COTACAO*);
    using AtualizaValores = int(__cdecl*)(int32_t*, inhouse::REG_COTACAO*, inhouse::REG_ITEM_COTADO*,
                                          inhouse::REG_ITEM_COTADO**);
    // The supplier's total as a CURRENCY's raw value.
    using GetTotalCotadoFornecedor = int64_t(__cdecl*)(int32_t*, inhouse::REG_COTACAO*, int);

    biblioteca_cotforn() = default;
    biblioteca_cotforn(const biblioteca_cotforn&) = delete;
    biblioteca_cotforn& operator=(const biblioteca_cotforn&) = delete;
    ~biblioteca_cotforn();

    bool carregada() const noexcept { return m_modulo != nullptr; }
    // Loads the library and takes its entries; a failure throws com::failure with the system's
    // last error as HRESULT and leaves nothing loaded. `nome` is the file (tests load others).
    void carrega(const char* nome = "cotforn.dll");
    // Starts the library's context; a non-zero answer throws com::failure with it as HRESULT.
    void inicializa(const std::string& empresa, WORD usuario, long sessao);

    int32_t* contexto() noexcept { return &m_contexto; }
    MontaParcelas monta_parcelas = nullptr;
    MontaCondicaoPagamento monta_condicao_pagamento = nullptr;
    AlteraParcela altera_parcela = nullptr;
    AtualizaValores atualiza_valores = nullptr;
    GetTotalCotadoFornecedor total_cotado_fornecedor = nullptr;

private:
    void descarrega() noexcept;

    HMODULE m_modulo = nullptr;
    Inicializa m_inicializa = nullptr;
    Finaliza m_finaliza = nullptr;
    int32_t m_contexto = 0;
};

// 0x80070000 | the calling thread's last error: how a failed load or library call is answered.
HRESULT erro_sistema() noexcept;

}  // namespace sales

#pragma once
// The origin stamp of a generated record: one origin key with its text forms.
#include <cstdint>

#include "base/CQVChaveOrigem.h"
#include "base/CQVString.h"

class CQVQuemGerou : public CQVChaveOrigem {
public:
    CQVQuemGerou() = default;
    CQVQuemGerou(const CQVChaveOrigem& chave) : CQVChaveOrigem(chave) {}
    CQVQuemGerou(uint32_t chave, unsigned origem, uint32_t valorData, unsigned tipo) {
        SetDados(chave, origem, valorData, tipo);
    }
    // From a month-and-number key, with kind 2.
    CQVQuemGerou(uint32_t chaveMesAno, unsigned origem);
    explicit CQVQuemGerou(const QVOrigem& origem) { SetOrigem(origem); }
    CQVQuemGerou(uint32_t chave, const CQVData& data) : CQVChaveOrigem(chave, data) {}
    CQVQuemGerou(uint32_t chave, const CQVMesAno& mesAno) : CQVChaveOrigem(chave, mesAno) {}
    explicit CQVQuemGerou(const char* chaveTexto) { LeChave(chaveTexto); }

    const CQVChaveOrigem& GetChaveOrigem() const { return *this; }
    // "%I64u" of the raw value.
    CQVString GetTexto64() const;
    uint32_t GetChaveMesAno() const;
    using CQVChaveOrigem::Descricao;
    CQVString Descricao() const;
    using CQVChaveOrigem::FormataChave;
    // "MA - 05/2024 - 123 - 17 (Gerador de Lançamentos)".
    CQVString Formata() const;
    static CQVQuemGerou LeTexto(const char* texto);
};

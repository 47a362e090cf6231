#pragma once
// What the order model asks of the library context: the sales parameter record (472 bytes). The
// context itself (company, session, the parameter server) is built elsewhere on this interface;
// tests and callers without a context pass their own or none.
#include <windows.h>

#include <cstddef>

class CFTAppInfo {
public:
    static constexpr size_t TamanhoParametrosFT = 472;
    // Positions the order totals read.
    static constexpr size_t LimiteRetencao1 = 170;     // CURRENCY
    static constexpr size_t LimiteRetencao2 = 178;     // CURRENCY
    static constexpr size_t LimiteRetencoes345 = 186;  // CURRENCY
    static constexpr size_t Retencoes345Juntas = 343;  // byte
    static constexpr size_t ParametroImpostos = 403;   // byte, handed to every item's tax calculation

    virtual ~CFTAppInfo() = default;
    // The record, loaded on first use; zero-filled when it could not be read. Never null.
    virtual const BYTE* GetParametrosFT() = 0;
};

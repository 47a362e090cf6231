#pragma once
// The base of the keyed record caches: a map from key to a copy of the record with the day it was
// read, and an enabled flag. A record read on another day is read again, so that a long-lived order
// object does not keep yesterday's prices and taxes. Derived classes supply the load.
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <functional>

#include "base/QVRelogio.h"
#include "ft/ftlibrary/CFTHashMap.h"

template <class K, class REG, class Tracos = tracos_chave_hash<K>>
class CFTBufferRegistros {
public:
    struct entrada {
        REG registro;
        uint16_t dia;
    };

    virtual ~CFTBufferRegistros() = default;
    // Reads one record from its server.
    virtual HRESULT Carrega(K chave, REG& registro) = 0;
    virtual void Limpa() { m_Mapa.Limpa(); }

    // The map's record of the key when it was read today.
    bool BuscaMapa(K chave, REG& registro) const {
        const entrada* e = m_Mapa.Busca(chave);
        if (!e || e->dia != Hoje()) return false;
        registro = e->registro;
        return true;
    }
    void GuardaMapa(K chave, const REG& registro) { m_Mapa.Guarda(chave, entrada{registro, Hoje()}); }

    // The record from the map, else loaded and, when the cache is enabled, kept.
    HRESULT Le(K chave, REG& registro) {
        if (BuscaMapa(chave, registro)) return S_OK;
        std::memset(&registro, 0, sizeof registro);
        const HRESULT hr = Carrega(chave, registro);
        if (SUCCEEDED(hr) && m_Habilitado) GuardaMapa(chave, registro);
        return hr;
    }

    bool m_Habilitado = true;
    // Today's day number; tests set another clock.
    std::function<uint16_t()> m_Hoje = [] { return QVGetDataAtual(); };

protected:
    uint16_t Hoje() const { return m_Hoje ? m_Hoje() : 0; }
    size_t QuantidadeMapa() const noexcept { return m_Mapa.Quantidade(); }

private:
    CFTHashMap<K, entrada, Tracos> m_Mapa;
};

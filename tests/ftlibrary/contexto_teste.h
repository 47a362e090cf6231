#pragma once
// Test doubles of what the order model borrows: the library context with a settable parameter
// record, and the information and nature caches with scripted answers and call counters.
#include <cstring>
#include <map>
#include <vector>

#include "bytes_registro.h"
#include "ft/ftlibrary/CFTAppInfo.h"
#include "ft/ftlibrary/CFTBufferInfoProdServ.h"
#include "ft/ftlibrary/CFTBufferNaturezas.h"

class contexto_teste : public CFTAppInfo {
public:
    const BYTE* GetParametrosFT() override { return parametros.b.data(); }
    bytes_registro<472> parametros;
};

class info_teste : public CFTBufferInfoProdServ {
public:
    HRESULT Le(const REG_CHAVE_INFO_ITEM* chave, REG_INFO_ITEM_PEDIDO* registro) override {
        chaves.push_back(*chave);
        std::memcpy(registro, resposta.b.data(), sizeof *registro);
        return hr;
    }
    std::vector<REG_CHAVE_INFO_ITEM> chaves;
    bytes_info resposta;
    HRESULT hr = S_OK;
};

class naturezas_teste : public CFTBufferNaturezas {
public:
    bool Busca(uint16_t codigo, _REG_NATUREZAPS& registro) const override {
        const auto it = mapa.find(codigo);
        if (it == mapa.end()) return false;
        registro = it->second;
        return true;
    }
    HRESULT Carrega(uint16_t codigo, _REG_NATUREZAPS& registro) override {
        ++cargas;
        std::memcpy(&registro, servidor.b.data(), sizeof registro);
        registro.bytes[466] = static_cast<uint8_t>(codigo);
        registro.bytes[467] = static_cast<uint8_t>(codigo >> 8);
        return hr;
    }
    bool Habilitado() const override { return habilitado; }
    void Guarda(uint16_t codigo, const _REG_NATUREZAPS& registro) override { mapa[codigo] = registro; }

    std::map<uint16_t, _REG_NATUREZAPS> mapa;
    bytes_natureza servidor;
    int cargas = 0;
    HRESULT hr = S_OK;
    bool habilitado = true;
};

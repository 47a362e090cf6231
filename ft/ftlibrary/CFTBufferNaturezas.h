#pragma once
// The operation-nature cache: nature records by nature code, read from the natures server
// (IQVDF_Naturezas) on a miss. The order model asks the map first (Busca), loads on a miss
// (Carrega) and keeps what it loaded when the cache is enabled (Guarda). A nature is read for the
// day of the read, taken anew at each load: a cache kept past midnight does not ask for yesterday.
#include <windows.h>

#include <cstdint>
#include <string>

#include "ft/ftlibrary/CFTBufferRegistros.h"
#include "ft/ftlibrary/CFTGerenciadorInterface.h"
#include "ft/ftlibrary/registros_pedido.h"
#include "inhouse_naturezas.h"
#include "platform/inhouse/core/inhouse_guids.h"

inline constexpr long FTBufferNaturezas_Mensagem = 37;

// The natures server's manager: its initialisation also asks the server for the company's
// number of natures, which it keeps; a failure of that question fails the initialisation.
class CFTGerenciadorNaturezas
    : public CFTGerenciadorInterface<IQVDF_Naturezas, inhouse::CLSID_NaturezasServer, FTBufferNaturezas_Mensagem> {
public:
    HRESULT InicializaServidor() override;
    WORD GetQuantidadeNaturezas() const noexcept { return m_QuantidadeNaturezas; }

private:
    WORD m_QuantidadeNaturezas = 0;
};

class CFTBufferNaturezas : public CFTBufferRegistros<uint16_t, _REG_NATUREZAPS> {
public:
    using Gerenciador = CFTGerenciadorNaturezas;

    void Inicializa(const std::string& empresa, WORD usuario, LONG sessao) { m_Gerenciador.Configura(empresa, usuario, sessao); }

    // True and the record when the map holds the code (read today).
    virtual bool Busca(uint16_t codigo, _REG_NATUREZAPS& registro) const { return BuscaMapa(codigo, registro); }
    // Reads the nature from its server for today.
    HRESULT Carrega(uint16_t codigo, _REG_NATUREZAPS& registro) override;
    virtual bool Habilitado() const { return m_Habilitado; }
    virtual void Guarda(uint16_t codigo, const _REG_NATUREZAPS& registro) { GuardaMapa(codigo, registro); }

    Gerenciador m_Gerenciador;
};

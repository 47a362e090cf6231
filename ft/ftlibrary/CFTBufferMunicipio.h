#pragma once
// The municipality cache: municipality records by 16-bit register position, read from the
// municipality server (IQVMunicipios) on a miss.
#include <windows.h>

#include <cstdint>
#include <string>

#include "ft/ftlibrary/CFTBufferRegistros.h"
#include "ft/ftlibrary/CFTGerenciadorInterface.h"
#include "inhouse_localidades.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "platform/inhouse/localidades/registros_localidades.h"

inline constexpr long FTBufferMunicipio_Mensagem = 35;

class CFTBufferMunicipio : public CFTBufferRegistros<uint16_t, _REG_MUNICIPIO_PS> {
public:
    using Gerenciador = CFTGerenciadorInterface<IQVMunicipios, inhouse::CLSID_MunicipioServer, FTBufferMunicipio_Mensagem>;

    void Inicializa(const std::string& empresa, WORD usuario, LONG sessao) { m_Gerenciador.Configura(empresa, usuario, sessao); }
    HRESULT Carrega(uint16_t codigo, _REG_MUNICIPIO_PS& registro) override;

    Gerenciador m_Gerenciador;
};

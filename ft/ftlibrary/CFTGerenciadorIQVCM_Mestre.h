#pragma once
// The manager of the commercial master server, initialised with a 262-byte session record
// (session at 0, user at 4, the company text at 6: at most 255 characters, zero-filled).
#include "ft/ftlibrary/CFTGerenciadorInterface.h"
#include "inhouse_cache.h"
#include "platform/inhouse/core/inhouse_guids.h"

inline constexpr long FTGerenciadorIQVCM_Mestre_Mensagem = 1401;

class CFTGerenciadorIQVCM_Mestre
    : public CFTGerenciadorInterface<IQVFT_MestreComercial, inhouse::CLSID_MestreComercialServer,
                                     FTGerenciadorIQVCM_Mestre_Mensagem> {
public:
    HRESULT InicializaServidor() override;
    const char* FonteServidor() const override { return "FTGerenciadorIQVCM_Mestre"; }
};

#pragma once
// The process-wide session holder: every object of the server finds the logged-in session here.
// It points at the session record of the root object that logged in last (not owned) and keeps
// the user's position in the representatives' register. One login serves every client of the
// process; the latest login wins. Touched only from the server's apartment thread, so not locked.
//
// An empty holder (no login yet, or after a reset) answers as a reset session record does: empty
// company key and legal name, user 0, session 0, a zero system record, representative position 0.
#include <array>
#include <cstdint>
#include <string>

#include "server/holders/process_wide.h"

namespace server {

class CTW_Inicializa;

// GetInstancia, Destroi (part of the session reset, CTW_Inicializa::Limpa) and Existe come from
// process_wide.
class CSessaoGlobal : public process_wide<CSessaoGlobal> {
public:
    using tipos_vevureze = std::array<uint8_t, 64>;

    // Points the holder at a logged-in session record (null: no session).
    void SetDados(CTW_Inicializa* dados) noexcept { m_dados = dados; }
    // The record the holder points at, or null.
    const CTW_Inicializa* GetDados() const noexcept { return m_dados; }

    int32_t GetNumeroSessao() const noexcept;
    short GetUsuario() const noexcept;
    std::string GetEmpresa() const;
    std::string GetRazaoSocial() const;
    tipos_vevureze GetTiposVevureze() const noexcept;

    void SetPosicaoRepresentante(unsigned short posicao) noexcept { m_posicao_representante = posicao; }
    unsigned short GetPosicaoRepresentante() const noexcept { return m_posicao_representante; }

    // A session record that ends while the holder points at it unhooks itself here, so the
    // holder never reads a dead record.
    static void Esquece(const CTW_Inicializa* dados) noexcept;

private:
    friend class process_wide<CSessaoGlobal>;
    CSessaoGlobal() noexcept = default;

    CTW_Inicializa* m_dados = nullptr;
    unsigned short m_posicao_representante = 0;
};

}  // namespace server

#pragma once
// The start-up library QVFirma.dll: a company's start-up data for a user (the session number,
// the legal name and the company's 64-byte system record), read through the company server.
//
//     CQVDadosInicializacao dados;
//     dados.BuscaDados(CQVParametroInicializacao(empresa, usuario), 0, 0, 0);
//     if (dados.GetResultadoBuscaDados() == CQVDadosInicializacao::resultado_ok) ...
#include <windows.h>

#include <array>
#include <cstdint>

#include "base/CQVString.h"

class CQVParametroInicializacao {
public:
    CQVParametroInicializacao(const CQVString& empresa, unsigned short usuario) : m_sEmpresa(empresa), m_iUsuario(usuario) {}

    const CQVString& GetEmpresa() const noexcept { return m_sEmpresa; }
    unsigned short GetUsuario() const noexcept { return m_iUsuario; }

private:
    CQVString m_sEmpresa;
    unsigned short m_iUsuario = 0;
    // The library's other start-up options; the server leaves them all 0.
    int32_t m_iModulo = 0;
    int32_t m_iOpcoes = 0;
};

class CQVDadosInicializacao {
public:
    // GetResultadoBuscaDados: 0 started, 1 failed (GetCodigoErroBuscaDados says why); any other
    // value is the company's own refusal code.
    static constexpr int resultado_ok = 0;
    static constexpr int resultado_falha = 1;

    // Reads the start-up data; the three trailing arguments are the library's options (0).
    void BuscaDados(const CQVParametroInicializacao& parametro, int opcao1, int opcao2, int opcao3);
    // Closes a session that BuscaDados opened. A failure is only reported to the event log: the
    // session ends for its holder either way.
    static void EncerraSessao(const CQVString& empresa, int32_t sessao) noexcept;

    int GetResultadoBuscaDados() const noexcept { return m_iResultado; }
    HRESULT GetCodigoErroBuscaDados() const noexcept { return m_hrErro; }
    int32_t GetNumeroSecao() const noexcept { return m_lNumeroSecao; }
    const CQVString& GetRazaoSocial() const noexcept { return m_sRazaoSocial; }
    const std::array<uint8_t, 64>& GetTiposVevureze() const noexcept { return m_tipos; }

private:
    int m_iResultado = resultado_falha;
    HRESULT m_hrErro = S_OK;
    int32_t m_lNumeroSecao = 0;
    CQVString m_sRazaoSocial;
    std::array<uint8_t, 64> m_tipos{};
};

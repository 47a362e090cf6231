#pragma once
// The order library's context: who the company and the user are, and the sales parameter record
// (472 bytes), read from the sales parameter server (the commercial master) on first use. The
// record carries the day it was read and is read again on a new day; a failed read leaves it
// zero-filled and is tried again on the next use. Failures go to the event log only.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "base/QVRelogio.h"
#include "ft/ftlibrary/CFTGerenciadorIQVCM_Mestre.h"
#include "inhouse_cache.h"
#include "platform/com/com_ptr.h"

// What the data servers ask of the library context: the company text, the company code and the
// session handed to them.
class IQVDF_Profiler {
public:
    virtual ~IQVDF_Profiler() = default;
    virtual std::string GetEmpresa() const = 0;
    virtual WORD GetCodigoEmpresa() const = 0;
    virtual LONG GetSessao() const = 0;
};

class CFTAppInfo : public IQVDF_Profiler {
public:
    static constexpr size_t TamanhoParametrosFT = 472;
    // Positions the order totals read.
    static constexpr size_t LimiteRetencao1 = 170;     // CURRENCY
    static constexpr size_t LimiteRetencao2 = 178;     // CURRENCY
    static constexpr size_t LimiteRetencoes345 = 186;  // CURRENCY
    static constexpr size_t Retencoes345Juntas = 343;  // byte
    static constexpr size_t ParametroImpostos = 403;   // byte, handed to every item's tax calculation
    // A company date field's value at construction (2003-01-01).
    static constexpr uint16_t DiaFixo = 56615;

    CFTAppInfo() = default;
    CFTAppInfo(const CFTAppInfo&) = delete;
    CFTAppInfo& operator=(const CFTAppInfo&) = delete;
    ~CFTAppInfo() override { Finaliza(); }

    // Who calls: the company (its text, also the source text of the reports), its code, the user
    // and the session handed to the data servers.
    void Inicializa(const std::string& empresa, WORD codigoEmpresa, WORD usuario, LONG sessao);

    std::string GetEmpresa() const override { return m_Empresa; }
    WORD GetCodigoEmpresa() const override { return m_CodigoEmpresa; }
    LONG GetSessao() const override { return m_Sessao; }
    WORD GetUsuario() const { return m_Usuario; }

    // The record, loaded on first use (and on the first use of a new day); zero-filled when it
    // could not be read. Never null.
    virtual const BYTE* GetParametrosFT();
    bool CarregaParametrosFT();
    HRESULT ObtemServidorParametros();
    // Releases the servers; the next use creates and initialises them again.
    void Finaliza() noexcept;

    bool ParametrosCarregados() const noexcept { return m_ParametrosCarregados; }

    // Failures are reported (to the event log) only when set.
    bool m_MostraErros = true;
    uint16_t m_CampoData = DiaFixo;
    CFTGerenciadorIQVCM_Mestre m_Mestre;
    // Today's day number; tests set another clock.
    std::function<uint16_t()> m_Hoje = [] { return QVGetDataAtual(); };

private:
    void Reporta(HRESULT hr, int linha) const;

    std::string m_Empresa;
    WORD m_CodigoEmpresa = 0;
    WORD m_Usuario = 0;
    LONG m_Sessao = 0;
    BYTE m_ParametrosFT[TamanhoParametrosFT]{};
    bool m_ParametrosCarregados = false;
    uint16_t m_DiaParametros = 0;
    com::com_ptr<IQVFT_MestreComercial> m_ServidorParametros;
    bool m_ServidorInicializado = false;
};

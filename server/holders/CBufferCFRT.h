#pragma once
// The one door to the company's register of customers, suppliers, representatives and carriers
// (CFRT). It talks to two data servers: the CFRT chart (every CFRT is an account of a chart: a
// classification, a position, an account type) and the CFRT register (the record itself, part
// by part), and turns the register's parts into one QVCFRT record and back.
//
// Results: 0 is done. Besides the servers' own failures it answers the codes below; the
// 0x0004xxxx ones have success severity, so callers compare with the named codes and never take
// SUCCEEDED() of a read or write as "done":
//
//     QVCFRT r{}; r.posicao_plano = posicao;
//     if (HRESULT hr = buffer->Le(&r, 0); hr != S_OK) ...   // not found, refused or failed
//
// A read or write that does not end in 0 leaves the caller's record as it was.
#include <windows.h>

#include <array>
#include <cstdint>
#include <map>
#include <string>

#include "base/CQVString.h"
#include "base/QVDCOM.h"
#include "inhouse_cfrt.h"
#include "platform/com/com_ptr.h"
#include "platform/inhouse/cfrt/QVCFRT.h"

// The accessor's result codes.
inline constexpr HRESULT QVCFRT_SEM_SERVIDOR = static_cast<HRESULT>(0x80043FEDu);       // chart off, or a server missing
inline constexpr HRESULT QVCFRT_FALTA_CODIGO = static_cast<HRESULT>(0x8004077Au);       // classification or own code required
inline constexpr HRESULT QVCFRT_CONTA_INEXISTENTE = static_cast<HRESULT>(0x000405E0);   // no account at that position
inline constexpr HRESULT QVCFRT_TIPO_INVALIDO = static_cast<HRESULT>(0x000405FC);       // unknown kind
inline constexpr HRESULT QVCFRT_PESSOA_INVALIDA = static_cast<HRESULT>(0x000405FD);     // unknown person type
inline constexpr HRESULT QVCFRT_FALTA_ENDERECO = static_cast<HRESULT>(0x000405FE);      // street (record 2610) empty
inline constexpr HRESULT QVCFRT_NOVO_COM_POSICAO = static_cast<HRESULT>(0x00040600);    // new CFRT with a register position
inline constexpr HRESULT QVCFRT_SEM_CHAVE = static_cast<HRESULT>(0x00040601);           // nothing to find it by / name missing
inline constexpr HRESULT QVCFRT_NAO_ENCONTRADO = static_cast<HRESULT>(0x000407BB);      // no account for that code or classification
// Ours: a money value that does not fit the register's 16-bit hundredths (0 to 655.35).
inline constexpr HRESULT QVCFRT_VALOR_FORA_DA_FAIXA = static_cast<HRESULT>(0x80040607u);

// One CFRT record with the two free texts that the register delivers separately.
class CQVCFRTDados {
public:
    CQVCFRTDados() noexcept : m_registro{} {}
    explicit CQVCFRTDados(const QVCFRT& registro) : m_registro(registro) {}
    CQVCFRTDados(const CQVCFRTDados&) = default;
    CQVCFRTDados& operator=(const CQVCFRTDados&) = default;
    virtual ~CQVCFRTDados() = default;

    QVCFRT m_registro;
    CQVString m_sTexto1;    // the annotations
    CQVString m_sTexto2;
};

class CBufferCFRT {
public:
    CBufferCFRT();
    CBufferCFRT(const CBufferCFRT& other);
    CBufferCFRT& operator=(const CBufferCFRT& other);
    ~CBufferCFRT();

    // Keeps user and session (a changed company empties the record cache), creates whichever
    // server is missing, initialises the chart (and reads its settings) and the register.
    HRESULT Inicializa(const CQVString& empresa, WORD usuario, long sessao);
    CQVString GetEmpresa() const { return m_sEmpresa; }
    WORD GetUsuario() const noexcept { return m_wUsuario; }
    long GetSessao() const noexcept { return m_lSessao; }

    void LiberaServidores() noexcept;
    // After a failed server call: drops the register server (and the chart server when it is
    // used); the next Inicializa creates them again.
    void DescartaServidores() noexcept;
    // Brings back the servers DescartaServidores dropped, with the session kept (S_OK when they
    // are there): one failed call does not fail every later one.
    HRESULT Retoma();
    void SetUsaServidorPlano(bool usa) noexcept { m_bUsaServidorPlano = usa; }
    void SetSegundaOpcao(bool segunda) noexcept { m_bSegundaOpcao = segunda; }
    void SetMascara(char mascara) noexcept { m_cMascara = mascara; }

    void SetCache(bool usa, long limite);
    void LimpaCache() noexcept { m_cache.clear(); }
    void RemoveDoCache(long posicao) noexcept { m_cache.erase(posicao); }
    void SetCacheContatos(bool usa);
    void SetCacheInfoExtras(bool usa);
    void LimpaCacheContatos() noexcept { m_cache_contatos.clear(); }
    void LimpaCacheInfoExtras() noexcept { m_cache_info_extras.clear(); }
    size_t TamanhoCache() const noexcept { return m_cache.size(); }

    // Reads the CFRT whose chart position, own code or classification `registro` carries.
    HRESULT Le(QVCFRT* registro, long mascara);
    HRESULT LeRegistro(CQVCFRTDados* dados, long mascara);
    HRESULT LeInfoExtras(long chave, uint8_t* info /* 252 bytes */);
    // Saves the CFRT (chart position 0: a new one) and gives back what was saved. A write that
    // fails after the chart account was registered still gives back its chart position.
    HRESULT Grava(QVCFRT* registro);
    HRESULT GravaRegistro(CQVCFRTDados* dados);

    // Mode 1 applies the CPF/CNPJ mask to 11 or 14 digits; mode 0 keeps only the digits.
    static void MascaraCpfCnpj(char* texto, int modo);
    // Appends the two check digits (12 digits: CNPJ; otherwise CPF). `texto` needs room for 2 more.
    static void CalculaDigitosCpfCnpj(char* texto);
    // A 7-character postal code gains its leading "0"; with mask 'S', 8 digits become "nn.nnn-nnn".
    CQVString FormataCEP(const CQVString& cep) const;

    // The chart settings as read by Inicializa.
    const std::array<uint8_t, QV_CFRT_TAMANHO_CONFIGURACAO>& GetConfiguracao() const noexcept { return m_configuracao; }
    bool GetCodigoObrigatorio() const noexcept { return m_bCodigoObrigatorio; }
    IQVDF_Plano* GetServidorPlano() const noexcept { return m_plano.get(); }
    IQVDF_CFRT* GetServidorCadastro() const noexcept { return m_cadastro.get(); }

private:
    char regra_posicao() const noexcept { return static_cast<char>(m_configuracao[QV_CFRT_CONFIG_REGRA_POSICAO]); }

    com::com_ptr<IQVDF_Plano> m_plano;      // the chart server
    com::com_ptr<IQVDF_CFRT> m_cadastro;    // the register server
    char m_cMascara = 'N';
    std::array<uint8_t, QV_CFRT_TAMANHO_CONFIGURACAO> m_configuracao{};
    CQVString m_sEmpresa;            // at most 29 characters
    WORD m_wUsuario = 0;
    long m_lSessao = 0;
    bool m_bUsaServidorPlano = true;
    bool m_bSegundaOpcao = false;
    bool m_bCodigoObrigatorio = false;
    std::map<long, CQVCFRTDados> m_cache;
    std::map<long, std::array<uint8_t, 384>> m_cache_contatos;
    std::map<long, std::array<uint8_t, QV_CFRT_TAMANHO_INFO_EXTRAS>> m_cache_info_extras;
    long m_lLimiteCache = 5000;
    bool m_bUsaCache = false;
    bool m_bUsaCacheContatos = false;
    bool m_bUsaCacheInfoExtras = false;
};

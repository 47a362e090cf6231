#pragma once
// The session data cache: for one company, user and session, the master records that module
// objects look up again and again, with the data servers that deliver them. A lookup answers from
// memory when it can; on a miss it asks the server (retrying while it is unavailable) and keeps
// the answer. The root object embeds one; other objects may own their own.
//
// Lookups answer 0 when found. A positive answer is the server's "not found" (nothing cached) and
// a negative one a failure: callers compare with 0, never only with the sign.
#include <windows.h>

#include <array>
#include <cstdint>
#include <map>
#include <memory>

#include "base/CQVString.h"
#include "inhouse_cfrt.h"
#include "inhouse_login.h"
#include "platform/com/com_ptr.h"
#include "platform/inhouse/cfrt/QVCFRT.h"
#include "platform/inhouse/cfrt/registros_tavon.h"
#include "server/holders/CBufferCFRT.h"

// The branch-access table: a 16-bit head and one byte per branch position (non-zero: access).
inline constexpr size_t QV_TAMANHO_ACESSO_FILIAIS = 1002;

class CDadosTavon {
public:
    CDadosTavon();
    CDadosTavon(const CDadosTavon&) = delete;
    CDadosTavon& operator=(const CDadosTavon&) = delete;
    virtual ~CDadosTavon();

    // A new company, user or session empties the caches (the servers stay).
    void SetEmpresa(const CQVString& empresa, WORD usuario, long sessao);
    // Whether lookups report their failures; returns the previous value.
    bool SetTrataErros(bool trata) noexcept;
    void LimpaCaches();
    // Releases every server and empties the caches.
    void Finaliza() noexcept;

    // The servers, created and initialised on first use; null when that failed (reported).
    IQVFN_Banco* GetInterfacePortador();
    IQVDF_Plano* GetInterfaceContas();
    IQVUsuarios* GetInterfaceUsuario();

    // 0 and the record when found; key 0 answers 1 without asking. The record is zeroed first.
    long LeConta(long chave, _RegContaPS* conta);
    long LePortador(long chave, _REG_BANCO_ps* portador);
    // The user's branch-access table (not cached). A failed read grants no branch: the table
    // stays all zero and the failure is answered.
    HRESULT LeAcessoFiliais(uint8_t* tabela);

    CBufferCFRT& GetBufferCFRT() noexcept { return m_buffer_cfrt; }
    const CQVString& GetEmpresa() const noexcept { return m_sEmpresa; }
    WORD GetUsuario() const noexcept { return m_wUsuario; }
    long GetSessao() const noexcept { return m_lSessao; }
    bool GetTrataErros() const noexcept { return m_bTrataErros; }
    size_t ContasEmCache() const noexcept { return m_contas.size(); }
    size_t PortadoresEmCache() const noexcept { return m_portadores.size(); }

private:
    void reporta(HRESULT hr, long mensagem, long flags, int linha) const;
    template <class Block, class Itf>
    HRESULT cria_e_inicializa(com::com_ptr<Itf>& servidor, const CLSID& clsid, long flags, long msg_cria,
                              long msg_inicializa);
    template <class Record, class Itf, class Le>
    long le_com_cache(long chave, Record* out, std::map<long, Record>& cache, Itf* (CDadosTavon::*servidor)(), Le le,
                      long mensagem);

    long m_lSessao = 0;
    CQVString m_sEmpresa;          // at most 31 characters
    WORD m_wUsuario = 0;
    bool m_bTrataErros = true;
    CQVString m_sTexto;
    std::array<uint8_t, 64> m_registro64{};
    std::array<uint8_t, 72> m_registro72{};

    std::map<long, _RegContaPS> m_contas;
    std::map<long, _RegContaPS> m_contas2;
    std::map<long, _REG_BANCO_ps> m_portadores;
    std::map<long, std::unique_ptr<QVCFRT>> m_cfrts;
    CBufferCFRT m_buffer_cfrt;

    com::com_ptr<IQVFN_Banco> m_portador;
    bool m_portador_pronto = false;
    com::com_ptr<IQVDF_Plano> m_contas_servidor;
    bool m_contas_pronto = false;
    com::com_ptr<IQVUsuarios> m_usuario;
    bool m_usuario_pronto = false;
};

#pragma once
// The worker behind CQVDFNatureza: the filters (branch, nature type, module, products or
// services), the natures loaded for them in code order and the CFOP mask their codes are shown
// with. Failures of the load are numbered messages that return the failing call's HRESULT; a
// position outside the loaded natures is a numbered message with 0xFFFFFFFF.
#include <windows.h>

#include <string>
#include <vector>

#include "VAVEDERAZur.h"
#include "platform/inhouse/acesso/QVAcesso.h"
#include "server/root/CEmpresarialInicializa.h"

namespace masterdata {

// The day the natures server is asked about: the natures in force on it are listed.
inline constexpr WORD dia_naturezas = 56617;

// The branch's mask as kept: '.' stays, every other character becomes '#'.
std::string mascara_cfop(const std::string& mascara);
// A code shown with a kept mask: dots removed, then a dot wherever the mask has one.
std::string aplica_mascara(std::string codigo, const std::string& mascara);

class CDFNatureza : public server::CEmpresarialInicializa {
public:
    // Takes the root object's session (its failure is returned as it is) and loads the natures of
    // the current filters for the module's low byte.
    HRESULT Inicializa(IQV_Inicializa* pInicializa, short iModulo);

    short GetFilial() const noexcept { return static_cast<short>(m_iFilial); }
    void SetFilial(short filial) noexcept { m_iFilial = static_cast<WORD>(filial); }
    short GetTipoNatureza() const noexcept { return static_cast<short>(static_cast<signed char>(m_cTipoNatureza)); }
    void SetTipoNatureza(short tipo) noexcept { m_cTipoNatureza = static_cast<BYTE>(tipo); }
    short GetModulo() const noexcept { return static_cast<short>(m_cModulo); }
    void SetModulo(short modulo) noexcept { m_cModulo = static_cast<BYTE>(modulo); }
    void SetStatusTipoProduto() noexcept { m_cTipoProduto = 'P'; }
    void SetStatusTipoServico() noexcept { m_cTipoProduto = 'S'; }
    char GetTipoProduto() const noexcept { return static_cast<char>(m_cTipoProduto); }

    short GetQuantidade() const noexcept { return static_cast<short>(m_naturezas.size()); }
    // The loaded nature at a position (0-based): its masked code, its name and its branch.
    std::string GetCodigo(short iPosicao) const;
    std::string GetNome(short iPosicao) const;
    short GetFilialNatureza(short iPosicao) const;

    // The nature at a server position, read from the server (not from the loaded natures).
    std::string LeCodigo(WORD iPosicao);
    std::string LeNome(WORD iPosicao);
    bool TemIntegracaoFinanceiro(WORD iPosicao);
    // The nature's register position for a code (0 when there is none).
    WORD Existe(const std::string& codigo);

    const std::string& GetMascara() const noexcept { return m_sMascara; }

private:
    const inhouse::REG_NATUREZA& Carregada(short iPosicao, const char* mensagem) const;
    inhouse::REG_NATUREZA Le(WORD iPosicao);

    CConexaoNatureza m_conexao;
    std::string m_sMascara;
    std::vector<inhouse::REG_NATUREZA> m_naturezas;
    WORD m_iFilial = 0;
    BYTE m_cTipoNatureza = 0;
    BYTE m_cTipoProduto = 'P';
    BYTE m_cModulo = 3;
};

}  // namespace masterdata

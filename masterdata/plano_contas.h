#pragma once
// The work the chart-of-accounts classes share (CTW_DF_PlanoContas, CQVDF_PlanoContas,
// CTW_DF_PlanoContasContabil): the search list of the last search and the chart server's
// reads, searches and the save of a new account. Failures are thrown com::failure with the text
// each class gives.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "VAVEDERAZur.h"
#include "platform/com/com_ptr.h"
#include "platform/inhouse/acesso/QVAcesso.h"

namespace masterdata {

// GravaConta's results of its own (any other is the chart server's answer).
inline constexpr LONG codigo_proprio_em_uso = -1;
inline constexpr LONG classificacao_recusada = -2;

class plano_contas {
public:
    // Replaces the search list by the server's answer and gives its size; a null answer keeps the
    // list and gives 0.
    LONG BuscaF4(IQVDF_Plano& plano, USHORT caracteristica, BSTR tipo, const char* texto);
    // The account of entry `posicao` of the search list: null when out of range or hidden.
    com::com_ptr<IQVDF_Conta> ContaDaLista(CConexaoPlano& conexao, LONG posicao, const char* texto_ler,
                                           const char* texto_criar, bool com_flags) const;
    const std::vector<uint32_t>& Lista() const noexcept { return m_ponteiros; }

    static com::com_ptr<IQVDF_Conta> Le(IQVDF_Plano& plano, LONG posicao);
    // The account of a code, or null.
    static com::com_ptr<IQVDF_Conta> Existe(IQVDF_Plano& plano, BSTR codigo);
    static bool UtilizaCodigoProprio(IQVDF_Plano& plano, const char* texto);
    // Saves a new account built from the record: -2 for a refused classification, -1 for an own
    // code in use, else the server's answer. `codigo_tambem_proprio`: the own code also goes into
    // the own-code field.
    static LONG Grava(IQVDF_Plano& plano, _RegContaPS conta, const std::string& codigo_proprio,
                      bool codigo_tambem_proprio);
    // The record of a new account from an account object.
    static _RegContaPS RegistroDe(IQVDF_Conta& conta, std::string& codigo_proprio);

private:
    std::vector<uint32_t> m_ponteiros;
};

// Passes the session's representative to the chart server, so that the searches show only its
// customers (nothing to pass outside a representative's session).
void limita_ao_representante(IQVDF_Plano& plano, const char* texto);
// A representative's session may not see beyond its own customers: any other position is refused
// with E_ACCESSDENIED.
void confere_representante(ULONG posicao);

}  // namespace masterdata

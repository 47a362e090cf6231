#pragma once
// The one road by which a user's active-branch flags are changed, for the branch list objects
// (CFiliais and CTW_DF_ListaFiliais): the flags say where the user may work, so changing them is a
// change of rights, allowed only to a session whose user holds every right.
#include <windows.h>

#include "platform/inhouse/acesso/CConexaoUsuario.h"
#include "platform/inhouse/login/registros_login.h"

namespace masterdata {

// The register positions a flag may stand for; position 0 of the block is no branch.
inline constexpr long primeira_posicao_filial = 1;
inline constexpr long ultima_posicao_filial = static_cast<long>(sizeof(inhouse::FILIAIS_ATIVAS::filiais)) - 1;

// Whether the block's flag of a position (0 to 999) is set; false for any other position.
bool filial_ativa(const inhouse::FILIAIS_ATIVAS& bloco, long posicao) noexcept;

// Sets or clears the flag of the branch at `posicao` and writes the whole block for `usuario`
// through the user connection; `bloco` changes only when the write succeeded. Throws
// com::failure: E_ACCESSDENIED when `sessao` is not an open session of the user or the user
// lacks every right (nothing is written), E_INVALIDARG for a position outside 1 to 999, the
// server's HRESULT when a read or the write fails.
void grava_filial_ativa(CConexaoUsuario& usuarios, WORD usuario, long sessao, inhouse::FILIAIS_ATIVAS& bloco,
                        long posicao, bool ativa);

}  // namespace masterdata

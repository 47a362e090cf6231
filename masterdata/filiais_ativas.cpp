#include "masterdata/filiais_ativas.h"

#include "masterdata/messages.h"
#include "platform/com/failure.h"

namespace masterdata {

bool filial_ativa(const inhouse::FILIAIS_ATIVAS& bloco, long posicao) noexcept {
    return posicao >= 0 && posicao <= ultima_posicao_filial && bloco.filiais[posicao] != 0;
}

void grava_filial_ativa(CConexaoUsuario& usuarios, WORD usuario, long sessao, inhouse::FILIAIS_ATIVAS& bloco,
                        long posicao, bool ativa) {
    // A client names the user and the session when it initialises a list of its own: the user
    // counts only with a session of its own, open now.
    bool aberta = false;
    com::check(usuarios.SessaoAberta(usuario, sessao, aberta), msg::filiais_ler_permissao);
    if (!aberta) com::fail(msg::filiais_sem_permissao, E_ACCESSDENIED);
    // Asked of the server every time: rights taken away during the session count at once.
    bool todos = false;
    com::check(usuarios.PossuiTodosDireitos(usuario, todos), msg::filiais_ler_permissao);
    if (!todos) com::fail(msg::filiais_sem_permissao, E_ACCESSDENIED);
    if (posicao < primeira_posicao_filial || posicao > ultima_posicao_filial)
        com::fail(msg::filiais_posicao_invalida, E_INVALIDARG);

    inhouse::FILIAIS_ATIVAS novo = bloco;
    novo.filiais[posicao] = ativa ? 1 : 0;
    // The head counts the set flags.
    novo.quantidade = 0;
    for (uint8_t f : novo.filiais) novo.quantidade = static_cast<uint16_t>(novo.quantidade + (f != 0));
    com::check(usuarios.GravaFiliaisAtivas(usuario, novo), msg::filiais_gravar_ativas);
    bloco = novo;
}

}  // namespace masterdata

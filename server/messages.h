#pragma once
// The server core's texts, as clients read them (CP1252 in the binary).

namespace server::msg {

inline constexpr char erro_inicializar[] = "Erro ao inicializar ZidizUvi.";
inline constexpr char sem_filial_ativa[] = "Usuário não tem acesso a nenhuma filial ativa.";
inline constexpr char erro_versao_base[] = "Erro ao buscar versão da base.";
inline constexpr char chave_empresa_longa[] = "O código da empresa tem mais de 23 caracteres.";
inline constexpr char usuario_longo[] = "O nome do usuário tem mais de 17 caracteres.";
inline constexpr char senha_longa[] = "A senha tem mais de 17 caracteres.";
inline constexpr char chave_empresa_invalida[] = "O código da empresa contém caracteres inválidos.";
inline constexpr char usuario_invalido[] = "O nome do usuário contém caracteres inválidos.";
inline constexpr char senha_invalida[] = "A senha contém caracteres inválidos.";
// Why the server has no company data (the event log and every refused login say it).
inline constexpr char instalacao_ausente[] =
    "A instalação do ZidizUvi não foi encontrada: falta o valor \"Cadastros\" da chave "
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\RO Vivavevo no registro.";
inline constexpr char banco_ausente[] = "O banco de dados da instalação não foi encontrado: ";
inline constexpr char banco_inutilizavel[] = "O banco de dados da instalação não pode ser usado: ";
inline constexpr char componente_nao_inicializado[] = "1\t-\tComponente não inicializado !";
inline constexpr char falha_criar_objeto[] = "Falha ao criar objeto.";
inline constexpr char nao_disponivel[] = "Função ainda não disponível.";
// The accounting master could not be created for the lower / the upper movement date.
inline constexpr char instanciar_filial_inferior[] = "Falha ao instanciar filial.";
inline constexpr char instanciar_filial_superior[] = "Falha ao instanciar filial";

}  // namespace server::msg

#pragma once
// The server core's texts, as clients read them (CP1252 in the binary).

namespace server::msg {

inline constexpr char erro_inicializar[] = "Erro ao inicializar ZidizUvi.";
inline constexpr char sem_filial_ativa[] = "Usuário não tem acesso a nenhuma filial ativa.";
inline constexpr char erro_versao_base[] = "Erro ao buscar versão da base.";

}  // namespace server::msg

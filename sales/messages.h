#pragma once
// The sales classes' texts, as clients read them (CP1252 in the binary).

namespace sales::msg {

// Visit scheduling.
inline constexpr char ler_agendamento_posicao[] = "Falha ao ler agendamento(posição inválida)";
inline constexpr char criar_agendamento_visita[] = "Falha ao criar obj de TW_FT_AgendamentoVisita";
inline constexpr char buscar_agendamentos[] = "Falha ao buscar agendamentos de visitas.";
inline constexpr char ler_agendamento[] = "Falha ao ler agendamento de visita.";
inline constexpr char gravar_agendamento[] = "Falha ao gravar agendamento de visita.";
inline constexpr char servidor_agendamentos[] = "Falha ao instanciar agendamentos de visitas.";
inline constexpr char posicao_agendamento[] = "Posição de agendamento inválida.";
inline constexpr char data_invalida[] = "Data inválida.";

// Customer history.
inline constexpr char carregar_conta[] = "Falha ao carregar conta.";
inline constexpr char ler_cliente[] = "Falha ao ler cliente.";
inline constexpr char resumo_vendas[] = "Falha ao ler resumo de vendas do cliente.";
inline constexpr char posicao_financeira[] = "Falha ao ler posição financeira do cliente.";
inline constexpr char cheques_terceiros[] = "Falha ao ler cheques de terceiros do cliente.";

}  // namespace sales::msg

#pragma once
// The report viewer launcher's texts, as clients read them (CP1252 in the binary). The %
// fields are filled with snprintf.

namespace qvcadvis::msg {

inline constexpr char nao_instalado[] = "Visualizador de relatórios não instalado: \"%s\" não encontrado.";
inline constexpr char nao_iniciou[] = "Não foi possível executar o visualizador de relatórios.";
inline constexpr char tempo_esgotado[] =
    "O visualizador de relatórios não terminou em %lu segundos e foi encerrado.";
inline constexpr char uso_invalido[] = "Relatório ou arquivo PDF não informado ao visualizador de relatórios.";
inline constexpr char acao_desconhecida[] = "Ação %d desconhecida pelo visualizador de relatórios.";
inline constexpr char sem_impressora[] = "Não há impressora PDF registrada para o visualizador de relatórios.";
inline constexpr char impressora_ausente[] = "A impressora PDF registrada não está instalada.";
inline constexpr char relatorio_ilegivel[] = "O relatório \"%s\" não pôde ser lido.";
inline constexpr char falha_pdf[] = "Falha ao gerar o PDF do relatório \"%s\".";
inline constexpr char falha_gravacao[] = "O arquivo PDF \"%s\" não pôde ser gravado.";
inline constexpr char codigo_desconhecido[] = "O visualizador de relatórios terminou com o código %lu.";
inline constexpr char pdf_ausente[] = "O visualizador de relatórios não gerou o arquivo PDF \"%s\".";

}  // namespace qvcadvis::msg

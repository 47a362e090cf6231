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
inline constexpr char falha_instanciar_posicao[] = "Falha ao instanciar posição de produtos.";
inline constexpr char falha_operacoes_comerciais[] = "Falha ao instanciar operações comerciais.";
inline constexpr char falha_agendamentos_visitas[] = "Falha ao instanciar agendamentos de visitas.";
// The supplier's quotation of InicializaCotacao.
inline constexpr char instanciar_cotacao[] = "Falha na instanciar cotação";
inline constexpr char inicializacao_interna[] = "Falha na inicialização interna.";
inline constexpr char inicializacao_interna_2[] = "Falha na inicialização interna 2.";
inline constexpr char nao_disponivel[] = "Função ainda não disponível.";
// The root object's questions about rights, users and the company.
inline constexpr char modulo_longo[] = "O código do módulo tem mais de 5 caracteres.";
inline constexpr char erro_servidor_usuarios[] = "Falhar ao instanciar servidor de usuários.";
inline constexpr char erro_registro_geral_usuario[] = "Falha ao ler o registro geral do usuário.";
inline constexpr char erro_direito_usuario[] = "Falha ao consultar o direito do usuário.";
inline constexpr char erro_resultado_usuarios[] = "Falha ao instanciar resultado da busca de usuário.";
inline constexpr char erro_carregar_usuarios[] = "Falha ao carregar usuários.";
inline constexpr char posicao_usuario_invalida[] = "Posição de usuário inválida.";
inline constexpr char erro_buscar_mestre[] = "Falha ao buscar o mestre.";
inline constexpr char erro_ler_logotipo[] = "Falha ao ler logotipo.";
inline constexpr char erro_ler_filial[] = "Falha ao ler filial.";
inline constexpr char erro_servidor_categorias[] = "Falha ao instanciar servidor de categorias.";
inline constexpr char erro_inicializar_categorias[] = "Falha ao inicializar servidor de categorias.";
inline constexpr char erro_ler_categoria[] = "Falha ao ler categoria.";
// A filter that is not a table of this server.
inline constexpr char filtro_estrangeiro[] = "O filtro não é uma tabela ZidizUvi.QVHashTable deste servidor.";

// Reports: the type, the read-back of a report file and the PDF road.
inline constexpr char tipo_relatorio_invalido[] = "Tipo de relatório inválido.";
inline constexpr char instanciar_servidor_relatorios[] = "Falha ao instanciar servidor de relatórios.";
inline constexpr char inicializar_servidor_relatorios[] = "Falha ao inicializar servidor de relatórios.";
inline constexpr char transferir_relatorio[] = "Falha ao transferir conteúdo do relatório.";
inline constexpr char sem_driver_pdf[] = "Não há driver PDF instalado.";
inline constexpr char verificar_driver_pdf[] = "Falha ao verificar Drive de PDF";
inline constexpr char gravar_impressora_pdf[] = "Não foi possível registrar a impressora de PDF.";
inline constexpr char gravar_relatorio_pdf[] = "Não foi possível gravar o relatório na pasta de relatórios.";
inline constexpr char gerar_pdf[] = "Falha ao gerar o PDF do relatório.";
inline constexpr char pdf_nao_gerado[] = "O arquivo PDF do relatório não foi gerado.";
inline constexpr char ler_pdf[] = "Falha ao ler o arquivo PDF do relatório.";
// The worker objects' read-back.
inline constexpr char instanciar_componente_relatorios[] = "Falha ao instancia componente de relatórios";
inline constexpr char inicializar_componente_relatorio[] =
    "Falha ao inicializar componente de relatório, arquivo temporário '%s'";
inline constexpr char trasferir_relatorio[] = "Falha ao trasferir conteúdo do relatório";
// The accounting master could not be created for the lower / the upper movement date.
inline constexpr char instanciar_filial_inferior[] = "Falha ao instanciar filial.";
inline constexpr char instanciar_filial_superior[] = "Falha ao instanciar filial";

}  // namespace server::msg

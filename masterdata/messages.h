#pragma once
// The master-data classes' texts, as clients read them (CP1252 in the binary).

namespace masterdata::msg {

// Company and managerial charts.
inline constexpr char tamanho_plano_contabil[] = "Falha ao buscar tamanho do Plano Contábil.";
inline constexpr char tamanho_plano_gerencial[] = "Falha ao buscar tamanho do Plano Gerencial.";
inline constexpr char indices_plano_contabil[] = "Falha ao buscar índices do Plano Contábil.";
inline constexpr char indices_plano_gerencial[] = "Falha ao buscar índices do Plano Gerencial.";
inline constexpr char ler_conta_plano[] = "Falha ao ler conta.";

// The chart of accounts and its account objects.
inline constexpr char ler_conta[] = "Falha ao ler conta";
inline constexpr char pesquisar_plano[] = "Falha ao pesquisar plano de contas";
inline constexpr char criar_conta[] = "Falha criar conta";
inline constexpr char ler_plano_contas[] = "Falha ao ler plano de contas";
inline constexpr char nova_conta[] = "Falha ao criar uma conta";
inline constexpr char ler_configuracoes[] = "Falha ao ler as configurações do plano de contas";
inline constexpr char consultar_plano[] = "Falha ao consultar o plano de contas";
inline constexpr char gravar_conta[] = "Falha ao gravar conta no plano de contas";
inline constexpr char inicializar_plano[] = "Falha ao inicializar o plano de contas";
inline constexpr char falha_plano[] = "Falha no plano de contas";
inline constexpr char criar_servidor_plano[] = "Falha ao criar servidor de plano de contas";
// A representative's session sees only its own customers and cannot see more.
inline constexpr char representante_sem_acesso[] =
    "Acesso negado: a sessão de um representante não pode ver as contas de outro representante.";

// The customer and supplier chart.
inline constexpr char buscar_plano[] = "Falha ao buscar plano de contas";
inline constexpr char ler_contas[] = "Falha ao ler contas";
inline constexpr char busca_nao_feita[] = "Busca ainda não foi feita com essa característica";

// The report models list. Reading a model fails with the full stop for the managerial flag only.
inline constexpr char criar_interface_relatorios[] = "Falha ao criar interface de relatórios.";
inline constexpr char inicializar_interface_relatorios[] = "Falha ao inicializar interface de relatórios.";
inline constexpr char buscar_nomes_relatorios[] = "Falha ao buscar nome de relatórios.";
inline constexpr char ler_relatorio_ponto[] = "Falha ao ler relatório.";
inline constexpr char ler_relatorio[] = "Falha ao ler relatório";
// The editor server's client (numbered messages of its worker).
inline constexpr char editor_inicializar[] = "87\t-\tNão Conseguiu inicializar o cliente do servidor de editor!\n ";
inline constexpr char editor_carregar[] = "88\t-\tNão Conseguiu carregar o editor!\n ";
// The chart reports.
inline constexpr char tipo_relatorio_nao_definido[] = "Tipo de relatório não foi definido.";
inline constexpr char conta_nao_existe[] = "A conta informada não existe.";
inline constexpr char conta_titulo[] = "Deve ser informada uma conta do tipo 'Título'.";
inline constexpr char gerar_relatorio[] = "Não foi possível gerar o relatório.";
// The company's properties.
inline constexpr char buscar_configuracoes[] = "Falha ao buscar configurações.";
inline constexpr char periodo_inicial[] = "Falha ao buscar período inicial.";
inline constexpr char periodo_final[] = "Falha ao buscar período final.";
// The operation natures register (numbered messages of its worker: %d the HRESULT in decimal,
// %s the message library's text for it; the index messages take 0 and the last position).
inline constexpr char natureza_filial[] = "95\t-\tFalha ao inicializar a filial - HRESULT = %d  - %s";
inline constexpr char natureza_cfop[] = "96\t-\tFalha ao ler o CFOP - HRESULT = %d  - %s";
inline constexpr char natureza_cadastro[] = "97\t-\tFalha ao inicializar o cadastro de naturezas - HRESULT = %d  - %s";
inline constexpr char natureza_quantidade[] = "98 \t-\tFalha ao buscar a quantidade de naturezas - HRESULT = %d  - %s";
inline constexpr char natureza_registros[] = "99 \t-\tFalha ao buscar os registros de naturezas - HRESULT = %d  - %s";
inline constexpr char natureza_indice_codigo[] = "100  -\tO índice deve estar entre %d e %d ";
inline constexpr char natureza_indice_nome[] = "101  -\tO índice deve estar entre %d e %d ";
inline constexpr char natureza_indice_filial[] = "102  -\tO índice deve estar entre %d e %d ";
// A nature the server could not read or look up.
inline constexpr char natureza_ler[] = "Falha ao ler a natureza de operação.";
inline constexpr char natureza_existe[] = "Falha ao procurar a natureza de operação.";
// The standard histories loaded whole.
inline constexpr char quantidade_historicos[] = "Falha ao buscar quantidade de históricos";
inline constexpr char indices_historicos[] = "Falha ao buscar índices de históricos";
inline constexpr char ler_historico[] = "Falha ao ler dados de histórico";
// The standard histories read one by one (numbered messages of their worker; the %x and %d are
// filled in by the worker).
inline constexpr char historico_inicializar[] = "82\t-\tNão Conseguiu inicializar o servidor de historico!\n HRESULT: %x  ";
inline constexpr char historico_quantidade[] = "83\t-\tNão conseguiu buscar a Quantidade de históricos ! HRESULT = %x";
inline constexpr char historico_posicoes[] = "84\t-\tNão conseguiu buscar os históricos! HRESULT = %x";
inline constexpr char historico_ler[] = "85\t-\tNão conseguiu ler do Histórico, Posição %d ! HRESULT = %x";
inline constexpr char historico_limites[] = "86\t-\tPosicao %d ultrapassou os limites entre 0 e %d ";
// The document register (numbered messages of its worker; the HRESULT in decimal, then the
// message library's text for it).
inline constexpr char documento_inicializar[] = "103\t-\tFalha ao inicializar o Cadastro de documento - HRESULT = %d  - %s";
inline constexpr char documento_quantidade[] =
    "104\t-\tFalha ao buscar a quantidade do Cadastro de documento - HRESULT = %d  - %s";
inline constexpr char documento_ler[] = "107\t-\tFalha ao ler o Cadastro de documento - HRESULT = %d  - %s";
inline constexpr char documento_indice_codigo[] = "104  -\tO índice deve estar entre %d e %d ";
inline constexpr char documento_indice_descricao[] = "105  -\tO índice deve estar entre %d e %d ";
inline constexpr char documento_indice_filial[] = "106  -\tO índice deve estar entre %d e %d ";

// States and municipalities ("incializado" as clients have always read it).
inline constexpr char inicializar_estados[] = "Falha ao inicializar estados";
inline constexpr char inicializar_servidor_estado[] = "Falha ao inicializar servidor de estado";
inline constexpr char criar_servidor_estado[] = "Falha ao criar servidor de estado";
inline constexpr char objeto_nao_inicializado[] = "Objeto não foi incializado";
inline constexpr char ler_estados[] = "Falha ao ler estados";
inline constexpr char instanciar_estado[] = "Falha ao instanciar estado";
inline constexpr char inicializar_municipios[] = "Falha ao inicializar os municípios";
inline constexpr char ler_municipios[] = "Falha ao ler os municípios";
inline constexpr char ler_municipio[] = "Falha ao ler município";
inline constexpr char pesquisar_municipio[] = "Falha ao pesquisar município";
// A state's regions, by the register's codes.
inline constexpr const char* regioes_geo[] = {"Sul", "Sudeste", "Norte", "Nordeste", "Centro Oeste"};
inline constexpr const char* regioes_fiscais[] = {"Sul/Sudeste, menos Espírito Santo",
                                                  "Norte/Nordeste/Centro Oeste mais Espírito Santo",
                                                  "Zona Franca de Manaus e Exterior"};
// The branches and the user's active branches.
inline constexpr char filiais_inicializar[] = "Falha ao inicializar o servidor de Filiais";
inline constexpr char filiais_inicializar_usuarios[] = "Falha ao inicializar o servidor de usuários";
inline constexpr char filiais_ler_ativas[] = "Falha ao ler filiais ativas";
inline constexpr char filiais_ler_filial[] = "Falha ao ler filial";
inline constexpr char filiais_quantidade[] = "Falha ao buscar a quantidade de filiais.";
inline constexpr char filiais_criar_filial[] = "Falha ao ler uma filial";
inline constexpr char filiais_nome_vazio[] = "(Nome não cadastrado)";
inline constexpr char filiais_sem_permissao[] = "Usuário sem permissão para alterar o acesso às filiais.";
inline constexpr char filiais_ler_permissao[] = "Falha ao verificar as permissões do usuário.";
inline constexpr char filiais_gravar_ativas[] = "Falha ao gravar filiais ativas.";
inline constexpr char filiais_posicao_invalida[] = "Posição de filial inválida.";
inline constexpr char filiais_sem_lista[] = "A filial não pertence a uma lista de filiais.";
inline constexpr char filiais_sem_atual[] = "Nenhuma filial foi selecionada.";

// The customer and supplier register.
inline constexpr char inicializar_cfrt[] = "Falha ao inicializar o CFRT";
inline constexpr char sem_acesso_recurso[] = "Usuário não possui acesso para utilizar este recurso";
inline constexpr char gravar_cliente[] = "Falha ao gravar cliente";
inline constexpr char gravar_fornecedor[] = "Falha ao gravar fornecedor";
inline constexpr char consultar_municipio[] = "Erro ao consultar município";
inline constexpr char proxima_classificacao[] = "Falha ao pegar a próxima classificação do CFRT";
inline constexpr char ler_configuracoes_cfrt[] = "Falha ao ler as configurações do CFRT";
inline constexpr char parametro_proxima_classificacao[] =
    "Parâmetro inválido no método IQVDF_CFRTs::GetProximaClassificacao";
inline constexpr char tipo_cadastro_desconhecido[] =
    "Tipo de cadastro desconhecido (IQVDF_CFRTs::GetProximaClassificacao)";
inline constexpr char criar_cliente[] = "Falha ao criar um cliente";
inline constexpr char criar_fornecedor[] = "Falha ao criar um fornecedor";
inline constexpr char ler_cfrt[] = "Erro ao ler CFRT";
inline constexpr char ler_cliente[] = "Falha ao ler um cliente";
inline constexpr char ler_fornecedor[] = "Falha ao ler um fornecedor";
// The operation natures offered for a sale.
inline constexpr char natureza_mascara[] = "Falha ao ler máscara de naturezas.";
inline constexpr char natureza_quantidade_oferta[] = "Falha ao buscar quantidade de naturezas.";
inline constexpr char natureza_buscar[] = "Falha ao buscar naturezas.";
inline constexpr char natureza_buscar_todas[] = "Falha ao buscar os as Naturezas de Operação.";
inline constexpr char cfop_nao_encontrada[] = "CFOP não encontrada.";
// The commercial operations' filters.
inline constexpr char carregar_filial[] = "Falha ao carregar Filial.";
inline constexpr char carregar_produto[] = "Falha ao carregar Produto.";
inline constexpr char carregar_cliente[] = "Falha ao carregar Cliente.";
// The product list, its grids, the price tables and the services.
inline constexpr char criar_item_grade[] = "Falha ao criar item de grade de produtos";
inline constexpr char ler_item_grade[] = "Falha ao ler item de grade";
inline constexpr char item_grade_inexistente[] = "Não há nenhum item de grade com o código informado";
inline constexpr char instanciar_grades[] = "Falha ao instanciar grades produtos.";
// A product, price table or service server call that failed (not one that found nothing).
inline constexpr char quantidade_produtos[] = "Falha ao buscar quantidade de produtos";
inline constexpr char ponteiros_produtos[] = "Falha ao buscar ponteiros de produtos";
inline constexpr char ler_produto[] = "Falha ao ler produto";
inline constexpr char procurar_produto[] = "Falha ao procurar produto";
inline constexpr char procurar_tabela_precos[] = "Falha ao procurar tabela de preços";
inline constexpr char ler_unidade[] = "Falha ao ler unidade de medida";
inline constexpr char quantidade_tabelas_precos[] = "Falha ao buscar quantidade de tabelas de preços";
inline constexpr char ler_tabela_precos[] = "Falha ao ler tabela de preços";
inline constexpr char quantidade_servicos[] = "Falha ao buscar quantidade de serviços";
inline constexpr char ler_servico[] = "Falha ao ler serviço";
inline constexpr char procurar_servico[] = "Falha ao procurar serviço";
// A product's information for a sale: a step that failed (not one that found nothing).
inline constexpr char info_produto_grade[] = "Falha ao ler grade do produto.";
inline constexpr char info_produto_itens_preco[] = "Falha ao carregar itens da tabela de preço.";
inline constexpr char info_produto_filial[] = "Falha ao ler filial.";
inline constexpr char info_produto_mestre[] = "Falha ao ler o mestre comercial.";
inline constexpr char info_produto_calculo_impostos[] = "Falha ao calcular os impostos do produto.";

}  // namespace masterdata::msg

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

// The company's properties.
inline constexpr char buscar_configuracoes[] = "Falha ao buscar configurações.";
inline constexpr char periodo_inicial[] = "Falha ao buscar período inicial.";
inline constexpr char periodo_final[] = "Falha ao buscar período final.";

}  // namespace masterdata::msg

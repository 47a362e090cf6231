#pragma once
// The user texts of the sales subsystem (CP1252 once compiled).

namespace sales::msg {

// The registration of a customer or supplier from a web form: the refusals of Gravar, which
// come back as result codes with the text as error information.
inline constexpr char classificacao_nao_informada[] = "Classificação não informada.";
inline constexpr char endereco_nao_informado[] = "Endereço não informado.";
inline constexpr char nome_nao_informado[] = "Nome não informado.";
inline constexpr char municipio_invalido[] = "Código do Município inválido.";
inline constexpr char cpf_cnpj_invalido[] = "CPF ou CNPJ inválido.";
inline constexpr char cpf_cnpj_existente[] = "CPF ou CNPJ existente.";
inline constexpr char codigo_proprio_nao_informado[] = "Código Próprio não informado.";
inline constexpr char codigo_proprio_existente[] = "Código Próprio já existente.";
inline constexpr char codigo_proprio_utilizado[] = "Código Próprio já utilizado.";
// Its failures: nothing to save, a register that cannot answer or save, a read that finds nothing.
inline constexpr char sem_cliente_fornecedor[] =
    "Nenhum cliente ou fornecedor foi informado: chame SetNovoCliente ou SetNovoFornecedor antes de Gravar.";
inline constexpr char ler_configuracoes_plano[] = "Falha ao ler as configurações do plano de contas.";
inline constexpr char consultar_cadastro[] = "Falha ao consultar o cadastro de clientes e fornecedores.";
inline constexpr char gravar_cliente[] = "Falha ao gravar cliente.";
inline constexpr char gravar_fornecedor[] = "Falha ao gravar fornecedor.";
inline constexpr char ler_cliente[] = "Falha ao ler cliente.";
inline constexpr char ler_fornecedor[] = "Falha ao ler fornecedor.";
inline constexpr char ler_categorias[] = "Falha ao ler as categorias de clientes.";

}  // namespace sales::msg

#pragma once
// What the chart classes share about the chart server and its account record: the server of a
// connection, the record's texts and flag bytes, the account objects made from records, the
// search answers and the session's representative.
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "VAVEDERAZur.h"
#include "platform/com/com_ptr.h"
#include "platform/inhouse/acesso/QVAcesso.h"

namespace masterdata {

// The chart server of the connection (created when missing); throws com::failure with the text
// and the creation's HRESULT.
IQVDF_Plano& servidor_plano(CConexaoPlano& conexao, const char* texto);

// A NUL-terminated text of the record at an offset, never read past `largura` bytes.
std::string texto_conta(const _RegContaPS& conta, size_t offset, size_t largura);
uint8_t byte_conta(const _RegContaPS& conta, size_t offset) noexcept;
// Writes a text cut to `largura` characters and a NUL at an offset.
void poe_texto_conta(_RegContaPS& conta, size_t offset, size_t largura, std::string_view texto) noexcept;
// The type character as a text: empty when it is 0.
std::string tipo_conta(const _RegContaPS& conta);

// The record's fields the chart classes read (offsets of the platform record).
namespace campo {
inline constexpr size_t posicao = 0;
inline constexpr size_t classificacao = 14;     // 31 characters and a NUL
inline constexpr size_t codigo_proprio = 46;    // 11 characters and a NUL
inline constexpr size_t nome = 58;              // 51 characters and a NUL
inline constexpr size_t tipo = 110;
inline constexpr size_t cpf_cnpj = 112;         // 20 bytes, NUL-terminated
inline constexpr size_t codigo = 132;           // 31 characters and a NUL
inline constexpr size_t tipo_cliente = 166;
inline constexpr size_t tipo_fornecedor = 167;
inline constexpr size_t representante = 169;
inline constexpr size_t oculta = 177;
inline constexpr size_t texto_179 = 179;        // 24 characters and a NUL
inline constexpr size_t largura_classificacao = 31;
inline constexpr size_t largura_codigo_proprio = 11;
inline constexpr size_t largura_nome = 51;
inline constexpr size_t largura_cpf_cnpj = 20;
inline constexpr size_t largura_codigo = 31;
}  // namespace campo

// A new account object from a record; `com_flags` also sets TipoCliente and TipoFornecedor.
// Throws com::failure with the text when the object cannot be made.
com::com_ptr<IQVDF_Conta> objeto_conta(const _RegContaPS& conta, bool com_flags, const char* texto);

// The account pointers of a search answer (a task-memory block, freed here); false for a null
// answer.
bool ponteiros_da_busca(BYTE* resposta, std::vector<uint32_t>& ponteiros);

// The representative position of the logged-in session (0: not a representative's session).
unsigned short representante_da_sessao();

}  // namespace masterdata

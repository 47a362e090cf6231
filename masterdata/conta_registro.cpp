#include "masterdata/conta_registro.h"

#include <algorithm>
#include <cstring>

#include "masterdata/CQVDF_Conta.h"
#include "platform/com/failure.h"
#include "platform/com/object.h"
#include "server/holders/CSessaoGlobal.h"

namespace masterdata {

IQVDF_Plano& servidor_plano(CConexaoPlano& conexao, const char* texto) {
    IQVDF_Plano* plano = nullptr;
    com::check(conexao.Servidor(plano), texto);
    return *plano;
}

std::string texto_conta(const _RegContaPS& conta, size_t offset, size_t largura) {
    const char* inicio = reinterpret_cast<const char*>(&conta) + offset;
    largura = std::min(largura, sizeof conta - offset);
    return std::string(inicio, strnlen(inicio, largura));
}

uint8_t byte_conta(const _RegContaPS& conta, size_t offset) noexcept {
    return reinterpret_cast<const uint8_t*>(&conta)[offset];
}

void poe_texto_conta(_RegContaPS& conta, size_t offset, size_t largura, std::string_view texto) noexcept {
    char* destino = reinterpret_cast<char*>(&conta) + offset;
    const size_t n = std::min(texto.size(), largura);
    std::memcpy(destino, texto.data(), n);
    destino[n] = '\0';
}

std::string tipo_conta(const _RegContaPS& conta) {
    const auto tipo = static_cast<char>(byte_conta(conta, campo::tipo));
    return tipo ? std::string(1, tipo) : std::string();
}

com::com_ptr<IQVDF_Conta> objeto_conta(const _RegContaPS& conta, bool com_flags, const char* texto) {
    com::com_ptr<CQVDF_Conta> objeto;
    try {
        objeto = com::make<CQVDF_Conta>();
    } catch (...) {
        com::fail(texto, E_OUTOFMEMORY);
    }
    int32_t posicao = 0;
    std::memcpy(&posicao, &conta, sizeof posicao);
    objeto->m_lPosicao = posicao;
    objeto->m_sClassificacao = texto_conta(conta, campo::classificacao, campo::largura_classificacao + 1);
    objeto->m_sCodigoProprio = texto_conta(conta, campo::codigo_proprio, campo::largura_codigo_proprio + 1);
    objeto->m_sNome = texto_conta(conta, campo::nome, campo::largura_nome + 1);
    objeto->m_sCpfCnpj = texto_conta(conta, campo::cpf_cnpj, campo::largura_cpf_cnpj);
    objeto->m_sTipo = tipo_conta(conta);
    if (com_flags) {
        const auto letra = [&](size_t offset) {
            const auto c = static_cast<char>(byte_conta(conta, offset));
            return c ? std::string(1, c) : std::string();
        };
        objeto->m_sTipoCliente = letra(campo::tipo_cliente);
        objeto->m_sTipoFornecedor = letra(campo::tipo_fornecedor);
    }
    return com::com_ptr<IQVDF_Conta>::attach(objeto.detach());
}

bool ponteiros_da_busca(BYTE* resposta, std::vector<uint32_t>& ponteiros) {
    if (!resposta) return false;
    struct libera {
        BYTE* p;
        ~libera() { CoTaskMemFree(p); }
    } guarda{resposta};
    QV_PLANO_BUSCA cabecalho{};
    std::memcpy(&cabecalho, resposta, sizeof cabecalho);
    ponteiros.assign(cabecalho.ponteiros, cabecalho.ponteiros + cabecalho.quantidade);
    return true;
}

unsigned short representante_da_sessao() {
    return server::CSessaoGlobal::GetInstancia()->GetPosicaoRepresentante();
}

}  // namespace masterdata

#include "platform/inhouse/acesso/CConexoesPagamento.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/inhouse/condicoes/condicoes_store.h"
#include "platform/inhouse/core/store_processo.h"
#include "platform/inhouse/core/stand_in.h"

namespace {

// The installation's store; E_FAIL as a failure when none is published.
inhouse::store& store_instalacao() {
    inhouse::store* data = inhouse::store_processo();
    if (!data) throw com::failure{E_FAIL, "Sem banco de dados da instalação."};
    return *data;
}

// A condition's code is a number; anything else names no condition.
bool codigo_numerico(const char* codigo, uint16_t& valor) {
    std::string texto = codigo ? codigo : "";
    texto.erase(0, texto.find_first_not_of(' '));
    texto.erase(texto.find_last_not_of(' ') + 1);
    if (texto.empty() || texto.size() > 5 || !std::all_of(texto.begin(), texto.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    const long n = std::stol(texto);
    if (n < 1 || n > 65535) return false;
    valor = static_cast<uint16_t>(n);
    return true;
}

void copia(char* campo, size_t tamanho, const std::string& texto) {
    std::memset(campo, 0, tamanho);
    std::memcpy(campo, texto.data(), std::min(texto.size(), tamanho - 1));
}

}  // namespace

int CConexaoCondicaoPagamento::Existe(const char* codigo, WORD* posicao, _REG_COND_PAGTOPS* registro) try {
    if (posicao) *posicao = 0;
    if (registro) *registro = {};
    if (FAILED(faults().enter("Existe", std::string("codigo=") + (codigo ? codigo : "")))) return 0;
    uint16_t numero = 0;
    if (!codigo_numerico(codigo, numero)) return 0;
    _REG_COND_PAGTOPS lido{};
    std::vector<REG_LINHA_CONDICAO_PAGTO> linhas;
    if (!inhouse::le_condicao_pagamento(store_instalacao(), GetEmpresa(), numero, lido, linhas)) return 0;
    if (posicao) *posicao = lido.Posicao;
    if (registro) *registro = lido;
    return 1;
} catch (...) {
    return 0;
}

HRESULT CConexaoCondicaoPagamento::LeLinhas(WORD chave, WORD quantidade, REG_LINHA_CONDICAO_PAGTO* linhas) try {
    if (!linhas && quantidade) return E_POINTER;
    std::fill(linhas, linhas + quantidade, REG_LINHA_CONDICAO_PAGTO{});
    if (HRESULT hr = faults().enter("LeLinhas", "chave=" + std::to_string(chave) + " quantidade=" + std::to_string(quantidade));
        FAILED(hr))
        return hr;
    _REG_COND_PAGTOPS registro{};
    std::vector<REG_LINHA_CONDICAO_PAGTO> lidas;
    if (!inhouse::le_condicao_pagamento(store_instalacao(), GetEmpresa(), chave, registro, lidas)) return S_FALSE;
    std::copy_n(lidas.begin(), std::min<size_t>(lidas.size(), quantidade), linhas);
    return S_OK;
} catch (...) {
    return inhouse::stand_in_failure();
}

int CConexaoDocumentoPagamento::Existe(const char* codigo, DWORD* posicao, _REG_DOCUMENTOPS* registro) try {
    if (posicao) *posicao = 0;
    if (registro) *registro = {};
    const std::string texto = codigo ? codigo : "";
    if (FAILED(faults().enter("Existe", "codigo=" + texto))) return 0;
    auto q = store_instalacao().prepare(
        "SELECT posicao, codigo, nome FROM documento_pagamento WHERE empresa = ? AND tipo = ? AND codigo = ?");
    q.bind_text(1, GetEmpresa()).bind_text(2, std::string(1, Tipo())).bind_text(3, texto);
    if (!q.step()) return 0;
    if (posicao) *posicao = static_cast<DWORD>(q.column_int(0));
    if (registro) {
        registro->Posicao = static_cast<uint16_t>(q.column_int(0));
        copia(registro->Codigo, sizeof registro->Codigo, q.column_text(1));
        copia(registro->Nome, sizeof registro->Nome, q.column_text(2));
    }
    return 1;
} catch (...) {
    return 0;
}

HRESULT CConexaoDocumentoPagamento::Le(WORD posicao, _REG_DOCUMENTOPS* registro) try {
    if (!registro) return E_POINTER;
    *registro = {};
    if (HRESULT hr = faults().enter("Le", "posicao=" + std::to_string(posicao)); FAILED(hr)) return hr;
    auto q = store_instalacao().prepare(
        "SELECT codigo, nome FROM documento_pagamento WHERE empresa = ? AND tipo = ? AND posicao = ?");
    q.bind_text(1, GetEmpresa()).bind_text(2, std::string(1, Tipo())).bind(3, static_cast<int>(posicao));
    if (!q.step()) return S_FALSE;
    registro->Posicao = posicao;
    copia(registro->Codigo, sizeof registro->Codigo, q.column_text(0));
    copia(registro->Nome, sizeof registro->Nome, q.column_text(1));
    return S_OK;
} catch (...) {
    return inhouse::stand_in_failure();
}

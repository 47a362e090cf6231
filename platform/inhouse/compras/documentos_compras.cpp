#include "platform/inhouse/compras/documentos_compras.h"

#include <objbase.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>

#include "base/CQVData.h"
#include "platform/com/failure.h"
#include "platform/com/wire_pointer.h"

namespace inhouse::compras {

uint32_t dia_documento(const std::string& texto) {
    int ano = 0, mes = 0, dia = 0;
    char resto = 0;
    if (std::sscanf(texto.c_str(), "%4d-%2d-%2d%c", &ano, &mes, &dia, &resto) != 3 || mes < 1 || mes > 12 || dia < 1 ||
        dia > qv_dias_no_mes(mes, ano))
        com::fail("data de documento inválida: " + texto, QV_E_DATA_DOCUMENTO);
    return qv_numero_dia(dia, mes, ano);
}

std::vector<uint16_t> filiais_filtro(uint16_t quantidade, uint32_t ponteiro) {
    std::vector<uint16_t> filiais;
    const auto* lista = static_cast<const uint16_t*>(com::wire_pointer_get(ponteiro));
    if (quantidade == 0) return filiais;
    if (!lista) com::fail("lista de filiais ausente", E_POINTER);
    filiais.assign(lista, lista + quantidade);
    return filiais;
}

bool filial_aceita(const std::vector<uint16_t>& filiais, int filial) {
    return filiais.empty() || std::find(filiais.begin(), filiais.end(), filial) != filiais.end();
}

blocos_resposta::~blocos_resposta() {
    for (uint32_t b : m_blocos) CoTaskMemFree(com::wire_pointer_take(b));
}

uint32_t blocos_resposta::novo(const void* dados, size_t bytes) {
    if (bytes == 0) return 0;
    void* bloco = CoTaskMemAlloc(bytes);
    if (!bloco) throw std::bad_alloc();
    std::memcpy(bloco, dados, bytes);
    uint32_t ponteiro = 0;
    try {
        ponteiro = com::wire_pointer_put(bloco);
        m_blocos.push_back(ponteiro);
    } catch (...) {
        if (ponteiro) com::wire_pointer_take(ponteiro);
        CoTaskMemFree(bloco);
        throw;
    }
    return ponteiro;
}

BYTE* lista_chaves(const std::vector<documento>& documentos) {
    if (documentos.empty()) return nullptr;
    std::vector<int64_t> chaves;
    std::vector<uint16_t> dias;
    for (const documento& d : documentos) {
        chaves.push_back(d.chave);
        dias.push_back(static_cast<uint16_t>(d.dia));
    }
    blocos_resposta blocos;
    LISTA_CHAVES lista{};
    lista.quantidade = static_cast<int32_t>(documentos.size());
    lista.chaves = blocos.novo(chaves);
    lista.dias = blocos.novo(dias);
    auto* bloco = static_cast<BYTE*>(CoTaskMemAlloc(sizeof lista));
    if (!bloco) throw std::bad_alloc();
    std::memcpy(bloco, &lista, sizeof lista);
    blocos.entrega();
    return bloco;
}

std::vector<int64_t> chaves_lista(const BYTE (&bytes)[12]) {
    LISTA_CHAVES lista;
    std::memcpy(&lista, bytes, sizeof lista);
    std::vector<int64_t> chaves;
    const auto* origem = static_cast<const int64_t*>(com::wire_pointer_get(lista.chaves));
    if (lista.quantidade <= 0) return chaves;
    if (!origem) com::fail("lista de chaves sem chaves", E_POINTER);
    chaves.assign(origem, origem + lista.quantidade);
    return chaves;
}

}  // namespace inhouse::compras

// Freeing an order record's task-memory arrays: every block exactly once, in the order the
// orders server's callers rely on, and every field and count left empty.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "alocador_contador.h"
#include "ft/ftlibrary/libera_registro_pedido.h"
#include "platform/com/wire_pointer.h"

namespace {

// Offsets of the order record and the item record, as the layouts fix them.
template <class T>
void poe(void* registro, size_t offset, T valor) {
    std::memcpy(static_cast<char*>(registro) + offset, &valor, sizeof valor);
}
template <class T>
T le(const void* registro, size_t offset) {
    T valor;
    std::memcpy(&valor, static_cast<const char*>(registro) + offset, sizeof valor);
    return valor;
}

uint32_t pendura(alocador_contador& a, size_t bytes, const std::string& nome) {
    return com::wire_pointer_put(a.aloca(bytes, nome));
}

// An array of `n` 32-byte entries, each with its own block at 28.
uint32_t entradas(alocador_contador& a, int n, const std::string& nome) {
    void* array = a.aloca(32 * n, nome);
    for (int i = 0; i < n; ++i) poe<uint32_t>(static_cast<char*>(array) + 32 * i, 28, pendura(a, 8, nome + "." + std::to_string(i)));
    return com::wire_pointer_put(array);
}

struct pedido_montado {
    std::vector<char> bytes = std::vector<char>(2208, 0);
    char* registro() { return bytes.data(); }
};

// Two items (with 2 sub-entries and 4 blocks each), 3 instalments, 2 entries, notes, block.
pedido_montado monta(alocador_contador& a) {
    pedido_montado p;
    char* r = p.registro();
    poe<uint16_t>(r, 840, 6);
    poe<uint32_t>(r, 2188, pendura(a, 6, "observacoes"));
    void* itens = a.aloca(2 * 1524, "itens");
    for (int i = 0; i < 2; ++i) {
        char* item = static_cast<char*>(itens) + 1524 * i;
        const std::string nome = "item" + std::to_string(i);
        poe<uint16_t>(item, 300, 2);
        poe<uint32_t>(item, 1508, entradas(a, 2, nome + ".sub"));
        for (int b = 1; b < 4; ++b) poe<uint32_t>(item, 1508 + 4 * b, pendura(a, 4, nome + ".bloco" + std::to_string(b)));
    }
    poe<uint16_t>(r, 838, 2);
    poe<uint32_t>(r, 2192, com::wire_pointer_put(itens));
    r[1912] = 3;
    poe<uint32_t>(r, 2196, pendura(a, 3 * 126, "parcelas"));
    poe<uint16_t>(r, 842, 2);
    poe<uint32_t>(r, 2200, entradas(a, 2, "entradas"));
    poe<uint32_t>(r, 2204, pendura(a, 0, "bloco"));
    return p;
}

TEST(LiberaRegistroPedido, FreesEveryBlockOnceInTheFixedOrder) {
    const size_t handles = com::wire_pointer_count();
    alocador_contador a;
    pedido_montado p = monta(a);
    ft::libera_registro_pedido(*reinterpret_cast<REG_PEDIDO*>(p.registro()));

    const std::vector<std::string> esperado = {
        "parcelas",
        "entradas.0", "entradas.1", "entradas",
        "item0.sub.0", "item0.sub.1", "item0.sub", "item0.bloco1", "item0.bloco2", "item0.bloco3",
        "item1.sub.0", "item1.sub.1", "item1.sub", "item1.bloco1", "item1.bloco2", "item1.bloco3",
        "itens", "bloco", "observacoes"};
    EXPECT_EQ(a.ordem(), esperado);
    EXPECT_EQ(a.vivos(), 0u);
    EXPECT_EQ(a.liberacoes_invalidas(), 0u);
    EXPECT_EQ(com::wire_pointer_count(), handles);

    const char* r = p.registro();
    for (size_t offset : {2188u, 2192u, 2196u, 2200u, 2204u}) EXPECT_EQ(le<uint32_t>(r, offset), 0u) << offset;
    for (size_t offset : {838u, 840u, 842u}) EXPECT_EQ(le<uint16_t>(r, offset), 0u) << offset;
    EXPECT_EQ(r[1912], 0);
}

TEST(LiberaRegistroPedido, ASecondCallFreesNothing) {
    alocador_contador a;
    pedido_montado p = monta(a);
    auto& registro = *reinterpret_cast<REG_PEDIDO*>(p.registro());
    ft::libera_registro_pedido(registro);
    const size_t liberados = a.ordem().size();
    ft::libera_registro_pedido(registro);
    EXPECT_EQ(a.ordem().size(), liberados);
    EXPECT_EQ(a.liberacoes_invalidas(), 0u);
}

TEST(LiberaRegistroPedido, AnEmptyRecordIsLeftAlone) {
    alocador_contador a;
    std::vector<char> bytes(2208, 0);
    ft::libera_registro_pedido(*reinterpret_cast<REG_PEDIDO*>(bytes.data()));
    EXPECT_TRUE(a.ordem().empty());
    EXPECT_EQ(a.liberacoes_invalidas(), 0u);
    EXPECT_EQ(bytes, std::vector<char>(2208, 0));
}

TEST(LiberaRegistroPedido, AnItemCountOfZeroLeavesTheItemBlockToItsOwnFree) {
    // Items counted 0 but an array hung: the array is still freed, no item inside it is read.
    alocador_contador a;
    std::vector<char> bytes(2208, 0);
    poe<uint32_t>(bytes.data(), 2192, pendura(a, 1524, "itens"));
    ft::libera_registro_pedido(*reinterpret_cast<REG_PEDIDO*>(bytes.data()));
    EXPECT_EQ(a.ordem(), std::vector<std::string>{"itens"});
    EXPECT_EQ(a.vivos(), 0u);
}

}  // namespace

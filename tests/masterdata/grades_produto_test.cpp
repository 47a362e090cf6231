// The grid objects: the grid and item records as properties, and the item-position result, which
// owns the task-memory array it takes over and refuses an index past its count.
#include <gtest/gtest.h>

#include <objbase.h>

#include <cstring>

#include "masterdata/CGradeProduto.h"
#include "masterdata/CItemGradeProduto.h"
#include "masterdata/CResultadoBuscaPonteirosItemGradeProduto.h"
#include "platform/com/wire_pointer.h"
#include "support/task_memory_counter.h"
#include "tests/masterdata/masterdata_fixture.h"

using masterdata::CGradeProduto;
using masterdata::CItemGradeProduto;
using masterdata::CResultadoBuscaPonteirosItemGradeProduto;

namespace {

class GradesProduto : public masterdata_fixture {
protected:
    static _REG_PONTEIROS_ITENS_GRADE_PRODUTOPS lista(std::initializer_list<WORD> itens) {
        auto* bloco = static_cast<WORD*>(CoTaskMemAlloc(itens.size() * sizeof(WORD)));
        std::memcpy(bloco, itens.begin(), itens.size() * sizeof(WORD));
        _REG_PONTEIROS_ITENS_GRADE_PRODUTOPS l{};
        l.quantidade = static_cast<uint16_t>(itens.size());
        l.itens = com::wire_pointer_put(bloco);
        return l;
    }
};

TEST_F(GradesProduto, TheGridAndItemRecordsAreTheirProperties) {
    auto grade = com::make<CGradeProduto>();
    USHORT n = 9;
    EXPECT_EQ(grade->get_Codigo(&n), S_OK);
    EXPECT_EQ(n, 0);
    EXPECT_EQ(text([&](BSTR* p) { return grade->get_Descricao(p); }), "");
    grade->Registro().ponteiro = 2;
    grade->Registro().codigo = 20;
    std::strcpy(grade->Registro().descricao, "Cor");
    EXPECT_EQ(grade->get_Posicao(&n), S_OK);
    EXPECT_EQ(n, 2);
    EXPECT_EQ(grade->get_Codigo(&n), S_OK);
    EXPECT_EQ(n, 20);
    EXPECT_EQ(text([&](BSTR* p) { return grade->get_Descricao(p); }), "Cor");

    auto item = com::make<CItemGradeProduto>();
    item->Registro().ponteiro = 3;
    std::strcpy(item->Registro().codigo, "GG");
    std::strcpy(item->Registro().descricao, "Extra grande");
    EXPECT_EQ(item->get_Posicao(&n), S_OK);
    EXPECT_EQ(n, 3);
    EXPECT_EQ(text([&](BSTR* p) { return item->get_Codigo(p); }), "GG");
    EXPECT_EQ(text([&](BSTR* p) { return item->get_Descricao(p); }), "Extra grande");
}

TEST_F(GradesProduto, TheResultOwnsItsArrayAndChecksTheIndex) {
    task_memory_counter counter;
    {
        auto r = com::make<CResultadoBuscaPonteirosItemGradeProduto>();
        USHORT n = 9, p = 9;
        EXPECT_EQ(r->get_Size(&n), S_OK);
        EXPECT_EQ(n, 0);
        EXPECT_EQ(r->GetItem(0, &p), E_INVALIDARG);
        r->SetPonteiros(lista({5, 6, 7}));
        r->SetPonteiros(lista({8, 9}));   // the first array is freed
        EXPECT_EQ(counter.outstanding(), 1u);
        EXPECT_EQ(r->get_Size(&n), S_OK);
        EXPECT_EQ(n, 2);
        EXPECT_EQ(r->GetItem(1, &p), S_OK);
        EXPECT_EQ(p, 9);
        EXPECT_EQ(r->GetItem(2, &p), E_INVALIDARG);
        EXPECT_EQ(p, 0);
        EXPECT_EQ(r->GetItem(0, nullptr), E_POINTER);
        // A count without an array counts nothing.
        _REG_PONTEIROS_ITENS_GRADE_PRODUTOPS sem_array{};
        sem_array.quantidade = 4;
        r->SetPonteiros(sem_array);
        EXPECT_EQ(r->get_Size(&n), S_OK);
        EXPECT_EQ(n, 0);
        r->SetPonteiros(lista({1}));
    }
    EXPECT_EQ(counter.outstanding(), 0u);
}

}  // namespace

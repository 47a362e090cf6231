// Grouped reads of the process's store: one transaction for the scope, writes inside kept, and
// nothing done without a published store or inside a transaction already open.
#include <gtest/gtest.h>

#include "platform/inhouse/core/leitura_agrupada.h"
#include "platform/inhouse/core/store_processo.h"

namespace {

TEST(LeituraAgrupada, OneTransactionForTheScopeAndItsWritesKept) {
    inhouse::store s = inhouse::store::in_memory();
    inhouse::publica_store publicada(s);
    {
        const inhouse::leitura_agrupada leitura;
        EXPECT_TRUE(s.db().in_transaction());
        s.set_info("teste", "gravado dentro");   // a write joins it
        {
            const inhouse::leitura_agrupada dentro;   // already open: left to the outer one
        }
        EXPECT_TRUE(s.db().in_transaction());
    }
    EXPECT_FALSE(s.db().in_transaction());
    EXPECT_EQ(s.info("teste"), "gravado dentro");
}

TEST(LeituraAgrupada, NothingWithoutAPublishedStore) {
    ASSERT_EQ(inhouse::store_processo(), nullptr);
    const inhouse::leitura_agrupada leitura;   // and no failure
}

}  // namespace

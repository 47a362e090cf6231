#include <gtest/gtest.h>

#include <cstring>

#include "base/CQVChaveOrigem.h"
#include "base/CQVQuemGerou.h"
#include "platform/com/failure.h"

namespace {

TEST(Origin, KeyFieldsTextsAndRoundTrip) {
    CQVQuemGerou stamp(123, 17, CQVMesAno(5, 2024).GetValor(), CQVChaveOrigem::tipo_mes_ano);
    EXPECT_EQ(stamp.GetChave(), 123u);
    EXPECT_EQ(stamp.GetNumeroOrigem(), 17u);
    EXPECT_EQ(stamp.GetMesAno(), CQVMesAno(5, 2024));
    EXPECT_TRUE(stamp.EhValida());
    EXPECT_EQ(stamp.Formata(), "MA - 05/2024 - 123 - 17 (Gerador de Lançamentos)");
    EXPECT_EQ(CQVQuemGerou::LeTexto(stamp.Formata().c_str()), stamp);
    EXPECT_EQ(stamp.FormataChave(), "0524-000123");
    EXPECT_EQ(stamp.Descricao(), "Módulo Gerador de Lançamentos - Mês/Ano: 05/24 - Chave: 123");
    EXPECT_EQ(stamp.GetTexto64(), std::to_string(stamp.GetValor64()));

    CQVQuemGerou dia(77, CQVData(3, 1, 2003));
    dia.SetNumeroOrigem(5);
    EXPECT_EQ(dia.Formata(), "DMA - 03/01/2003 - 77 - 5 (Comercial - Nota Fiscal)");
    EXPECT_EQ(CQVQuemGerou::LeTexto(dia.Formata().c_str()), dia);
    EXPECT_EQ(dia.Descricao(), "Módulo Comercial - Nota Fiscal - Data: 03/01/2003 - Chave: 77");
    EXPECT_EQ(dia.GetMesAno(), CQVMesAno(1, 2003));  // the month of the day, not its number

    CQVQuemGerou ano(9, 3, 2024, CQVChaveOrigem::tipo_ano);
    EXPECT_EQ(ano.Formata(), "Ano - 2024 - 9 - 3 (Vexa Patrimonial)");
    EXPECT_EQ(CQVQuemGerou::LeTexto("Ano - 2024 - 9 - 3 (Vexa Patrimonial)"), ano);
    EXPECT_EQ(CQVQuemGerou::LeTexto(""), CQVQuemGerou());

    CQVQuemGerou importacao(1, 21, CQVMesAno(5, 2024).GetValor(), CQVChaveOrigem::tipo_mes_ano);
    EXPECT_EQ(importacao.Descricao(), "Origem: Importação - Mês/Ano: 05/24 - Chave: 1");
    CQVQuemGerou conciliacao(1, 24, CQVMesAno(5, 2024).GetValor(), CQVChaveOrigem::tipo_mes_ano);
    EXPECT_EQ(conciliacao.Descricao(), "Módulo Conciliação - Chave: 1");
    char small[8];
    conciliacao.Descricao(small, sizeof small);
    EXPECT_STREQ(small, "Módulo ");

    EXPECT_EQ(QVNomeOrigem(31), QVNomeOrigem(36));
    EXPECT_EQ(QVNomeOrigem(62), "");
    EXPECT_EQ(QVNomeOrigem(67), "");
    EXPECT_EQ(QVNomeOrigem(66), "NFC-e - Nota Fiscal de Consumidor Eletrônica");
    EXPECT_TRUE(QVOrigemAlteravel(17) && QVOrigemAlteravel(21) && QVOrigemAlteravel(22));
    EXPECT_FALSE(QVOrigemAlteravel(5));
}

TEST(Origin, KeyTextsAndValidity) {
    struct key_case { const char* text; bool ok; bool empty; };
    constexpr key_case cases[] = {
        {"0000-000000", true, true}, {"", true, true},       {"1324-000001", false, true},
        {"0524-000000", false, true}, {"0524-1", false, true}, {"0524-999999", true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        CQVChaveOrigem key;
        EXPECT_EQ(key.LeChave(c.text), c.ok);
        EXPECT_EQ(key.EhVazia(), c.empty);
    }
    CQVChaveOrigem key;
    ASSERT_TRUE(key.LeChave("0524-000123"));
    EXPECT_EQ(key.GetMesAno(), CQVMesAno(5, 2024));
    EXPECT_EQ(key.GetChave(), 123u);
    EXPECT_FALSE(CQVChaveOrigem().LeChave(nullptr));

    EXPECT_EQ(CQVChaveOrigem().GetStatus(), 2);
    CQVChaveOrigem invalid;
    invalid.SetDados(1, 67, 5, CQVChaveOrigem::tipo_mes_ano);  // origin beyond the table
    EXPECT_EQ(invalid.GetStatus(), 1);
    EXPECT_FALSE(CQVChaveOrigem().SetValor64(invalid.GetValor64()));
    CQVChaveOrigem valid;
    EXPECT_TRUE(valid.SetValor64(key.GetValor64()));
    EXPECT_EQ(valid, key);

    // Values that do not fit their bits are refused, not cut.
    CQVChaveOrigem k;
    EXPECT_THROW(k.SetValorData(262144), com::failure);
    EXPECT_THROW(k.SetNumeroOrigem(4096), com::failure);
    EXPECT_THROW(k.SetTipoData(4), com::failure);
    EXPECT_TRUE(k.EhVazia());
    k.SetData(CQVData(1, 1, 2024));
    EXPECT_EQ(k.GetTipoData(), unsigned{CQVChaveOrigem::tipo_dia});
    EXPECT_EQ(k.GetData(), CQVData(1, 1, 2024));
    k.SetValorData(1);
    EXPECT_EQ(k.GetData().GetValor(), 0u);  // 1 counts as no date
}

TEST(Origin, PackedRecordsAndCodes) {
    const uint16_t base = CQVMesAno(5, 2024).GetValor();
    const QVOrigem rec = QVMontaOrigem(4660, 17, static_cast<uint16_t>(base - 3));
    EXPECT_EQ(rec.chave, 4660u << 8 | 17);
    const uint32_t code = QVCompactaOrigem(rec, base);
    EXPECT_EQ(code & 0x7F, 0x40u | 3);
    EXPECT_EQ(code >> 12, 4660u);
    EXPECT_EQ(code >> 7 & 0x1F, 17u);
    const QVOrigem back = QVExpandeOrigem(code, base);
    EXPECT_EQ(back.chave, rec.chave);
    EXPECT_EQ(back.mesAno, rec.mesAno);
    const QVOrigem later = QVExpandeOrigem(QVCompactaOrigem(QVMontaOrigem(1, 2, static_cast<uint16_t>(base + 63)), base), base);
    EXPECT_EQ(later.mesAno, base + 63);

    EXPECT_THROW(QVCompactaOrigem(QVMontaOrigem(1, 32, base), base), com::failure);       // 5-bit origin
    EXPECT_THROW(QVCompactaOrigem(QVMontaOrigem(1, 2, static_cast<uint16_t>(base + 64)), base), com::failure);
    EXPECT_THROW(QVCompactaOrigem(QVMontaOrigem(0x100000, 2, base), base), com::failure);  // 20-bit key
    EXPECT_THROW(QVMontaOrigem(0x1000000, 1, base), com::failure);
    EXPECT_THROW(QVMontaOrigem(1, 256, base), com::failure);

    uint32_t chave = 0;
    unsigned origem = 0;
    uint16_t mes = 0;
    QVSeparaOrigem(rec, chave, origem, mes);
    EXPECT_EQ(chave, 4660u);
    EXPECT_EQ(origem, 17u);

    const uint16_t short_month = CQVMesAno(5, 2024).GetValor();
    const uint32_t mesano = QVMontaChaveMesAno(short_month, 123);
    EXPECT_EQ(QVFormataChaveMesAno(mesano), "0524-000123");
    EXPECT_THROW(QVMontaChaveMesAno(4096, 1), com::failure);
    EXPECT_THROW(QVMontaChaveMesAno(short_month, 0x100000), com::failure);
    CQVQuemGerou from_code(mesano, 17);
    EXPECT_EQ(from_code.GetChaveMesAno(), mesano);
    EXPECT_EQ(QVFormataOrigem(QVMontaOrigem(123, 22, short_month)), "Origem: Lote - Mês/Ano: 05/24 - Chave: 123");
    CQVQuemGerou from_record(QVMontaOrigem(123, 22, short_month));
    EXPECT_EQ(from_record.GetOrigem().chave, (123u << 8) | 22);
}

}  // namespace

// VerificaImpressoraPadrao: whether the workstation has a default printer, asked of the spooler.
// The default printer is the prefix's own setting (the spooler reads no test redirection): the
// test takes it away and puts it back as it found it.
#include <gtest/gtest.h>

#include <string>

#include "platform/com/com_ptr.h"
#include "platform/inhouse/core/impressora_pdf.h"
#include "server/root/CQV_Inicializa.h"
#include "support/qv_test_installation.h"

namespace {

using server::CQV_Inicializa;

class restaura_impressora_padrao {
public:
    restaura_impressora_padrao() : m_anterior(inhouse::le_impressora_padrao()) {}
    ~restaura_impressora_padrao() { inhouse::grava_impressora_padrao(m_anterior.c_str()); }

private:
    std::wstring m_anterior;
};

struct caso_padrao {
    const char* nome;
    const wchar_t* entrada;     // the "windows" / "device" entry; empty: no default printer
    VARIANT_BOOL esperado;
};

TEST(VerificaImpressoraPadrao, VerdadeiroSoQuandoHaImpressoraPadrao) {
    qv_test_installation instalacao{"impressora_padrao"};
    restaura_impressora_padrao restaura;
    const caso_padrao casos[] = {
        {"a impressora PDF como padrão", L"ZidizUvi PDF,winspool,CPW2:", VARIANT_TRUE},
        // The spooler's failure leaves the count at the buffer's size: still no default printer.
        {"nenhuma impressora padrão", L"", VARIANT_FALSE},
        {"de novo com padrão", L"ZidizUvi PDF,winspool,CPW2:", VARIANT_TRUE},
    };
    auto root = com::make<CQV_Inicializa>();
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        ASSERT_EQ(inhouse::grava_impressora_padrao(c.entrada), ERROR_SUCCESS);
        VARIANT_BOOL existe = 7;    // neither answer: shows that the method wrote one
        EXPECT_EQ(root->VerificaImpressoraPadrao(&existe), S_OK);
        EXPECT_EQ(existe, c.esperado);
    }
    EXPECT_EQ(root->VerificaImpressoraPadrao(nullptr), E_POINTER);
}

}  // namespace

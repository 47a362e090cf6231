// The installation's PDF printer as the print spooler lists it: the enumeration the report
// classes use (local printers and connections, level 2) finds it on port "CPW2:", and it opens.
#include <gtest/gtest.h>

#include <windows.h>
#include <winspool.h>

#include <string>
#include <vector>

#include "platform/inhouse/core/impressora_pdf.h"
#include "support/qv_test_installation.h"

namespace {

struct impressora {
    std::wstring nome, porta;
};

std::vector<impressora> impressoras() {
    DWORD necessario = 0, quantas = 0;
    EnumPrintersW(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 2, nullptr, 0, &necessario, &quantas);
    std::vector<BYTE> buffer(necessario);
    std::vector<impressora> lista;
    if (!EnumPrintersW(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 2, buffer.data(), necessario, &necessario,
                       &quantas))
        return lista;
    const auto* info = reinterpret_cast<const PRINTER_INFO_2W*>(buffer.data());
    for (DWORD i = 0; i < quantas; ++i)
        lista.push_back({info[i].pPrinterName ? info[i].pPrinterName : L"", info[i].pPortName ? info[i].pPortName : L""});
    return lista;
}

TEST(ImpressoraPdf, AInstalacaoDeTesteTemAImpressoraNaPortaCPW2) {
    qv_test_installation instalacao{"impressora"};
    bool achada = false;
    for (const auto& i : impressoras())
        if (i.nome == L"ZidizUvi PDF") {
            achada = true;
            EXPECT_EQ(i.porta, L"CPW2:");
        }
    EXPECT_TRUE(achada);

    HANDLE h = nullptr;
    wchar_t nome[] = L"ZidizUvi PDF";
    ASSERT_TRUE(OpenPrinterW(nome, &h, nullptr)) << GetLastError();
    ClosePrinter(h);
}

TEST(ImpressoraPdf, InstalarDeNovoNaoDuplica) {
    ASSERT_EQ(inhouse::instala_impressora_pdf(false), ERROR_SUCCESS);
    ASSERT_EQ(inhouse::instala_impressora_pdf(false), ERROR_SUCCESS);
    int vezes = 0;
    for (const auto& i : impressoras()) vezes += i.nome == L"ZidizUvi PDF";
    EXPECT_EQ(vezes, 1);
}

}  // namespace

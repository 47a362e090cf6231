// The report base: the type, the read-back of a report file through the report component (the
// marker, the length check, the failures of each step on both roads), the PDF printer and the
// PDF road while the launcher cannot print.
#include "server/root/CTW_Relatorio.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "VAVEDERAZur.h"
#include "base/CQVChaveRegistro.h"
#include "base/QVCaminhos.h"
#include "base/QVDCOM.h"
#include "base/QVDataCurta.h"
#include "inhouse_relatorios.h"
#include "platform/com/failure.h"
#include "platform/com/text.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "server/root/CEmpresarialInicializa.h"
#include "server/root/relatorio_com.h"
#include "support/last_error.h"
#include "support/pdf_texto.h"
#include "support/stand_in_fixture.h"

using server::CTW_Relatorio;

namespace {

// A report class whose report server writes `conteudo` into its temporary file.
class relatorio_teste final : public server::relatorio_com<relatorio_teste, ITW_Relatorio> {
public:
    std::string conteudo;
    std::string ultimo_arquivo;

    server::arquivo_temporario GravaRelatorio() override {
        server::arquivo_temporario arquivo(NomeTemporario("TST"));
        std::ofstream(arquivo.caminho(), std::ios::binary) << conteudo;
        ultimo_arquivo = arquivo.caminho();
        return arquivo;
    }

private:
    ~relatorio_teste() override = default;
};

bool existe(const std::string& caminho) { return GetFileAttributesA(caminho.c_str()) != INVALID_FILE_ATTRIBUTES; }

// The test's report file: its name carries the process id, since the tests of this file run beside
// each other in one temporary folder.
std::string caminho_arquivo_teste() {
    return QVMontaCaminho(QVGetPastaTemporaria(), "zu_relatorio_teste_" + std::to_string(GetCurrentProcessId()) + ".txt");
}

// A report file of the test, deleted at the end.
struct arquivo_teste {
    std::string caminho;
    explicit arquivo_teste(const std::string& bytes) : caminho(caminho_arquivo_teste()) {
        std::ofstream(caminho, std::ios::binary) << bytes;
    }
    ~arquivo_teste() { DeleteFileA(caminho.c_str()); }
};

std::wstring texto_bstr(const com::unique_bstr& b) { return std::wstring(b.get(), SysStringLen(b.get())); }

class Relatorio : public stand_in_fixture {
protected:
    Relatorio() { componente().clear(); }
    // The PDF printer is recorded under HKEY_CURRENT_USER, which tests running beside this one
    // write too: this test's registry is its own, and the viewer it starts reads the same.
    qv_registry_redirect m_registro{"relatorio"};
    inhouse::fault_plan& componente() { return factory(inhouse::CLSID_RelatorioComponente).object_faults(); }
    inhouse::fault_plan& criacao() { return factory(inhouse::CLSID_RelatorioComponente).faults(); }

    // The failure a call threw (hr 1 and an empty text when it threw none).
    template <class F>
    static com::failure falha(F&& f) {
        try {
            f();
        } catch (const com::failure& e) {
            return e;
        }
        return {1, {}};
    }
};

TEST_F(Relatorio, TheMarkerGoesInFrontOfAFileThatLacksIt) {
    struct caso {
        std::string arquivo;
        std::wstring resultado;
    };
    const caso casos[] = {
        {"*#ja marcado", L"*#ja marcado"},           // no second marker
        {"PLANO DE CONTAS", L"*#PLANO DE CONTAS"},
        {"*x", L"*#*x"},                             // only the whole marker counts
        {"#*", L"*##*"},
        {"ab", L"*#ab"},                              // two bytes are enough to be marked
        {"*#", L"*#"},
        {"a", L"a"},                                  // one byte: returned alone
        {"", L""},
        // The ANSI code page's accents, and a zero byte kept inside the text.
        {std::string("Patrim\xF4nio L\xEDquido\0fim", 22), std::wstring(L"*#Patrim\u00F4nio L\u00EDquido\0fim", 24)},
    };
    for (const caso& c : casos) {
        SCOPED_TRACE("file of " + std::to_string(c.arquivo.size()) + " bytes: " + c.arquivo);
        componente().clear();
        arquivo_teste arquivo(c.arquivo);
        const com::unique_bstr r = CTW_Relatorio::TransfereRelatorio(arquivo.caminho);
        EXPECT_EQ(texto_bstr(r), c.resultado);
        // The component read exactly the file's length, and closed the file.
        EXPECT_EQ(componente().calls("Le"), std::vector<std::string>{"tamanho=" + std::to_string(c.arquivo.size())});
        EXPECT_EQ(componente().count("Fecha"), 1u);
    }
}

TEST_F(Relatorio, SetTipoTakesPdfOrQvrInAnyCaseAndKeepsTheTypeOtherwise) {
    struct caso {
        const char* texto;
        CTW_Relatorio::tipo depois;   // starting from qvr
        bool aceito;
    };
    const caso casos[] = {
        {"pdf", CTW_Relatorio::pdf, true},  {"PDF", CTW_Relatorio::pdf, true},  {"pDf", CTW_Relatorio::pdf, true},
        {"qvr", CTW_Relatorio::qvr, true},  {"Qvr", CTW_Relatorio::qvr, true},  {"QVR", CTW_Relatorio::qvr, true},
        {"txt", CTW_Relatorio::qvr, false}, {"", CTW_Relatorio::qvr, false},    {"pdf ", CTW_Relatorio::qvr, false},
        {"pd", CTW_Relatorio::qvr, false},  {"pdfx", CTW_Relatorio::qvr, false},
    };
    for (const caso& c : casos) {
        SCOPED_TRACE(std::string("[") + c.texto + "]");
        auto r = com::make<relatorio_teste>();
        ASSERT_EQ(r->SetTipo(com::to_bstr(std::string("qvr")).get()), S_OK);
        SetErrorInfo(0, nullptr);
        const HRESULT hr = r->SetTipo(com::to_bstr(std::string(c.texto)).get());
        EXPECT_EQ(hr, c.aceito ? S_OK : DISP_E_EXCEPTION);
        EXPECT_EQ(last_error(), c.aceito ? "" : "Tipo de relatório inválido.");
        EXPECT_EQ(r->Tipo(), c.depois);
    }
    auto r = com::make<relatorio_teste>();
    EXPECT_EQ(r->Tipo(), CTW_Relatorio::nao_definido);
    EXPECT_EQ(r->SetTipo(nullptr), DISP_E_EXCEPTION);   // a null text is the empty text
}

TEST_F(Relatorio, EachFailedStepOfTheReadBackHasItsTextOnBothRoads) {
    const std::string caminho = caminho_arquivo_teste();
    struct caso {
        const char* passo;
        std::function<void()> roteiro;
        HRESULT hr;
        std::string texto_relatorio;
        std::string texto_trabalhador;
    };
    const std::vector<caso> casos = {
        {"creation", [this] { criacao().answer("CreateInstance", {E_ACCESSDENIED}); }, E_ACCESSDENIED,
         "Falha ao instanciar servidor de relatórios.", "Falha ao instancia componente de relatórios"},
        {"open", [this] { componente().answer("Abre", {E_FAIL}); }, E_FAIL,
         "Falha ao inicializar servidor de relatórios.",
         "Falha ao inicializar componente de relatório, arquivo temporário '" + caminho + "'"},
        {"read", [this] { componente().answer("Le", {STG_E_READFAULT}); }, STG_E_READFAULT,
         "Falha ao transferir conteúdo do relatório.", "Falha ao trasferir conteúdo do relatório"},
    };
    for (const caso& c : casos) {
        SCOPED_TRACE(c.passo);
        arquivo_teste arquivo("conteudo");
        componente().clear();
        criacao().clear();
        c.roteiro();
        const com::failure f = falha([&] { CTW_Relatorio::TransfereRelatorio(arquivo.caminho); });
        EXPECT_EQ(f.hr, c.hr);
        EXPECT_EQ(f.text, c.texto_relatorio);
        // A file that was opened is closed again on every road.
        EXPECT_EQ(componente().count("Fecha"), componente().count("Abre") - (c.hr == E_FAIL ? 1 : 0));

        c.roteiro();
        BSTR resultado = reinterpret_cast<BSTR>(0x1234);
        SetErrorInfo(0, nullptr);
        const HRESULT hr = server::CEmpresarialInicializa::TransfereRelatorio(
            arquivo.caminho, &resultado, CLSID_QV_Inicializa, __uuidof(ITW_Relatorio));
        EXPECT_EQ(hr, c.hr);
        EXPECT_EQ(resultado, nullptr);
        const reported_error e = last_reported_error();
        EXPECT_EQ(e.description, c.texto_trabalhador);
        EXPECT_EQ(e.source, "ZidizUvi.QV_Inicializa.1");
    }
}

TEST_F(Relatorio, AMissingReportFileIsAFailedOpening) {
    const std::string caminho = QVMontaCaminho(QVGetPastaTemporaria(), "zu_relatorio_inexistente.txt");
    DeleteFileA(caminho.c_str());
    const com::failure f = falha([&] { CTW_Relatorio::TransfereRelatorio(caminho); });
    EXPECT_EQ(f.text, "Falha ao inicializar servidor de relatórios.");
    EXPECT_EQ(f.hr, HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(componente().count("Le"), 0u);
}

TEST_F(Relatorio, TheSystemsPrinterListIsReadWhole) {
    // Whatever the machine has installed: every printer listed has a name, and the check either
    // records a PDF printer or says that there is none.
    const std::vector<server::impressora> lista = server::impressoras_instaladas();
    for (const server::impressora& i : lista) EXPECT_FALSE(i.nome.empty());
    const com::failure f = falha([] { CTW_Relatorio::VerificaImpressoraPDF(); });
    if (server::impressora_pdf(lista)) {
        EXPECT_EQ(f.hr, 1);
    } else {
        EXPECT_EQ(f.text, "Não há driver PDF instalado.");
    }
}

TEST_F(Relatorio, TheWorkersReadBackGivesTheMarkedText) {
    arquivo_teste arquivo("linha 1\r\nlinha 2\r\n");
    BSTR resultado = nullptr;
    ASSERT_EQ(server::CEmpresarialInicializa::TransfereRelatorio(arquivo.caminho, &resultado, CLSID_QV_Inicializa,
                                                                 __uuidof(ITW_Relatorio)),
              S_OK);
    com::unique_bstr owned(resultado);
    EXPECT_EQ(texto_bstr(owned), L"*#linha 1\r\nlinha 2\r\n");
    EXPECT_EQ(server::CEmpresarialInicializa::TransfereRelatorio(arquivo.caminho, nullptr, CLSID_QV_Inicializa,
                                                                 __uuidof(ITW_Relatorio)),
              E_POINTER);
}

// A component that claims a length the file does not have.
class componente_mentiroso final : public com::unlocked_object<componente_mentiroso, IQVRelatorio> {
public:
    int leituras = 0;
    HRESULT STDMETHODCALLTYPE Abre(BSTR, BYTE* informacao) noexcept override {
        std::memset(informacao, 0, 4436);
        const uint32_t tamanho = 0xFFFFFFF0u;
        std::memcpy(informacao + 12, &tamanho, 4);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Le(LONG, BYTE*) noexcept override {
        ++leituras;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Fecha() noexcept override { return S_OK; }

private:
    ~componente_mentiroso() override = default;
};

TEST_F(Relatorio, ALengthTheFileCannotHoldFailsBeforeAnythingIsRead) {
    arquivo_teste arquivo("doze bytes!!");
    auto falso = com::make<componente_mentiroso>();
    qv_create_instance_override criacao([&](REFCLSID, IUnknown*, DWORD, COSERVERINFO*, DWORD n, MULTI_QI* qi) {
        for (DWORD i = 0; i < n; ++i) qi[i].hr = falso->QueryInterface(*qi[i].pIID, reinterpret_cast<void**>(&qi[i].pItf));
        return S_OK;
    });
    const com::failure f = falha([&] { CTW_Relatorio::TransfereRelatorio(arquivo.caminho); });
    EXPECT_EQ(f.text, "Falha ao transferir conteúdo do relatório.");
    EXPECT_EQ(f.hr, HRESULT_FROM_WIN32(ERROR_INVALID_DATA));
    EXPECT_EQ(falso->leituras, 0);
}

std::string impressora_registrada() {
    CQVChaveRegistro chave;
    if (chave.Abre(HKEY_CURRENT_USER, "Software\\RO Vivavevo") != ERROR_SUCCESS) return "<sem chave>";
    return chave.LeTexto("UltImpressora_QVRel", "<sem valor>");
}

TEST_F(Relatorio, ThePdfPrinterIsTheFirstOnAPortBeginningCpw2) {
    using lista = std::vector<server::impressora>;
    struct caso {
        const char* nome;
        lista impressoras;
        const char* escolhida;   // null: none
    };
    const caso casos[] = {
        {"none", {}, nullptr},
        {"other ports", {{L"Laser", L"LPT1:"}, {L"Arquivo", L"FILE:"}, {L"Quase", L"CPW2"}, {L"Antes", L"XCPW2:"}}, nullptr},
        {"upper-cased", {{L"Laser", L"LPT1:"}, {L"ZidizUvi PDF", L"cpw2:"}}, "ZidizUvi PDF"},
        {"the first of two", {{L"Primeira", L"CPW2:a"}, {L"Segunda", L"CPW2:"}}, "Primeira"},
        {"accented name", {{L"Impress\u00E3o PDF", L"Cpw2:"}}, "Impress\xE3o PDF"},
    };
    for (const caso& c : casos) {
        SCOPED_TRACE(c.nome);
        const server::impressora* i = server::impressora_pdf(c.impressoras);
        if (!c.escolhida) {
            EXPECT_EQ(i, nullptr);
            continue;
        }
        ASSERT_NE(i, nullptr);
        EXPECT_EQ(com::to_ansi(i->nome), c.escolhida);

        server::impressoras_teste instaladas(c.impressoras);
        QVGravaRegistroTexto(HKEY_CURRENT_USER, "Software\\RO Vivavevo", "UltImpressora_QVRel", "antiga");
        CTW_Relatorio::VerificaImpressoraPDF();
        EXPECT_EQ(impressora_registrada(), c.escolhida);
    }
}

TEST_F(Relatorio, NoPdfPrinterFailsAndRecordsNothing) {
    server::impressoras_teste instaladas(std::vector<server::impressora>{{L"Laser", L"LPT1:"}});
    QVGravaRegistroTexto(HKEY_CURRENT_USER, "Software\\RO Vivavevo", "UltImpressora_QVRel", "antiga");
    const com::failure f = falha([] { CTW_Relatorio::VerificaImpressoraPDF(); });
    EXPECT_EQ(f.text, "Não há driver PDF instalado.");
    EXPECT_EQ(f.hr, 0);   // DISP_E_EXCEPTION at the boundary
    EXPECT_EQ(impressora_registrada(), "antiga");
}

TEST_F(Relatorio, ThePdfRoadReportsAFailedPrintAndLeavesNoFileBehind) {
    struct caso {
        const char* nome;
        server::impressoras_teste* impressoras;
        std::function<void()> roteiro;
        std::string texto;   // how the description begins
        HRESULT hr;          // 0: any failure
        const wchar_t* impressora_pdf = L"ZidizUvi PDF";   // listed on "CPW2:" unless `impressoras`
    };
    server::impressoras_teste sem_pdf(std::vector<server::impressora>{});
    const std::vector<caso> casos = {
        // The printer check's own text is replaced by the road's.
        {"no printer", &sem_pdf, [] {}, "Falha ao verificar Drive de PDF", DISP_E_EXCEPTION},
        {"read-back", nullptr, [this] { criacao().answer("CreateInstance", {E_ACCESSDENIED}); },
         "Falha ao transferir conteúdo do relatório.", E_ACCESSDENIED},
        // A PDF printer the system lists but cannot open: the viewer refuses to print, and the
        // launcher's failure is the road's failure, never an empty result.
        {"launcher", nullptr, [] {}, "Falha ao gerar o PDF do relatório.", 0, L"Fantasma PDF"},
    };
    for (const caso& c : casos) {
        SCOPED_TRACE(c.nome);
        std::optional<server::impressoras_teste> com_pdf;
        if (!c.impressoras) com_pdf.emplace(std::vector<server::impressora>{{c.impressora_pdf, L"CPW2:"}});
        criacao().clear();
        c.roteiro();
        auto r = com::make<relatorio_teste>();
        r->conteudo = "PLANO DE CONTAS\r\n";
        ASSERT_EQ(r->SetTipo(com::to_bstr(std::string("PDF")).get()), S_OK);
        BSTR resultado = reinterpret_cast<BSTR>(0x1234);
        SetErrorInfo(0, nullptr);
        const HRESULT hr = r->GeraRelatorio(&resultado);
        EXPECT_TRUE(FAILED(hr));
        if (c.hr) {
            EXPECT_EQ(hr, c.hr);
        }
        EXPECT_EQ(resultado, nullptr);
        EXPECT_EQ(last_error().substr(0, c.texto.size()), c.texto) << last_error();
        // Neither the report file nor its copy for the printer stays.
        ASSERT_FALSE(r->ultimo_arquivo.empty());
        EXPECT_FALSE(existe(r->ultimo_arquivo));
        const std::string pasta = QVGetPastaRelatorios();
        EXPECT_FALSE(existe(QVMontaCaminho(pasta.empty() ? QVGetPastaTemporaria() : pasta,
                                           QVGetNomeArquivo(r->ultimo_arquivo))));
    }
}

TEST_F(Relatorio, ThePdfRoadHandsOverTheBytesOfARealPdfAndDeletesItsFiles) {
    if (!leitor_pdf_disponivel()) GTEST_SKIP() << "pdftotext (poppler-utils) não instalado";
    server::impressoras_teste com_pdf(std::vector<server::impressora>{{L"ZidizUvi PDF", L"CPW2:"}});
    auto r = com::make<relatorio_teste>();
    r->conteudo = "PLANO DE CONTAS\r\n1.1.01   Caixa   Patrimônio Líquido\r\n";
    ASSERT_EQ(r->SetTipo(com::to_bstr(std::string("pdf")).get()), S_OK);
    BSTR bruto = nullptr;
    ASSERT_EQ(r->GeraRelatorio(&bruto), S_OK) << last_error();
    const com::unique_bstr resultado(bruto);
    const std::string bytes(reinterpret_cast<const char*>(resultado.get()), SysStringByteLen(resultado.get()));
    EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
    std::string erro;
    const auto texto = texto_dos_bytes_pdf(bytes, &erro);
    ASSERT_TRUE(texto) << erro;
    EXPECT_NE(texto->find("PLANO DE CONTAS"), std::string::npos) << *texto;
    EXPECT_NE(texto->find(com::ansi_to_utf8("Patrimônio Líquido")), std::string::npos) << *texto;
    ASSERT_FALSE(r->ultimo_arquivo.empty());
    EXPECT_FALSE(existe(r->ultimo_arquivo));
}

TEST_F(Relatorio, AReportWhoseTypeWasNeverSetTakesThePdfRoad) {
    server::impressoras_teste sem_pdf(std::vector<server::impressora>{});
    auto r = com::make<relatorio_teste>();
    BSTR resultado = nullptr;
    EXPECT_EQ(r->GeraRelatorio(&resultado), DISP_E_EXCEPTION);
    EXPECT_EQ(last_error(), "Falha ao verificar Drive de PDF");
}

TEST_F(Relatorio, AQvrReportIsTheMarkedTextAndItsFileIsDeleted) {
    auto r = com::make<relatorio_teste>();
    r->conteudo = "Relat\xF3rio\r\n";
    ASSERT_EQ(r->SetTipo(com::to_bstr(std::string("qvr")).get()), S_OK);
    BSTR resultado = nullptr;
    ASSERT_EQ(r->GeraRelatorio(&resultado), S_OK);
    com::unique_bstr owned(resultado);
    EXPECT_EQ(texto_bstr(owned), L"*#Relat\u00F3rio\r\n");
    EXPECT_FALSE(existe(r->ultimo_arquivo));
    EXPECT_EQ(r->GeraRelatorio(nullptr), E_POINTER);
}

TEST_F(Relatorio, SetDataFinalStoresTheShortDayNumberAndRefusesADateBeyondIt) {
    uint16_t data = 7;
    CTW_Relatorio::SetDataFinal(com::to_bstr(std::string("31/12/2026")).get(), data);
    EXPECT_EQ(data, QVMontaData(31, 12, 2026));
    CTW_Relatorio::SetDataFinal(com::to_bstr(std::string("05/01/27")).get(), data);
    EXPECT_EQ(data, QVMontaData(5, 1, 2027));   // a two-digit year of next year is 20yy
    const uint16_t antes = data;
    // Past the 16-bit day numbers: refused, never wrapped into a date of 1848.
    EXPECT_NE(falha([&] { CTW_Relatorio::SetDataFinal(com::to_bstr(std::string("01/01/2030")).get(), data); }).hr, 1);
    EXPECT_EQ(data, antes);
}

}  // namespace

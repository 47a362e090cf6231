// The report-model flag reader over small XML documents, parsed by the platform's SAX reader
// through the XML reader component.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "base/CQVXmlStream.h"
#include "masterdata/CRelatorioParser.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "support/stand_in_fixture.h"

namespace {

class RelatorioParser : public stand_in_fixture {
protected:
    struct resultado {
        HRESULT hr;
        short operacional, gerencial, zidizuvi;
    };
    static resultado parse(std::string_view xml) {
        auto stream = com::make<CQVXmlStream>(xml.data(), static_cast<ULONG>(xml.size()));
        CRelatorioParser parser;
        const HRESULT hr = parser.Parse(static_cast<IStream*>(stream.get()));
        return {hr, parser.GetRelOperacional(), parser.GetRelGerencial(), parser.GetRelZidizUvi()};
    }
    inhouse::fault_plan& leitor() { return factory(inhouse::CLSID_LeitorXml).object_faults(); }
};

TEST_F(RelatorioParser, FlagsComeFromImpressaoDirectlyBelowRelatorio) {
    struct caso {
        const char* nome;
        const char* xml;
        bool analisado;   // whether the text parses
        short operacional, gerencial, zidizuvi;
    };
    const caso casos[] = {
        {"web flag missing", R"(<relatorio><impressao relOperacional="1" relGerencial="0"/></relatorio>)", true, 1, 0, -1},
        {"all three", R"(<relatorio><impressao relOperacional="0" relGerencial="1" relZidizUvi="1"/></relatorio>)", true, 0, 1, 1},
        {"no attributes", R"(<relatorio><impressao/></relatorio>)", true, 0, 0, -1},
        {"with declaration and text",
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<relatorio titulo=\"Balan\xc3\xa7o\">\n  texto\n"
         "  <impressao relOperacional=\"1\" relGerencial=\"1\" relZidizUvi=\"0\">x</impressao>\n</relatorio>\n",
         true, 1, 1, 0},
        {"after a closed sibling", R"(<relatorio><cabecalho><a/></cabecalho><impressao relGerencial="1"/></relatorio>)", true, 0, 1, -1},
        {"no impressao", R"(<relatorio><cabecalho relOperacional="1"/></relatorio>)", true, 0, 0, 0},
        {"impressao at the root", R"(<impressao relOperacional="1" relGerencial="1" relZidizUvi="1"/>)", true, 0, 0, 0},
        {"nested two levels", R"(<relatorio><secao><impressao relOperacional="1" relGerencial="1" relZidizUvi="1"/></secao></relatorio>)", true, 0, 0, 0},
        {"spelled Impressao", R"(<relatorio><Impressao relOperacional="1" relGerencial="1" relZidizUvi="1"/></relatorio>)", true, 0, 0, 0},
        {"root spelled Relatorio", R"(<Relatorio><impressao relOperacional="1" relGerencial="1" relZidizUvi="1"/></Relatorio>)", true, 0, 0, 0},
        {"attribute names are case-sensitive", R"(<relatorio><impressao reloperacional="1" RelGerencial="1"/></relatorio>)", true, 0, 0, -1},
        // A later occurrence assigns again: a missing relOperacional keeps the earlier value, a
        // missing relZidizUvi makes the web flag -1.
        {"repeated occurrence",
         R"(<relatorio><impressao relOperacional="1" relGerencial="1" relZidizUvi="1"/><impressao relGerencial="0"/></relatorio>)",
         true, 1, 0, -1},
        {"fails before the element", R"(<relatorio><cabecalho></relatorio><impressao relOperacional="1"/>)", false, 0, 0, 0},
        {"not XML at all", "relatorio impressao", false, 0, 0, 0},
        {"empty text", "", false, 0, 0, 0},
        {"fails after the element",
         R"(<relatorio><impressao relOperacional="1" relGerencial="1" relZidizUvi="0"/><quebrado</relatorio>)", false, 1, 1, 0},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        const resultado r = parse(c.xml);
        EXPECT_EQ(SUCCEEDED(r.hr), c.analisado) << std::hex << r.hr;
        EXPECT_EQ(r.operacional, c.operacional);
        EXPECT_EQ(r.gerencial, c.gerencial);
        EXPECT_EQ(r.zidizuvi, c.zidizuvi);
    }
}

TEST_F(RelatorioParser, OnlyAValueBeginningWithOneIsSet) {
    struct caso {
        const char* valor;
        short flag;
    };
    const caso casos[] = {{"1", 1}, {"10", 1}, {"1abc", 1}, {"0", 0}, {"", 0}, {" 1", 0}, {"true", 0}, {"S", 0}};
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string("value \"") + c.valor + "\"");
        const std::string v = c.valor;
        const resultado r = parse("<relatorio><impressao relOperacional=\"" + v + "\" relGerencial=\"" + v +
                                  "\" relZidizUvi=\"" + v + "\"/></relatorio>");
        EXPECT_EQ(r.hr, S_OK);
        EXPECT_EQ(r.operacional, c.flag);
        EXPECT_EQ(r.gerencial, c.flag);
        EXPECT_EQ(r.zidizuvi, c.flag);
    }
}

TEST_F(RelatorioParser, AnswersAsAContentHandlerThatCountsNothing) {
    CRelatorioParser parser;
    IQVXmlContentHandler* handler = &parser;
    void* p = nullptr;
    EXPECT_EQ(handler->QueryInterface(IID_IUnknown, &p), S_OK);
    EXPECT_EQ(p, static_cast<void*>(handler));
    EXPECT_EQ(handler->QueryInterface(__uuidof(IQVXmlContentHandler), &p), S_OK);
    EXPECT_EQ(p, static_cast<void*>(handler));
    p = &parser;
    EXPECT_EQ(handler->QueryInterface(__uuidof(IStream), &p), E_NOINTERFACE);
    EXPECT_EQ(p, nullptr);
    EXPECT_EQ(handler->AddRef(), 1u);
    EXPECT_EQ(handler->Release(), 1u);
    EXPECT_EQ(handler->Release(), 1u);
    EXPECT_EQ(parser.GetRelOperacional(), 0);
    EXPECT_EQ(parser.GetRelGerencial(), 0);
    EXPECT_EQ(parser.GetRelZidizUvi(), 0);
}

TEST_F(RelatorioParser, TheStreamComesBackWithTheReferencesItHad) {
    const std::string xml = R"(<relatorio><impressao relOperacional="1"/></relatorio>)";
    auto stream = com::make<CQVXmlStream>(xml.data(), static_cast<ULONG>(xml.size()));
    {
        CRelatorioParser parser;
        ASSERT_EQ(parser.Parse(static_cast<IStream*>(stream.get())), S_OK);
        EXPECT_EQ(parser.GetRelOperacional(), 1);
    }
    // Only ours is left: the reader, its SAX reader and the VARIANT released theirs.
    EXPECT_EQ(stream->AddRef(), 2u);
    EXPECT_EQ(stream->Release(), 1u);
}

TEST_F(RelatorioParser, AFailingStepEndsTheParseWithItsAnswer) {
    struct caso {
        const char* nome;
        bool fabrica;        // the answer is the component's creation's, else the reader's method's
        const char* metodo;
        HRESULT hr;
        bool pronto;         // whether the reader got the text
    };
    const caso casos[] = {
        {"reader not created", true, "CreateInstance", E_ACCESSDENIED, false},
        {"handler refused", false, "PoeContentHandler", E_OUTOFMEMORY, false},
        {"parse refused", false, "Analisa", E_FAIL, true},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        leitor().clear();
        factory(inhouse::CLSID_LeitorXml).faults().clear();
        (c.fabrica ? factory(inhouse::CLSID_LeitorXml).faults() : leitor()).answer(c.metodo, {c.hr});
        const std::string xml = R"(<relatorio><impressao relOperacional="1"/></relatorio>)";
        auto stream = com::make<CQVXmlStream>(xml.data(), static_cast<ULONG>(xml.size()));
        CRelatorioParser parser;
        EXPECT_EQ(parser.Parse(static_cast<IStream*>(stream.get())), c.hr);
        EXPECT_EQ(parser.GetLeitorPronto(), c.pronto);
        EXPECT_EQ(parser.GetRelOperacional(), 0);
        EXPECT_EQ(stream->AddRef(), 2u);
        EXPECT_EQ(stream->Release(), 1u);
    }
}

}  // namespace

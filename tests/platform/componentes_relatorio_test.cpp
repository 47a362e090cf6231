// The report-model component over the reports folder and the XML reader component over the
// platform's SAX reader, as their users reach them: through COM, records read at their offsets.
#include <gtest/gtest.h>

#include <windows.h>
#include <objbase.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "base/CQVXmlStream.h"
#include "base/QVCaminhos.h"
#include "inhouse_modelos.h"
#include "inhouse_xml.h"
#include "platform/com/com_ptr.h"
#include "platform/com/object.h"
#include "platform/com/text.h"
#include "platform/com/unique.h"
#include "platform/com/wire_pointer.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "support/qv_test_installation.h"
#include "support/stand_in_fixture.h"

namespace {

template <class T>
T at(const BYTE* record, size_t offset) {
    T value;
    std::memcpy(&value, record + offset, sizeof value);
    return value;
}

class ModeloComponente : public stand_in_fixture {
protected:
    ModeloComponente() {
        const std::string pasta = QVGetPastaRelatorios() + "Modelos\\CN\\Balancete\\";
        EXPECT_TRUE(QVCriaPasta(pasta));
        escreve(pasta + "Mensal.xml", "<relatorio/>");
        escreve(pasta + "Vazio.xml", "");
        escreve(QVGetPastaRelatorios() + "Segredo.xml", "<segredo/>");
        EXPECT_EQ(CoCreateInstance(inhouse::CLSID_ModelosRelatorio, nullptr, CLSCTX_INPROC_SERVER,
                                   __uuidof(IQVModelosRelatorio), m_modelos.put_void()),
                  S_OK);
    }
    static void escreve(const std::string& arquivo, const std::string& texto) {
        com::unique_handle h(CreateFileA(arquivo.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        ASSERT_NE(h.get(), INVALID_HANDLE_VALUE);
        DWORD n = 0;
        ASSERT_TRUE(WriteFile(h.get(), texto.data(), static_cast<DWORD>(texto.size()), &n, nullptr));
    }
    HRESULT inicializa(const char* modulo, const char* componente) {
        return m_modelos->Inicializa(com::to_bstr(std::string(modulo)).get(), com::to_bstr(std::string(componente)).get());
    }
    // The model's bytes as text, the block freed; or the failure.
    HRESULT le(const char* nome, std::string& texto) {
        BYTE registro[10];
        std::memset(registro, 0xAB, sizeof registro);
        const HRESULT hr = m_modelos->LeModelo(com::to_bstr(std::string(nome)).get(), registro);
        if (FAILED(hr)) {
            EXPECT_EQ(at<uint32_t>(registro, 6), 0xABABABABu) << "the record is written only on success";
            return hr;
        }
        com::unique_cotaskmem<char> bytes(static_cast<char*>(com::wire_pointer_take(at<uint32_t>(registro, 6))));
        EXPECT_TRUE(bytes);
        texto.assign(bytes.get(), at<uint32_t>(registro, 2));
        return hr;
    }

    qv_test_installation m_instalacao{"ModeloComponente"};
    com::com_ptr<IQVModelosRelatorio> m_modelos;
};

TEST_F(ModeloComponente, HandsOutTheNamesListAndTheModelsBytes) {
    ASSERT_EQ(inicializa("CN", "Balancete"), S_OK);
    BYTE* lista = nullptr;
    ASSERT_EQ(m_modelos->ListaNomes(&lista), S_OK);
    com::unique_cotaskmem<BYTE> registro(lista);
    ASSERT_TRUE(registro);
    ASSERT_EQ(at<uint16_t>(lista, 0), 2u);
    com::unique_cotaskmem<char> entradas(static_cast<char*>(com::wire_pointer_take(at<uint32_t>(lista, 2))));
    ASSERT_TRUE(entradas);
    EXPECT_STREQ(entradas.get(), "Mensal");
    EXPECT_STREQ(entradas.get() + 256, "Vazio");
    EXPECT_EQ(entradas.get()[256 + 255], '\0');

    std::string texto;
    EXPECT_EQ(le("Mensal", texto), S_OK);
    EXPECT_EQ(texto, "<relatorio/>");
    EXPECT_EQ(le("Vazio", texto), S_OK);
    EXPECT_EQ(texto, "");
}

TEST_F(ModeloComponente, NamesThatReachOutsideTheModelsFolderAreRefused) {
    std::string texto;
    EXPECT_EQ(le("Mensal", texto), E_UNEXPECTED) << "before Inicializa";
    const std::string longo(65, 'M');
    const char* partes[] = {"", "..", ".", "CN\\..", "a/b", "C:", "x*", "CN.", longo.c_str()};
    for (const char* p : partes) {
        SCOPED_TRACE(p);
        EXPECT_EQ(inicializa(p, "Balancete"), E_INVALIDARG);
        EXPECT_EQ(inicializa("CN", p), E_INVALIDARG);
    }
    ASSERT_EQ(inicializa("CN", "Balancete"), S_OK);
    const char* nomes[] = {"..\\..\\Segredo", "../../Segredo", "", "Mensal\n"};
    for (const char* n : nomes) {
        SCOPED_TRACE(n);
        EXPECT_EQ(le(n, texto), E_INVALIDARG);
    }
    EXPECT_EQ(le("Anual", texto), HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND));
}

TEST_F(ModeloComponente, AComponentWithoutModelsListsNone) {
    ASSERT_EQ(inicializa("FT", "Pedido"), S_OK);
    BYTE* lista = nullptr;
    ASSERT_EQ(m_modelos->ListaNomes(&lista), S_OK);
    com::unique_cotaskmem<BYTE> registro(lista);
    ASSERT_TRUE(registro);
    EXPECT_EQ(at<uint16_t>(lista, 0), 0u);
    EXPECT_EQ(at<uint32_t>(lista, 2), 0u);
}

// A content handler that writes down what it is told.
class anotador final : public com::unlocked_object<anotador, IQVXmlContentHandler> {
public:
    HRESULT STDMETHODCALLTYPE InicioDocumento() noexcept override { return anota("inicio"); }
    HRESULT STDMETHODCALLTYPE FimDocumento() noexcept override { return anota("fim"); }
    HRESULT STDMETHODCALLTYPE InicioElemento(LPCSTR nome, IQVXmlAtributos* atributos) noexcept override {
        std::string linha = std::string("<") + nome;
        LONG n = 0;
        atributos->Quantidade(&n);
        for (LONG i = 0; i < n; ++i) {
            LPCSTR a = nullptr, v = nullptr;
            atributos->Nome(i, &a);
            atributos->Valor(i, &v);
            linha += std::string(" ") + a + "=" + v;
        }
        LPCSTR valor = reinterpret_cast<LPCSTR>(1);
        if (atributos->ValorPorNome("ausente", &valor) != E_INVALIDARG || valor) linha += " (ausente encontrado)";
        if (SUCCEEDED(atributos->ValorPorNome("b", &valor))) linha += std::string(" b:") + valor;
        m_guardados.push_back(com::com_ptr<IQVXmlAtributos>(atributos));
        return anota(linha);
    }
    HRESULT STDMETHODCALLTYPE FimElemento(LPCSTR nome) noexcept override { return anota(std::string("</") + nome); }
    // The SAX reader may hand one text over in pieces: they are written down as one.
    HRESULT STDMETHODCALLTYPE Caracteres(LPCSTR texto) noexcept override {
        if (!linhas.empty() && linhas.back().starts_with("'")) {
            linhas.back() += texto;
            return S_OK;
        }
        return anota(std::string("'") + texto);
    }

    std::vector<std::string> linhas;
    std::vector<com::com_ptr<IQVXmlAtributos>> m_guardados;

private:
    ~anotador() override = default;
    HRESULT anota(std::string linha) {
        linhas.push_back(std::move(linha));
        return S_OK;
    }
};

class LeitorXmlComponente : public stand_in_fixture {};

TEST_F(LeitorXmlComponente, HandsTheEventsOnInAnsiInDocumentOrder) {
    com::com_ptr<IQVXmlLeitor> leitor;
    ASSERT_EQ(CoCreateInstance(inhouse::CLSID_LeitorXml, nullptr, CLSCTX_INPROC_SERVER, __uuidof(IQVXmlLeitor),
                               leitor.put_void()),
              S_OK);
    auto handler = com::make<anotador>();
    ASSERT_EQ(leitor->PoeContentHandler(handler.get()), S_OK);
    // UTF-8 in, CP1252 out; a character CP1252 has no form for becomes '?'.
    const std::string xml = "<r a=\"a\xc3\xa7\xc3\xa3o\" b=\"2\"><p:s xmlns:p=\"u\">t\xe2\x82\xac\xe4\xb8\x80</p:s></r>";
    auto stream = com::make<CQVXmlStream>(xml.data(), static_cast<ULONG>(xml.size()));
    com::unique_variant entrada;
    entrada->vt = VT_UNKNOWN;
    entrada->punkVal = static_cast<IStream*>(stream.detach());
    ASSERT_EQ(leitor->Analisa(*entrada.get()), S_OK);
    EXPECT_EQ(handler->linhas, (std::vector<std::string>{"inicio", "<r a=a\xe7\xe3o b=2 b:2", "<p:s xmlns:p=u",
                                                         "'t\x80?", "</p:s", "</r", "fim"}));
    // The attributes a handler keeps stay readable after the parse.
    LPCSTR valor = nullptr;
    ASSERT_EQ(handler->m_guardados.size(), 2u);
    EXPECT_EQ(handler->m_guardados[0]->ValorPorNome("a", &valor), S_OK);
    EXPECT_STREQ(valor, "a\xe7\xe3o");
}

TEST(WirePointer, AFieldGivesBackThePointerOnce) {
    int valor = 0;
    const size_t antes = com::wire_pointer_count();
    EXPECT_EQ(com::wire_pointer_put(nullptr), 0u);
    EXPECT_EQ(com::wire_pointer_get(0), nullptr);
    const uint32_t a = com::wire_pointer_put(&valor);
    const uint32_t b = com::wire_pointer_put(&valor);
    EXPECT_NE(a, 0u);
    EXPECT_EQ(com::wire_pointer_get(a), &valor);
    EXPECT_EQ(com::wire_pointer_take(a), &valor);
    EXPECT_EQ(com::wire_pointer_take(b), &valor);
    if constexpr (sizeof(void*) == 8) {
        EXPECT_NE(a, b);
        EXPECT_EQ(com::wire_pointer_take(a), nullptr) << "a handle is taken once";
        EXPECT_EQ(com::wire_pointer_get(0x7FFFFFFFu), nullptr);
    }
    EXPECT_EQ(com::wire_pointer_count(), antes);
}

}  // namespace

// The filter table: keys without regard to case, what a server-side reader sees, and which
// objects count as one of the server's tables.
#include <gtest/gtest.h>

#include <string>

#include "platform/com/object.h"
#include "platform/com/text.h"
#include "server/root/CQVHashTable.h"
#include "support/last_error.h"

namespace {

using server::CQVHashTable;

com::unique_bstr b(const std::string& texto) { return com::to_bstr(texto); }

TEST(CQVHashTable, KeysAreUpperCasedAndValuesKeptAsGiven) {
    auto tabela = com::make<CQVHashTable>();
    struct row { const char* chave; const char* valor; };
    const row rows[] = {
        {"filial", "2"},
        {"DataInicial", "01/02/2026"},
        {"ação", "Crédito e débito"},   // CP1252 letters fold too
        {"FILIAL", "3"},               // the same key as "filial": replaces it
    };
    for (const auto& r : rows) EXPECT_EQ(tabela->SetAt(b(r.chave).get(), b(r.valor).get()), S_OK);
    const CQVHashTable::valores esperados = {
        {"FILIAL", "3"}, {"DATAINICIAL", "01/02/2026"}, {"AÇÃO", "Crédito e débito"}};
    EXPECT_EQ(tabela->GetValores(), esperados);

    for (const char* chave : {"Filial", "filial", "FILIAL"}) {
        SCOPED_TRACE(chave);
        com::unique_bstr valor;
        EXPECT_EQ(tabela->GetAt(b(chave).get(), valor.put()), S_OK);
        EXPECT_EQ(com::from_bstr(valor.get()), "3");
    }
}

TEST(CQVHashTable, AMissingKeyLeavesTheCallersValueAndRemovesNothing) {
    auto tabela = com::make<CQVHashTable>();
    ASSERT_EQ(tabela->SetAt(b("a").get(), b("1").get()), S_OK);
    BSTR valor = SysAllocString(L"antes");
    BSTR antes = valor;
    EXPECT_EQ(tabela->GetAt(b("b").get(), &valor), S_OK);
    EXPECT_EQ(valor, antes);
    SysFreeString(antes);

    struct row { const char* chave; LONG resultado; };
    const row rows[] = {{"b", 0}, {"A", 1}, {"a", 0}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.chave);
        LONG resultado = -7;
        EXPECT_EQ(tabela->RemoveKey(b(r.chave).get(), &resultado), S_OK);
        EXPECT_EQ(resultado, r.resultado);
    }
    EXPECT_TRUE(tabela->GetValores().empty());
    EXPECT_EQ(tabela->GetAt(nullptr, nullptr), E_POINTER);
    EXPECT_EQ(tabela->RemoveKey(nullptr, nullptr), E_POINTER);
    // A null key is the empty key.
    EXPECT_EQ(tabela->SetAt(nullptr, nullptr), S_OK);
    EXPECT_EQ(tabela->GetValores(), (CQVHashTable::valores{{"", ""}}));
}

// A client's own object with the table's interface: never taken for one of ours.
class tabela_estrangeira final : public com::object<tabela_estrangeira, IQVHashTable> {
public:
    HRESULT STDMETHODCALLTYPE SetAt(BSTR, BSTR) noexcept override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetAt(BSTR, BSTR*) noexcept override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RemoveKey(BSTR, LONG*) noexcept override { return S_OK; }

private:
    ~tabela_estrangeira() override = default;
};

TEST(CQVHashTable, AServerSideReaderFindsOnlyTheServersOwnTables) {
    auto tabela = com::make<CQVHashTable>();
    ASSERT_EQ(tabela->SetAt(b("filial").get(), b("2").get()), S_OK);
    // The reader gets the interface the client passed (here through QueryInterface, as COM
    // hands it over), not our class.
    com::com_ptr<IQVHashTable> filtro;
    ASSERT_EQ(tabela->QueryInterface(__uuidof(IQVHashTable), filtro.put_void()), S_OK);
    const auto encontrada = CQVHashTable::De(filtro.get());
    ASSERT_EQ(encontrada.get(), tabela.get());
    EXPECT_EQ(encontrada->GetValores().at("FILIAL"), "2");

    EXPECT_FALSE(CQVHashTable::De(nullptr));

    auto estrangeira = com::make<tabela_estrangeira>();
    try {
        CQVHashTable::De(estrangeira.get());
        ADD_FAILURE() << "a foreign object was taken for a table";
    } catch (const com::failure& f) {
        EXPECT_EQ(f.hr, E_INVALIDARG);
        EXPECT_EQ(f.text, "O filtro não é uma tabela ZidizUvi.QVHashTable deste servidor.");
    }
}

}  // namespace

#include <gtest/gtest.h>

#include "base/CQVChaveRegistro.h"

namespace {

constexpr char key[] = "Software\\ZidizUviTests\\Registro";

class Registro : public testing::Test {
protected:
    void SetUp() override {
        // Real HKCU, a key of this process alone.
        m_key = std::string(key) + "-" + std::to_string(GetCurrentProcessId());
        RegDeleteTreeA(HKEY_CURRENT_USER, m_key.c_str());
        ASSERT_EQ(m_holder.Cria(HKEY_CURRENT_USER, m_key), ERROR_SUCCESS);
    }
    void TearDown() override {
        m_holder.Fecha();
        RegDeleteTreeA(HKEY_CURRENT_USER, m_key.c_str());
    }
    void raw(const char* name, DWORD type, const void* data, DWORD size) {
        ASSERT_EQ(RegSetValueExA(m_holder.GetHandle(), name, 0, type, static_cast<const BYTE*>(data), size),
                  ERROR_SUCCESS);
    }
    std::string m_key;
    CQVChaveRegistro m_holder;
};

TEST_F(Registro, ReadsEveryTypeAndFallsBackToTheDefault) {
    SetEnvironmentVariableA("ZU_REGISTRO_TESTE", "valor");
    const DWORD numero = 0x12345678;
    const char sem_nul[3] = {'a', 'b', 'c'};   // a text stored without its NUL
    const BYTE curto[2] = {1, 2};
    raw("texto", REG_SZ, "Pasta", 6);
    raw("expandir", REG_EXPAND_SZ, "C:\\%ZU_REGISTRO_TESTE%\\x", 26);
    raw("sem_nul", REG_SZ, sem_nul, 3);
    raw("numero", REG_DWORD, &numero, 4);
    raw("numero_texto", REG_SZ, "1234", 5);
    raw("binario_curto", REG_BINARY, curto, 2);

    struct text_case { const char* name; const char* padrao; bool expand; const char* expected; };
    const text_case texts[] = {
        {"texto", "x", true, "Pasta"},
        {"expandir", nullptr, true, "C:\\valor\\x"},
        {"expandir", nullptr, false, "C:\\%ZU_REGISTRO_TESTE%\\x"},
        {"sem_nul", nullptr, true, "abc"},          // never read past the value's size
        {"falta", nullptr, true, ""},
        {"falta", "padrão", true, "padrão"},
        {"numero", "padrão", true, "padrão"},       // a number is no text
    };
    for (const auto& t : texts) {
        SCOPED_TRACE(t.name);
        EXPECT_EQ(m_holder.LeTexto(t.name, t.padrao, t.expand), t.expected);
    }
    struct number_case { const char* name; DWORD expected; };
    const number_case numbers[] = {
        {"numero", 0x12345678},
        {"numero_texto", 77},     // a text is no number: the default
        {"binario_curto", 77},    // two bytes are no number
        {"falta", 77},
    };
    for (const auto& n : numbers) {
        SCOPED_TRACE(n.name);
        EXPECT_EQ(m_holder.LeNumero(n.name, 77), n.expected);
    }
    EXPECT_EQ(m_holder.GetTipo("expandir"), static_cast<DWORD>(REG_EXPAND_SZ));
    EXPECT_EQ(m_holder.GetTipo("falta"), 0u);
    BYTE buffer[8] = {};
    DWORD size = sizeof buffer;
    EXPECT_EQ(m_holder.LeBinario("binario_curto", buffer, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 2u);
}

TEST_F(Registro, WriteEmptyFlagSkipsEmptyWrites) {
    m_holder.SetGravaVazio(0);
    EXPECT_EQ(m_holder.GravaTexto("t", ""), ERROR_SUCCESS);
    EXPECT_EQ(m_holder.GravaTexto("t", nullptr), ERROR_SUCCESS);
    EXPECT_EQ(m_holder.GravaNumero("n", 0), ERROR_SUCCESS);
    EXPECT_EQ(m_holder.GravaBinario("b", nullptr, 0), ERROR_SUCCESS);
    EXPECT_EQ(m_holder.NumeroValores(), 0u);

    m_holder.SetGravaVazio(1);
    EXPECT_EQ(m_holder.GravaTexto("t", ""), ERROR_SUCCESS);
    EXPECT_EQ(m_holder.GravaNumero("n", 0), ERROR_SUCCESS);
    EXPECT_EQ(m_holder.GravaTexto("u", "Usuário"), ERROR_SUCCESS);
    EXPECT_EQ(m_holder.NumeroValores(), 3u);
    EXPECT_EQ(m_holder.LeTexto("u"), "Usuário");
    EXPECT_EQ(m_holder.LeNumero("n", 9), 0u);

    std::vector<std::string> names;
    m_holder.ListaValores(names);
    EXPECT_EQ(names.size(), 3u);
    EXPECT_EQ(m_holder.ApagaValores(), ERROR_SUCCESS);
    EXPECT_EQ(m_holder.NumeroValores(), 0u);
}

TEST_F(Registro, FreeFunctionsAndSubkeys) {
    const std::string sub = m_key + "\\Filha";
    EXPECT_EQ(QVGravaRegistroTexto(HKEY_CURRENT_USER, sub, "Pasta", "C:\\Dados"), ERROR_SUCCESS);
    EXPECT_EQ(QVGravaRegistroNumero(HKEY_CURRENT_USER, sub, "Numero", 42), ERROR_SUCCESS);
    EXPECT_EQ(QVLeRegistroTexto(HKEY_CURRENT_USER, sub, "Pasta"), "C:\\Dados");
    EXPECT_EQ(QVLeRegistroNumero(HKEY_CURRENT_USER, sub, "Numero", 1), 42u);
    EXPECT_EQ(QVLeRegistroTexto(HKEY_CURRENT_USER, sub + "\\Falta", "Pasta", "padrão"), "padrão");
    EXPECT_EQ(QVLeRegistroNumero(HKEY_CURRENT_USER, sub + "\\Falta", "Numero", 7), 7u);
    EXPECT_EQ(QVApagaRegistroValor(HKEY_CURRENT_USER, sub, "Pasta"), ERROR_SUCCESS);
    EXPECT_EQ(QVLeRegistroTexto(HKEY_CURRENT_USER, sub, "Pasta"), "");
    EXPECT_NE(QVApagaRegistroValor(HKEY_CURRENT_USER, sub + "\\Falta", "Pasta"), ERROR_SUCCESS);

    std::vector<std::string> keys;
    m_holder.ListaChaves(keys);
    ASSERT_EQ(keys.size(), 1u);
    EXPECT_EQ(keys[0], "Filha");
    EXPECT_EQ(m_holder.NumeroChaves(), 1u);
    EXPECT_EQ(m_holder.ApagaChave("Filha"), ERROR_SUCCESS);
    EXPECT_EQ(m_holder.NumeroChaves(), 0u);
}

TEST(RegistroRaiz, ClosingAPredefinedRootLeavesItOpenAndTheHolderEmpty) {
    CQVChaveRegistro holder(HKEY_LOCAL_MACHINE);
    EXPECT_TRUE(holder.EstaAberta());
    holder.Fecha();
    EXPECT_FALSE(holder.EstaAberta());
    HKEY software = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE", 0, KEY_READ, &software), ERROR_SUCCESS);
    if (software) RegCloseKey(software);
    // A closed holder reads defaults and refuses writes.
    EXPECT_EQ(holder.LeTexto("x", "d"), "d");
    EXPECT_NE(holder.GravaTexto("x", "y"), ERROR_SUCCESS);
}

TEST(RegistroRaiz, RedirectionKeepsTheRealInstallationKeyUntouched) {
    std::string real_before = QVLeRegistroTexto(HKEY_LOCAL_MACHINE, "SOFTWARE\\RO Vivavevo", "ZuRedirectProbe", "none");
    {
        qv_registry_redirect redirect("RegistroRaiz");
        EXPECT_EQ(QVGravaRegistroTexto(HKEY_LOCAL_MACHINE, "SOFTWARE\\RO Vivavevo", "ZuRedirectProbe", "sim"),
                  ERROR_SUCCESS);
        EXPECT_EQ(QVLeRegistroTexto(HKEY_LOCAL_MACHINE, "SOFTWARE\\RO Vivavevo", "ZuRedirectProbe"), "sim");
        CQVChaveRegistro user;
        EXPECT_EQ(user.CriaUsuario("Teste"), ERROR_SUCCESS);
        EXPECT_EQ(user.GravaTexto("v", "1"), ERROR_SUCCESS);
        EXPECT_EQ(QVLeRegistroTexto(HKEY_CURRENT_USER, "Software\\RO Vivavevo\\Teste", "v"), "1");
    }
    EXPECT_EQ(QVLeRegistroTexto(HKEY_LOCAL_MACHINE, "SOFTWARE\\RO Vivavevo", "ZuRedirectProbe", "none"), real_before);
    EXPECT_EQ(QVLeRegistroTexto(HKEY_CURRENT_USER, "Software\\RO Vivavevo\\Teste", "v", "none"), "none");
}

}  // namespace

// The server's data at start: only an installation with its store serves logins; without one
// every login is refused with the reason, which also goes to the event log, and nothing is made.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>

#include "base/CQVChaveRegistro.h"
#include "base/QVEventLog.h"
#include "platform/com/com_ptr.h"
#include "platform/com/text.h"
#include "server/holders/CCacheServidores.h"
#include "server/holders/CPoolConexoes.h"
#include "server/root/CQV_Inicializa.h"
#include "server/holders/CSessaoGlobal.h"
#include "platform/inhouse/core/store.h"
#include "server/holders/dados_instalacao.h"
#include "support/qv_test_installation.h"
#include "support/last_error.h"

namespace {

using server::CQV_Inicializa;

struct resultado {
    HRESULT hr;
    int result;
    std::string erro;
};

resultado entra() {
    auto root = com::make<CQV_Inicializa>();
    SetErrorInfo(0, nullptr);
    INT result = -7;
    const HRESULT hr = root->Inicializa(com::to_bstr("DEMO").get(), com::to_bstr("ADMIN").get(),
                                        com::to_bstr("admin123").get(), &result);
    return {hr, result, last_error()};
}

bool exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

class DadosInstalacao : public testing::Test {
protected:
    ~DadosInstalacao() override {
        server::CCacheServidores::Destroi();
        server::CPoolConexoes::Destroi();
        server::CSessaoGlobal::Destroi();
    }
};

TEST_F(DadosInstalacao, WithoutAnInstallationOrASoundStoreEveryLoginIsRefusedWithTheReason) {
    constexpr HRESULT servidor_empresas = static_cast<HRESULT>(0x80040002u);
    const std::string sem_instalacao =
        "A instalação do ZidizUvi não foi encontrada: falta o valor \"Cadastros\" da chave "
        "HKEY_LOCAL_MACHINE\\SOFTWARE\\RO Vivavevo no registro.";
    {
        // No installation key: no store beside the executable either.
        qv_registry_redirect nada("DadosSemChave");
        qv_event_log_capture log;
        EXPECT_EQ(server::caminho_banco_instalacao(), "");
        auto dados = server::abre_dados_instalacao();
        EXPECT_EQ(server::motivo_dados_indisponiveis(), sem_instalacao);
        EXPECT_TRUE(log.contains(sem_instalacao));
        const auto r = entra();
        EXPECT_EQ(r.hr, servidor_empresas);
        EXPECT_EQ(r.result, 1);
        EXPECT_EQ(r.erro, sem_instalacao);
    }
    EXPECT_EQ(server::motivo_dados_indisponiveis(), "") << "the reason lives as long as the data holder";

    struct row {
        const char* name;
        std::function<void(const std::string& path)> prepare;
        std::string reason;   // before the path
    };
    const row rows[] = {
        {"no store", [](const std::string&) {}, "O banco de dados da instalação não foi encontrado: "},
        {"not a database",
         [](const std::string& path) {
             HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
             DWORD n = 0;
             WriteFile(f, "lixo", 4, &n, nullptr);
             CloseHandle(f);
         },
         "O banco de dados da instalação não pode ser usado: "},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        qv_test_installation inst("DadosInstalacao");
        const std::string path = server::caminho_banco_instalacao();
        EXPECT_EQ(path, inst.root() + "Cadastros\\ZidizUvi.db");
        r.prepare(path);
        const bool existed = exists(path);
        qv_event_log_capture log;
        auto dados = server::abre_dados_instalacao();
        const std::string& motivo = server::motivo_dados_indisponiveis();
        EXPECT_EQ(motivo.rfind(r.reason + path, 0), 0u) << motivo;
        EXPECT_TRUE(log.contains(motivo));
        EXPECT_EQ(exists(path), existed) << "the server made no store";
        const auto login = entra();
        EXPECT_EQ(login.hr, servidor_empresas);
        EXPECT_EQ(login.erro, motivo);
    }
}

TEST_F(DadosInstalacao, TheStoreTheInstallationWriterMadeServesLoginsAndKeepsOnlyOpenSessions) {
    qv_test_installation inst("DadosInstalacaoBanco");
    const std::string path = inst.create_store();
    auto dados = server::abre_dados_instalacao();
    ASSERT_EQ(server::motivo_dados_indisponiveis(), "");
    auto sessoes = [&] {
        inhouse::store s = inhouse::store::open(com::ansi_to_utf8(path));
        auto q = s.prepare("SELECT COUNT(*) FROM sessao");
        q.step();
        return q.column_int(0);
    };
    {
        auto root = com::make<CQV_Inicializa>();
        for (int i = 0; i < 3; ++i) {
            SCOPED_TRACE(i);
            INT result = -7;
            ASSERT_EQ(root->Inicializa(com::to_bstr("DEMO").get(), com::to_bstr("ADMIN").get(),
                                       com::to_bstr("admin123").get(), &result),
                      S_OK);
            EXPECT_EQ(result, 0);
            EXPECT_EQ(sessoes(), 1) << "a new login on the root closes its earlier session";
        }
        auto other = com::make<CQV_Inicializa>();
        INT result = -7;
        other->Inicializa(com::to_bstr("DEMO").get(), com::to_bstr("ADMIN").get(), com::to_bstr("errada").get(), &result);
        EXPECT_EQ(sessoes(), 1) << "a refused login opens none";
        EXPECT_EQ(root->Finaliza(), S_OK);
        EXPECT_EQ(sessoes(), 0);
        ASSERT_EQ(root->Inicializa(com::to_bstr("DEMO").get(), com::to_bstr("ADMIN").get(),
                                   com::to_bstr("admin123").get(), &result),
                  S_OK);
        EXPECT_EQ(sessoes(), 1);
    }
    EXPECT_EQ(sessoes(), 0) << "the root's end closes its session";
}

}  // namespace

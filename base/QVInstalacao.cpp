#include "base/QVInstalacao.h"

#include "base/CQVChaveRegistro.h"
#include "base/QVCaminhos.h"
#include "base/QVModulos.h"

namespace {

constexpr char installation_key[] = "SOFTWARE\\RO Vivavevo";

struct folder_value {
    const char* value;
    const char* folder;
};
constexpr folder_value folder_values[] = {
    {"Mensagens", "Mensagens"}, {"Relatorios", "Relatorios"}, {"Ajuda", "Ajuda"},
    {"Cadastros", "Cadastros"}, {"NFe", "NFe"},               {"Imagens", "Imagens"},
    {"LocalTavon", "Local"},
};

LONG first_error(LONG current, LONG next) { return current != 0 ? current : next; }

LONG make_folder(const std::string& path) {
    if (QVCriaPasta(path)) return 0;
    const DWORD e = GetLastError();
    return static_cast<LONG>(e ? e : ERROR_PATH_NOT_FOUND);
}

}  // namespace

LONG qv_write_installation(const qv_installation& inst) {
    const std::string root = inst.root.empty() || inst.root.back() == '\\' ? inst.root : inst.root + '\\';
    LONG rc = make_folder(root);
    CQVChaveRegistro key;
    rc = first_error(rc, key.Cria(HKEY_LOCAL_MACHINE, installation_key));
    for (const auto& f : folder_values) {
        const std::string folder = root + f.folder + '\\';
        rc = first_error(rc, make_folder(folder));
        rc = first_error(rc, key.GravaTexto(f.value, folder));
    }
    for (const QVModulo* m = QVInicioTabelaModulos(); m != QVFimTabelaModulos(); ++m) {
        if (std::string(m->sigla) == "NF") continue;   // lives in the DF folders
        const std::string folder = root + "Modulos\\" + m->sigla + '\\';
        rc = first_error(rc, make_folder(folder));
        rc = first_error(rc, QVGravaRegistroTexto(HKEY_LOCAL_MACHINE, std::string(installation_key) + '\\' + m->nome,
                                                  "Path", folder.c_str()));
    }
    const std::string index = root + "Indice\\";
    rc = first_error(rc, make_folder(index));
    rc = first_error(rc, QVGravaRegistroTexto(HKEY_LOCAL_MACHINE, "Software\\RO Vivavevo\\Tavon Empresarial",
                                              "QVIndice", index.c_str()));
    for (const auto& company : inst.companies) {
        CQVChaveRegistro companyKey;
        rc = first_error(rc, companyKey.Cria(HKEY_LOCAL_MACHINE, std::string(installation_key) + "\\Empresas\\" + company));
        for (const QVModulo* m = QVInicioTabelaModulos(); m != QVFimTabelaModulos(); ++m) {
            if (std::string(m->sigla) == "NF") continue;
            const std::string folder = root + "Empresas\\" + company + '\\' + m->sigla + '\\';
            rc = first_error(rc, make_folder(folder));
            rc = first_error(rc, companyKey.GravaTexto(m->sigla, folder));
        }
        rc = first_error(rc, make_folder(root + "Empresas\\" + company + "\\DF\\NFe\\"));
    }
    if (!inst.messages_source.empty()) {
        WIN32_FIND_DATAA fd{};
        HANDLE find = FindFirstFileA(QVMontaCaminho(inst.messages_source, "QV*Mens.txt").c_str(), &fd);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                if (!CopyFileA(QVMontaCaminho(inst.messages_source, fd.cFileName).c_str(),
                               (root + "Mensagens\\" + fd.cFileName).c_str(), FALSE))
                    rc = first_error(rc, static_cast<LONG>(GetLastError()));
            } while (FindNextFileA(find, &fd));
            FindClose(find);
        } else {
            rc = first_error(rc, static_cast<LONG>(GetLastError()));
        }
    }
    return rc;
}

void qv_remove_installation_registry() {
    CQVChaveRegistro software;   // through the helpers, so that a test redirection applies
    if (software.Abre(HKEY_LOCAL_MACHINE, "SOFTWARE", true) == ERROR_SUCCESS)
        RegDeleteTreeA(software.GetHandle(), "RO Vivavevo");
}

#include "platform/inhouse/core/impressora_pdf.h"

#include <string>

#include <winspool.h>

#include "platform/com/unique.h"

namespace inhouse {
namespace {

constexpr wchar_t chave_impressoras[] = L"System\\CurrentControlSet\\Control\\Print\\Printers\\";
constexpr wchar_t chave_versao[] = L"Software\\Microsoft\\Windows NT\\CurrentVersion\\";
constexpr wchar_t driver[] = L"winspool";

// What the spooler needs to list the printer (level 2) and to open it: its name, port, driver,
// print processor and data type.
struct valor_texto {
    const wchar_t* nome;
    std::wstring valor;
};

LONG grava_texto(HKEY chave, const wchar_t* nome, const std::wstring& valor) {
    return RegSetValueExW(chave, nome, 0, REG_SZ, reinterpret_cast<const BYTE*>(valor.c_str()),
                          static_cast<DWORD>((valor.size() + 1) * sizeof(wchar_t)));
}

LONG cria(HKEY raiz, const std::wstring& caminho, com::unique_reg_key& chave) {
    return RegCreateKeyExW(raiz, caminho.c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, chave.put(), nullptr);
}

}  // namespace

LONG instala_impressora_pdf(bool padrao_se_nao_houver) {
    const std::wstring nome = impressora_pdf_nome;
    const std::wstring porta = impressora_pdf_porta;
    {
        com::unique_reg_key chave;
        if (LONG rc = cria(HKEY_LOCAL_MACHINE, chave_impressoras + nome, chave)) return rc;
        const valor_texto valores[] = {
            {L"Name", nome},
            {L"Port", porta},
            {L"Printer Driver", nome},
            {L"Print Processor", L"winprint"},
            {L"Datatype", L"RAW"},
            {L"Description", L"Impressora PDF dos relatórios"},
        };
        for (const auto& v : valores)
            if (LONG rc = grava_texto(chave.get(), v.nome, v.valor)) return rc;
        const DWORD atributos = PRINTER_ATTRIBUTE_LOCAL;
        if (LONG rc = RegSetValueExW(chave.get(), L"Attributes", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&atributos),
                                     sizeof atributos))
            return rc;
    }
    // The per-user lists of devices, which the spooler reads to make a printer the default.
    const struct {
        const wchar_t* chave;
        std::wstring valor;
    } listas[] = {
        {L"Devices", std::wstring(driver) + L"," + porta},
        {L"PrinterPorts", std::wstring(driver) + L"," + porta + L",15,45"},
    };
    for (const auto& l : listas) {
        com::unique_reg_key chave;
        if (LONG rc = cria(HKEY_CURRENT_USER, std::wstring(chave_versao) + l.chave, chave)) return rc;
        if (LONG rc = grava_texto(chave.get(), nome.c_str(), l.valor)) return rc;
    }
    if (padrao_se_nao_houver && le_impressora_padrao().empty())
        return grava_impressora_padrao((nome + L"," + driver + L"," + porta).c_str());
    return ERROR_SUCCESS;
}

LONG grava_impressora_padrao(const wchar_t* entrada) {
    com::unique_reg_key chave;
    if (LONG rc = cria(HKEY_CURRENT_USER, std::wstring(chave_versao) + L"Windows", chave)) return rc;
    if (!entrada || !*entrada) {
        const LONG rc = RegDeleteValueW(chave.get(), L"Device");
        return rc == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : rc;
    }
    return grava_texto(chave.get(), L"Device", entrada);
}

std::wstring le_impressora_padrao() {
    com::unique_reg_key chave;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, (std::wstring(chave_versao) + L"Windows").c_str(), 0, KEY_READ, chave.put()))
        return {};
    wchar_t valor[512] = {};
    DWORD tipo = 0;
    DWORD tamanho = sizeof valor - sizeof(wchar_t);   // one NUL always stays
    if (RegQueryValueExW(chave.get(), L"Device", nullptr, &tipo, reinterpret_cast<BYTE*>(valor), &tamanho) ||
        tipo != REG_SZ)
        return {};
    return valor;
}

}  // namespace inhouse

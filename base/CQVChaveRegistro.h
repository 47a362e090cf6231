#pragma once
// Every registry read and write of the system: a holder of one open key of the local or a
// remote machine, and free functions that open, read or write one value and close again.
// Nothing here throws: operations answer the Win32 error code (0 = success) or a default.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// The installation key below HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER.
inline constexpr char qv_chave_instalacao[] = "Software\\RO Vivavevo\\";

class CQVChaveRegistro {
public:
    CQVChaveRegistro() = default;
    explicit CQVChaveRegistro(HKEY chave) : m_hKey(chave) {}
    explicit CQVChaveRegistro(std::string maquina) : m_maquina(std::move(maquina)) {}
    ~CQVChaveRegistro();
    CQVChaveRegistro(const CQVChaveRegistro&) = delete;
    CQVChaveRegistro& operator=(const CQVChaveRegistro&) = delete;

    LONG Abre(HKEY raiz, const std::string& subchave, bool gravar = false);
    LONG AbreUsuario(const std::string& subchave, bool gravar = false);
    LONG AbreMaquina(const std::string& subchave, bool gravar = false);
    LONG Cria(HKEY raiz, const std::string& subchave);
    LONG CriaUsuario(const std::string& subchave);
    LONG CriaMaquina(const std::string& subchave);
    // Never closes a predefined root; the holder is empty afterwards in every case.
    void Fecha();

    // The default (null allowed) when the value cannot be read; REG_EXPAND_SZ is expanded
    // when asked. Only the value's own bytes are read, text ends at its first NUL, and a value
    // that is not a text type gives the default.
    std::string LeTexto(const char* valor, const char* padrao = nullptr, bool expandir = true) const;
    // A REG_DWORD (or a 4-byte REG_BINARY); any other type or size gives the default.
    DWORD LeNumero(const char* valor, DWORD padrao = 0) const;
    LONG LeBinario(const char* valor, void* buffer, DWORD* tamanho) const;
    DWORD GetTipo(const char* valor) const;

    LONG GravaNumero(const char* valor, DWORD numero);
    LONG GravaTexto(const char* valor, const char* texto);
    LONG GravaTexto(const char* valor, const std::string& texto) { return GravaTexto(valor, texto.c_str()); }
    LONG GravaBinario(const char* valor, const void* dados, DWORD tamanho);

    LONG ApagaChave(const char* nome);
    LONG ApagaValor(const char* nome);
    LONG ApagaValores();

    void ListaChaves(std::vector<std::string>& nomes) const;
    void ListaValores(std::vector<std::string>& nomes) const;
    DWORD NumeroChaves() const;
    DWORD NumeroValores() const;

    HKEY GetHandle() const { return m_hKey; }
    bool EstaAberta() const { return m_hKey != nullptr; }
    void Attach(HKEY chave) { Fecha(); m_hKey = chave; }
    HKEY Detach() { HKEY k = m_hKey; m_hKey = nullptr; return k; }
    void SetGravaVazio(int32_t gravar) { m_gravaVazio = gravar; }
    const std::string& GetMaquina() const { return m_maquina; }

private:
    HKEY m_hKey = nullptr;
    int32_t m_gravaVazio = 1;
    std::string m_maquina;
};

LONG QVGravaRegistroTexto(HKEY raiz, const std::string& chave, const char* valor, const char* texto,
                          const std::string& maquina = "");
LONG QVGravaRegistroNumero(HKEY raiz, const std::string& chave, const char* valor, DWORD numero,
                           const std::string& maquina = "");
std::string QVLeRegistroTexto(HKEY raiz, const std::string& chave, const char* valor,
                              const char* padrao = nullptr, bool expandir = true,
                              const std::string& maquina = "");
DWORD QVLeRegistroNumero(HKEY raiz, const std::string& chave, const char* valor, DWORD padrao = 0,
                         const std::string& maquina = "");
LONG QVApagaRegistroValor(HKEY raiz, const std::string& chave, const char* valor,
                          const std::string& maquina = "");
LONG QVTestaRegistroRemoto(const std::string& maquina);
void QVListaPortasSeriais(std::vector<std::string>& portas);

// For tests: while one lives, this process's HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER (of the
// local machine, as the helpers above reach them) are keys below
// HKEY_CURRENT_USER\Software\ZidizUviTests\<name>-<process id>, so that parallel tests and the
// real installation do not meet. The tree is deleted when it ends. Programs this process starts
// while it lives inherit it (through their environment) when they adopt it.
class qv_registry_redirect {
public:
    explicit qv_registry_redirect(const std::string& name);
    // For a program started by a test: takes on the redirection of the process that started it,
    // when there is one, without deleting it at the end.
    static qv_registry_redirect* adopt_inherited();
    ~qv_registry_redirect();
    qv_registry_redirect(const qv_registry_redirect&) = delete;
    qv_registry_redirect& operator=(const qv_registry_redirect&) = delete;
    // The real path below HKEY_CURRENT_USER that stands for HKEY_LOCAL_MACHINE.
    const std::string& machine_path() const { return m_machine_path; }

private:
    qv_registry_redirect() = default;
    std::string m_base;
    std::string m_machine_path;
    HKEY m_machine = nullptr;
    HKEY m_user = nullptr;
    bool m_owner = true;
};

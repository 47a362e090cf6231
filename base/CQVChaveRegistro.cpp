#include "base/CQVChaveRegistro.h"

#include <atomic>
#include <cstring>
#include <vector>

namespace {

constexpr REGSAM acesso_leitura = KEY_READ;                  // 0x20019
constexpr REGSAM acesso_gravacao = KEY_READ | KEY_WRITE;     // 0x2001F
constexpr REGSAM acesso_criacao = KEY_ALL_ACCESS;            // 0xF003F

// Names a test's redirection to the programs it starts.
constexpr char inherited_redirect_variable[] = "ZIDIZUVI_REGISTRO_TESTE";
constexpr char tests_root[] = "Software\\ZidizUviTests\\";

std::atomic<HKEY> g_machine_redirect{nullptr};
std::atomic<HKEY> g_user_redirect{nullptr};

bool is_predefined(HKEY k) {
    return k == HKEY_CLASSES_ROOT || k == HKEY_CURRENT_USER || k == HKEY_LOCAL_MACHINE ||
           k == HKEY_USERS || k == HKEY_PERFORMANCE_DATA || k == HKEY_CURRENT_CONFIG ||
           k == HKEY_DYN_DATA;
}

// The root to open below: the predefined key, a test redirection of it, or the remote
// machine's root (which the caller closes).
struct root_key {
    HKEY key = nullptr;
    bool owned = false;
    LONG error = ERROR_SUCCESS;
    ~root_key() {
        if (owned && key) RegCloseKey(key);
    }
};

void resolve_root(HKEY raiz, const std::string& maquina, root_key& r) {
    if (maquina.empty()) {
        HKEY redirected = nullptr;
        if (raiz == HKEY_LOCAL_MACHINE) redirected = g_machine_redirect.load();
        else if (raiz == HKEY_CURRENT_USER) redirected = g_user_redirect.load();
        r.key = redirected ? redirected : raiz;
        return;
    }
    HKEY remote = nullptr;
    r.error = RegConnectRegistryA(maquina.c_str(), raiz, &remote);
    if (r.error == ERROR_SUCCESS) {
        r.key = remote;
        r.owned = true;
    }
}

std::string join_installation(const std::string& subchave) {
    return std::string(qv_chave_instalacao) + subchave;
}

}  // namespace

CQVChaveRegistro::~CQVChaveRegistro() { Fecha(); }

LONG CQVChaveRegistro::Abre(HKEY raiz, const std::string& subchave, bool gravar) {
    Fecha();
    root_key root;
    resolve_root(raiz, m_maquina, root);
    if (root.error != ERROR_SUCCESS) return root.error;
    HKEY k = nullptr;
    LONG rc = RegOpenKeyExA(root.key, subchave.c_str(), 0, gravar ? acesso_gravacao : acesso_leitura, &k);
    if (rc == ERROR_SUCCESS) m_hKey = k;
    return rc;
}

LONG CQVChaveRegistro::AbreUsuario(const std::string& subchave, bool gravar) {
    return Abre(HKEY_CURRENT_USER, join_installation(subchave), gravar);
}

LONG CQVChaveRegistro::AbreMaquina(const std::string& subchave, bool gravar) {
    return Abre(HKEY_LOCAL_MACHINE, join_installation(subchave), gravar);
}

LONG CQVChaveRegistro::Cria(HKEY raiz, const std::string& subchave) {
    Fecha();
    root_key root;
    resolve_root(raiz, m_maquina, root);
    if (root.error != ERROR_SUCCESS) return root.error;
    HKEY k = nullptr;
    DWORD disposition = 0;
    LONG rc = RegCreateKeyExA(root.key, subchave.c_str(), 0, nullptr, 0, acesso_criacao, nullptr, &k,
                              &disposition);
    if (rc == ERROR_SUCCESS) m_hKey = k;
    return rc;
}

LONG CQVChaveRegistro::CriaUsuario(const std::string& subchave) {
    return Cria(HKEY_CURRENT_USER, join_installation(subchave));
}

LONG CQVChaveRegistro::CriaMaquina(const std::string& subchave) {
    return Cria(HKEY_LOCAL_MACHINE, join_installation(subchave));
}

void CQVChaveRegistro::Fecha() {
    if (m_hKey && !is_predefined(m_hKey)) RegCloseKey(m_hKey);
    m_hKey = nullptr;
}

std::string CQVChaveRegistro::LeTexto(const char* valor, const char* padrao, bool expandir) const {
    const std::string fallback = padrao ? padrao : "";
    if (!m_hKey) return fallback;
    DWORD tipo = 0, tamanho = 0;
    if (RegQueryValueExA(m_hKey, valor, nullptr, &tipo, nullptr, &tamanho) != ERROR_SUCCESS) return fallback;
    // One byte more than the value holds, so that a value stored without its NUL still ends.
    std::vector<char> buffer(tamanho + 1, '\0');
    DWORD lido = tamanho;
    if (RegQueryValueExA(m_hKey, valor, nullptr, &tipo, reinterpret_cast<BYTE*>(buffer.data()), &lido) !=
        ERROR_SUCCESS)
        return fallback;
    // Only text types are read as text: the bytes of a number are no text.
    if (tipo != REG_SZ && tipo != REG_EXPAND_SZ && tipo != REG_MULTI_SZ) return fallback;
    if (lido > tamanho) lido = tamanho;
    std::string texto(buffer.data(), strnlen(buffer.data(), lido));
    if (tipo == REG_EXPAND_SZ && expandir) {
        DWORD needed = ExpandEnvironmentStringsA(texto.c_str(), nullptr, 0);
        if (needed > 0) {
            std::vector<char> expanded(needed + 1, '\0');
            DWORD got = ExpandEnvironmentStringsA(texto.c_str(), expanded.data(), needed + 1);
            if (got > 0 && got <= needed + 1) texto = expanded.data();
        }
    }
    return texto;
}

DWORD CQVChaveRegistro::LeNumero(const char* valor, DWORD padrao) const {
    if (!m_hKey) return padrao;
    DWORD tipo = 0;
    BYTE dados[8] = {};
    DWORD tamanho = sizeof dados;
    if (RegQueryValueExA(m_hKey, valor, nullptr, &tipo, dados, &tamanho) != ERROR_SUCCESS) return padrao;
    // A number is a REG_DWORD; a text or a short value is not read as one.
    if (tamanho != sizeof(DWORD) || (tipo != REG_DWORD && tipo != REG_BINARY)) return padrao;
    DWORD n = 0;
    memcpy(&n, dados, sizeof n);
    return n;
}

LONG CQVChaveRegistro::LeBinario(const char* valor, void* buffer, DWORD* tamanho) const {
    if (!m_hKey) return ERROR_INVALID_HANDLE;
    return RegQueryValueExA(m_hKey, valor, nullptr, nullptr, static_cast<BYTE*>(buffer), tamanho);
}

DWORD CQVChaveRegistro::GetTipo(const char* valor) const {
    if (!m_hKey) return 0;
    DWORD tipo = 0;
    if (RegQueryValueExA(m_hKey, valor, nullptr, &tipo, nullptr, nullptr) != ERROR_SUCCESS) return 0;
    return tipo;
}

LONG CQVChaveRegistro::GravaNumero(const char* valor, DWORD numero) {
    if (m_gravaVazio == 0 && numero == 0) return ERROR_SUCCESS;
    if (!m_hKey) return ERROR_INVALID_HANDLE;
    return RegSetValueExA(m_hKey, valor, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&numero), sizeof numero);
}

LONG CQVChaveRegistro::GravaTexto(const char* valor, const char* texto) {
    if (m_gravaVazio == 0 && (!texto || !*texto)) return ERROR_SUCCESS;
    if (!m_hKey) return ERROR_INVALID_HANDLE;
    const char* t = texto ? texto : "";
    return RegSetValueExA(m_hKey, valor, 0, REG_SZ, reinterpret_cast<const BYTE*>(t),
                          static_cast<DWORD>(strlen(t) + 1));
}

LONG CQVChaveRegistro::GravaBinario(const char* valor, const void* dados, DWORD tamanho) {
    if (m_gravaVazio == 0 && tamanho == 0) return ERROR_SUCCESS;
    if (!m_hKey) return ERROR_INVALID_HANDLE;
    return RegSetValueExA(m_hKey, valor, 0, REG_BINARY, static_cast<const BYTE*>(dados), tamanho);
}

LONG CQVChaveRegistro::ApagaChave(const char* nome) {
    if (!m_hKey) return ERROR_INVALID_HANDLE;
    return RegDeleteKeyA(m_hKey, nome);
}

LONG CQVChaveRegistro::ApagaValor(const char* nome) {
    if (!m_hKey) return ERROR_INVALID_HANDLE;
    return RegDeleteValueA(m_hKey, nome);
}

LONG CQVChaveRegistro::ApagaValores() {
    std::vector<std::string> nomes;
    ListaValores(nomes);
    LONG primeiro = ERROR_SUCCESS;
    for (const auto& n : nomes) {
        LONG rc = ApagaValor(n.c_str());
        if (rc != ERROR_SUCCESS && primeiro == ERROR_SUCCESS) primeiro = rc;
    }
    return primeiro;
}

void CQVChaveRegistro::ListaChaves(std::vector<std::string>& nomes) const {
    nomes.clear();
    DWORD count = 0, max_len = 0;
    if (!m_hKey || RegQueryInfoKeyA(m_hKey, nullptr, nullptr, nullptr, &count, &max_len, nullptr, nullptr,
                                    nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return;
    nomes.resize(count);
    std::vector<char> nome(max_len + 2);
    for (DWORD i = 0; i < count; ++i) {
        DWORD len = static_cast<DWORD>(nome.size());
        if (RegEnumKeyExA(m_hKey, i, nome.data(), &len, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS)
            nomes[i].assign(nome.data(), len);
    }
}

void CQVChaveRegistro::ListaValores(std::vector<std::string>& nomes) const {
    nomes.clear();
    DWORD count = 0, max_len = 0;
    if (!m_hKey || RegQueryInfoKeyA(m_hKey, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count,
                                    &max_len, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return;
    nomes.resize(count);
    std::vector<char> nome(max_len + 2);
    for (DWORD i = 0; i < count; ++i) {
        DWORD len = static_cast<DWORD>(nome.size());
        if (RegEnumValueA(m_hKey, i, nome.data(), &len, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS)
            nomes[i].assign(nome.data(), len);
    }
}

DWORD CQVChaveRegistro::NumeroChaves() const {
    DWORD count = 0;
    if (!m_hKey || RegQueryInfoKeyA(m_hKey, nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr,
                                    nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return 0;
    return count;
}

DWORD CQVChaveRegistro::NumeroValores() const {
    DWORD count = 0;
    if (!m_hKey || RegQueryInfoKeyA(m_hKey, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count,
                                    nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return 0;
    return count;
}

LONG QVGravaRegistroTexto(HKEY raiz, const std::string& chave, const char* valor, const char* texto,
                          const std::string& maquina) {
    CQVChaveRegistro k(maquina);
    LONG rc = k.Cria(raiz, chave);
    if (rc != ERROR_SUCCESS) return rc;
    return k.GravaTexto(valor, texto);
}

LONG QVGravaRegistroNumero(HKEY raiz, const std::string& chave, const char* valor, DWORD numero,
                           const std::string& maquina) {
    CQVChaveRegistro k(maquina);
    LONG rc = k.Cria(raiz, chave);
    if (rc != ERROR_SUCCESS) return rc;
    return k.GravaNumero(valor, numero);
}

std::string QVLeRegistroTexto(HKEY raiz, const std::string& chave, const char* valor, const char* padrao,
                              bool expandir, const std::string& maquina) {
    CQVChaveRegistro k(maquina);
    if (k.Abre(raiz, chave) != ERROR_SUCCESS) return padrao ? padrao : "";
    return k.LeTexto(valor, padrao, expandir);
}

DWORD QVLeRegistroNumero(HKEY raiz, const std::string& chave, const char* valor, DWORD padrao,
                         const std::string& maquina) {
    CQVChaveRegistro k(maquina);
    if (k.Abre(raiz, chave) != ERROR_SUCCESS) return padrao;
    return k.LeNumero(valor, padrao);
}

LONG QVApagaRegistroValor(HKEY raiz, const std::string& chave, const char* valor, const std::string& maquina) {
    CQVChaveRegistro k(maquina);
    LONG rc = k.Abre(raiz, chave, true);
    if (rc != ERROR_SUCCESS) return rc;
    return k.ApagaValor(valor);
}

LONG QVTestaRegistroRemoto(const std::string& maquina) {
    HKEY remote = nullptr;
    LONG rc = RegConnectRegistryA(maquina.empty() ? nullptr : maquina.c_str(), HKEY_LOCAL_MACHINE, &remote);
    if (rc != ERROR_SUCCESS) return rc;
    HKEY system = nullptr;
    rc = RegOpenKeyExA(remote, "SYSTEM", 0, acesso_gravacao, &system);
    if (system) RegCloseKey(system);
    RegCloseKey(remote);
    return rc;
}

void QVListaPortasSeriais(std::vector<std::string>& portas) {
    portas.clear();
    CQVChaveRegistro k;
    if (k.Abre(HKEY_LOCAL_MACHINE, "HARDWARE\\DEVICEMAP\\SERIALCOMM") != ERROR_SUCCESS) return;
    std::vector<std::string> nomes;
    k.ListaValores(nomes);
    for (const auto& n : nomes) {
        if (k.GetTipo(n.c_str()) != REG_SZ) continue;
        std::string porta = k.LeTexto(n.c_str(), nullptr, false);
        if (!porta.empty()) portas.push_back(porta);
    }
}

qv_registry_redirect::qv_registry_redirect(const std::string& name) {
    m_base = tests_root + name + "-" + std::to_string(GetCurrentProcessId());
    RegDeleteTreeA(HKEY_CURRENT_USER, m_base.c_str());
    m_machine_path = m_base + "\\HKLM";
    RegCreateKeyExA(HKEY_CURRENT_USER, m_machine_path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                    &m_machine, nullptr);
    RegCreateKeyExA(HKEY_CURRENT_USER, (m_base + "\\HKCU").c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                    &m_user, nullptr);
    g_machine_redirect.store(m_machine);
    g_user_redirect.store(m_user);
    SetEnvironmentVariableA(inherited_redirect_variable, m_base.c_str());
}

qv_registry_redirect* qv_registry_redirect::adopt_inherited() {
    char base[512];
    const DWORD length = GetEnvironmentVariableA(inherited_redirect_variable, base, sizeof base);
    if (length == 0 || length >= sizeof base) return nullptr;
    // Only a tree that a test made: the variable cannot point this program anywhere else.
    if (std::strncmp(base, tests_root, sizeof tests_root - 1) != 0) return nullptr;
    auto* adopted = new qv_registry_redirect;
    adopted->m_owner = false;
    adopted->m_base = base;
    adopted->m_machine_path = adopted->m_base + "\\HKLM";
    if (RegOpenKeyExA(HKEY_CURRENT_USER, adopted->m_machine_path.c_str(), 0, KEY_ALL_ACCESS, &adopted->m_machine) !=
            ERROR_SUCCESS ||
        RegOpenKeyExA(HKEY_CURRENT_USER, (adopted->m_base + "\\HKCU").c_str(), 0, KEY_ALL_ACCESS, &adopted->m_user) !=
            ERROR_SUCCESS) {
        delete adopted;
        return nullptr;
    }
    g_machine_redirect.store(adopted->m_machine);
    g_user_redirect.store(adopted->m_user);
    return adopted;
}

qv_registry_redirect::~qv_registry_redirect() {
    g_machine_redirect.store(nullptr);
    g_user_redirect.store(nullptr);
    if (m_machine) RegCloseKey(m_machine);
    if (m_user) RegCloseKey(m_user);
    if (!m_owner) return;
    SetEnvironmentVariableA(inherited_redirect_variable, nullptr);
    RegDeleteTreeA(HKEY_CURRENT_USER, m_base.c_str());
}

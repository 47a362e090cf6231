#include "platform/inhouse/editor/arquivos_editor.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

#include "base/QVCaminhos.h"
#include "platform/com/failure.h"
#include "platform/inhouse/editor/registros_editor.h"

namespace inhouse {

namespace {

constexpr char pasta_arquivos[] = "Editor\\";
constexpr std::string_view caracteres_proibidos = "\\/:*?\"<>|";

bool iguais(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                          static_cast<int>(b.size())) == CSTR_EQUAL;
}

bool antes(const std::string& a, const std::string& b) {
    return CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                          static_cast<int>(b.size())) == CSTR_LESS_THAN;
}

// The system's device names, which name no file in any folder ("NUL.REL" is the device NUL).
bool nome_de_dispositivo(std::string_view nome) {
    const std::string_view base = nome.substr(0, nome.find('.'));
    for (const char* d : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"})
        if (iguais(base, d)) return true;
    for (const char* d : {"COM", "LPT"})
        if (base.size() == 4 && iguais(base.substr(0, 3), d) && base[3] >= '0' && base[3] <= '9') return true;
    return false;
}

bool tem_controle(std::string_view t) {
    return std::any_of(t.begin(), t.end(), [](char c) { return static_cast<unsigned char>(c) < 32; });
}

class arquivo_aberto {
public:
    explicit arquivo_aberto(HANDLE h) noexcept : m_h(h) {}
    arquivo_aberto(const arquivo_aberto&) = delete;
    arquivo_aberto& operator=(const arquivo_aberto&) = delete;
    ~arquivo_aberto() {
        if (m_h != INVALID_HANDLE_VALUE) CloseHandle(m_h);
    }
    HANDLE get() const noexcept { return m_h; }
    explicit operator bool() const noexcept { return m_h != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_h;
};

class busca_aberta {
public:
    explicit busca_aberta(HANDLE h) noexcept : m_h(h) {}
    busca_aberta(const busca_aberta&) = delete;
    busca_aberta& operator=(const busca_aberta&) = delete;
    ~busca_aberta() {
        if (m_h != INVALID_HANDLE_VALUE) FindClose(m_h);
    }
    HANDLE get() const noexcept { return m_h; }
    explicit operator bool() const noexcept { return m_h != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_h;
};

// The whole file, or nothing when it cannot be read.
std::string le_tudo(const std::string& caminho) {
    arquivo_aberto f(CreateFileA(caminho.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!f) return {};
    LARGE_INTEGER tamanho{};
    if (!GetFileSizeEx(f.get(), &tamanho) || tamanho.QuadPart > (1 << 24)) return {};
    std::string texto(static_cast<size_t>(tamanho.QuadPart), '\0');
    DWORD lido = 0;
    if (!texto.empty() && !ReadFile(f.get(), texto.data(), static_cast<DWORD>(texto.size()), &lido, nullptr))
        return {};
    texto.resize(lido);
    return texto;
}

void grava_tudo(const std::string& caminho, std::string_view conteudo) {
    arquivo_aberto f(CreateFileA(caminho.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                 nullptr));
    if (!f) com::fail("Não foi possível criar o arquivo " + caminho, HRESULT_FROM_WIN32(GetLastError()));
    DWORD gravado = 0;
    if (!conteudo.empty() &&
        (!WriteFile(f.get(), conteudo.data(), static_cast<DWORD>(conteudo.size()), &gravado, nullptr) ||
         gravado != conteudo.size()))
        com::fail("Não foi possível gravar o arquivo " + caminho, HRESULT_FROM_WIN32(GetLastError()));
}

// The side file's lines: name and description.
std::vector<arquivo_editor> descricoes(const std::string& pasta) {
    std::vector<arquivo_editor> out;
    const std::string texto = le_tudo(pasta + arquivo_descricoes);
    size_t inicio = 0;
    while (inicio < texto.size()) {
        size_t fim = texto.find('\n', inicio);
        if (fim == std::string::npos) fim = texto.size();
        std::string linha = texto.substr(inicio, fim - inicio);
        if (!linha.empty() && linha.back() == '\r') linha.pop_back();
        const size_t tab = linha.find('\t');
        if (tab != std::string::npos) out.push_back({linha.substr(0, tab), linha.substr(tab + 1)});
        inicio = fim + 1;
    }
    return out;
}

std::string_view extensao_de(std::string_view nome) {
    const size_t ponto = nome.rfind('.');
    return ponto == std::string_view::npos ? std::string_view() : nome.substr(ponto + 1);
}

}  // namespace

std::string pasta_editor(const std::string& empresa, const std::string& modulo) {
    if (empresa.empty() || modulo.empty()) return {};
    std::string pasta;
    if (!QVLePastaEmpresa(empresa, modulo, pasta)) return {};
    return pasta + pasta_arquivos;
}

bool nome_arquivo_editor(std::string_view nome) {
    return !nome.empty() && nome.size() < sizeof(QVSEDITOR_ARQUIVO::nome) && nome != "." && nome != ".." &&
           nome.find_first_of(caracteres_proibidos) == std::string_view::npos && !tem_controle(nome) &&
           !iguais(nome, arquivo_descricoes) && !nome_de_dispositivo(nome);
}

bool extensao_editor(std::string_view extensao) {
    if (!extensao.empty() && extensao.front() == '.') extensao.remove_prefix(1);
    return extensao.find_first_of(caracteres_proibidos) == std::string_view::npos &&
           extensao.find('.') == std::string_view::npos && !tem_controle(extensao);
}

std::vector<arquivo_editor> lista_arquivos_editor(const std::string& pasta, std::string_view extensao) {
    if (!extensao.empty() && extensao.front() == '.') extensao.remove_prefix(1);
    std::vector<arquivo_editor> out;
    WIN32_FIND_DATAA fd{};
    busca_aberta busca(FindFirstFileA((pasta + "*").c_str(), &fd));
    if (!busca) return out;
    do {
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        const std::string nome = fd.cFileName;
        if (!nome_arquivo_editor(nome)) continue;
        if (!extensao.empty() && !iguais(extensao_de(nome), extensao)) continue;
        out.push_back({nome, {}});
    } while (FindNextFileA(busca.get(), &fd));
    std::sort(out.begin(), out.end(), [](const arquivo_editor& a, const arquivo_editor& b) { return antes(a.nome, b.nome); });
    for (const auto& d : descricoes(pasta))
        for (auto& a : out)
            if (iguais(a.nome, d.nome)) a.descricao = d.descricao;
    return out;
}

void grava_arquivo_editor(const std::string& empresa, const std::string& modulo, const std::string& nome,
                          const std::string& descricao, std::string_view conteudo) {
    const std::string pasta = pasta_editor(empresa, modulo);
    if (pasta.empty()) com::fail("A empresa " + empresa + " não tem pasta do módulo " + modulo, E_INVALIDARG);
    if (!nome_arquivo_editor(nome) || tem_controle(descricao))
        com::fail("Nome ou descrição inválida para o editor: " + nome, E_INVALIDARG);
    if (!QVCriaPasta(pasta)) com::fail("Não foi possível criar a pasta " + pasta, HRESULT_FROM_WIN32(GetLastError()));
    grava_tudo(pasta + nome, conteudo);
    std::string lista;
    for (const auto& d : descricoes(pasta))
        if (!iguais(d.nome, nome)) lista += d.nome + '\t' + d.descricao + "\r\n";
    lista += nome + '\t' + descricao + "\r\n";
    grava_tudo(pasta + arquivo_descricoes, lista);
}

}  // namespace inhouse

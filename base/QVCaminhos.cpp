#include "base/QVCaminhos.h"

#include <shlobj.h>

#include <cstring>
#include <vector>

#include "base/CQVChaveRegistro.h"
#include "base/QVEventLog.h"
#include "base/QVModulos.h"
#include "base/QVSleep.h"
#include "base/qv_ansi_case.h"

namespace {

constexpr char chave_instalacao[] = "SOFTWARE\\RO Vivavevo\\";
constexpr char chave_empresarial[] = "Software\\RO Vivavevo\\Tavon Empresarial";

std::string com_barra(std::string pasta) {
    if (!pasta.empty() && pasta.back() != '\\') pasta += '\\';
    return pasta;
}

// Module 23 (NF) keeps no values of its own: it lives in module 1's.
int modulo_efetivo(int modulo) { return modulo == qv_modulo::NF ? qv_modulo::DF : modulo; }

bool le_valor_instalacao(const char* valor, std::string& texto) {
    CQVChaveRegistro k;
    if (k.Abre(HKEY_LOCAL_MACHINE, chave_instalacao) != ERROR_SUCCESS) return false;
    if (k.GetTipo(valor) == 0) return false;
    texto = k.LeTexto(valor);
    return true;
}

LONG le_pasta(const char* valor, std::string& pasta) {
    pasta.clear();
    std::string texto;
    if (!le_valor_instalacao(valor, texto)) return qv_nao_configurado;
    pasta = com_barra(texto);
    return 0;
}

bool le_caminho_modulo(int modulo, std::string& caminho) {
    modulo = modulo_efetivo(modulo);
    const std::string nome = QVGetNomeModulo(modulo);
    if (nome.empty()) return false;
    CQVChaveRegistro k;
    if (k.Abre(HKEY_LOCAL_MACHINE, std::string(chave_instalacao) + nome) != ERROR_SUCCESS) return false;
    if (k.GetTipo("Path") == 0) return false;
    caminho = com_barra(k.LeTexto("Path"));
    return true;
}

size_t last_backslash(const std::string& s) { return s.rfind('\\'); }

}  // namespace

std::string QVGetPastaRegistro(const char* valor, const std::string& padrao) {
    std::string texto;
    if (!le_valor_instalacao(valor, texto)) return com_barra(padrao);
    return com_barra(texto);
}

std::string QVGetPastaMensagens(const std::string& padrao) { return QVGetPastaRegistro("Mensagens", padrao); }
std::string QVGetPastaRelatorios(const std::string& padrao) { return QVGetPastaRegistro("Relatorios", padrao); }
std::string QVGetPastaAjuda(const std::string& padrao) { return QVGetPastaRegistro("Ajuda", padrao); }
std::string QVGetPastaCadastros(const std::string& padrao) { return QVGetPastaRegistro("Cadastros", padrao); }
std::string QVGetPastaNFe(const std::string& padrao) { return QVGetPastaRegistro("NFe", padrao); }
std::string QVGetPastaImagens(const std::string& padrao) { return QVGetPastaRegistro("Imagens", padrao); }
std::string QVGetPastaLocal(const std::string& padrao) { return QVGetPastaRegistro("LocalTavon", padrao); }

std::string QVGetCaminhoModulo(int modulo, const std::string& padrao) {
    std::string caminho;
    if (!le_caminho_modulo(modulo, caminho)) return com_barra(padrao);
    return caminho;
}

std::string QVGetPastaEmpresa(int modulo, const std::string& empresa, const std::string& maquina) {
    const std::string sigla = QVGetSiglaModulo(modulo_efetivo(modulo));
    if (sigla.empty() || empresa.empty()) return "";
    CQVChaveRegistro k(maquina);
    if (k.Abre(HKEY_LOCAL_MACHINE, std::string(chave_instalacao) + "Empresas\\" + empresa) != ERROR_SUCCESS)
        return "";
    std::string pasta = com_barra(k.LeTexto(sigla.c_str()));
    if (modulo == qv_modulo::NF && !pasta.empty()) pasta += "NFe\\";
    return pasta;
}

int QVLePastaEmpresa(const std::string& empresa, const std::string& sigla, std::string& pasta) {
    pasta.clear();
    const int modulo = QVBuscaModuloPorSigla(sigla);
    if (modulo < 1) return 0;
    pasta = QVGetPastaEmpresa(modulo, empresa);
    return pasta.empty() ? 0 : 1;
}

LONG QVLePastaMensagens(std::string& pasta) { return le_pasta("Mensagens", pasta); }
LONG QVLePastaImagens(std::string& pasta) { return le_pasta("Imagens", pasta); }
LONG QVLePastaRelatorios(std::string& pasta) { return le_pasta("Relatorios", pasta); }
LONG QVLePastaAjuda(std::string& pasta) { return le_pasta("Ajuda", pasta); }
LONG QVLePastaCadastros(std::string& pasta) { return le_pasta("Cadastros", pasta); }

LONG QVLeCaminhoModulo(const std::string& sigla, std::string& caminho) {
    caminho.clear();
    const int modulo = QVBuscaModuloPorSigla(qv_ansi_to_upper(sigla));
    if (modulo < 1) return qv_nao_configurado;
    return le_caminho_modulo(modulo, caminho) ? 0 : qv_nao_configurado;
}

LONG QVLeCaminhoModulo(const std::string& sigla, char* caminho, size_t tamanho) {
    std::string texto;
    LONG rc = QVLeCaminhoModulo(sigla, texto);
    if (caminho && tamanho > 0) {
        const size_t n = texto.size() < tamanho - 1 ? texto.size() : tamanho - 1;
        memcpy(caminho, texto.data(), n);
        caminho[n] = '\0';
    }
    return rc;
}

LONG QVLePastaIndice(std::string& pasta) {
    pasta.clear();
    CQVChaveRegistro k;
    if (k.Abre(HKEY_LOCAL_MACHINE, chave_empresarial) != ERROR_SUCCESS) return qv_nao_configurado;
    std::string texto = k.LeTexto("QVIndice");
    if (texto.empty()) return qv_nao_configurado;
    pasta = com_barra(texto);
    return 0;
}

std::string QVMontaCaminho(const char* pasta, const char* nome) {
    if (!pasta) return nome ? nome : "";
    if (!nome) return pasta;
    std::string p = pasta;
    if (p.empty()) return nome;
    std::string n = nome;
    const bool p_barra = p.back() == '\\';
    const bool n_barra = !n.empty() && n.front() == '\\';
    if (p_barra && n_barra) return p + n.substr(1);
    if (!p_barra && !n_barra) return p + '\\' + n;
    return p + n;
}

std::string QVGetCaminhoRede(const std::string& maquina, const std::string& caminho) {
    if (maquina.empty()) return caminho;
    std::string m;
    for (size_t i = 0; i < maquina.size(); ++i) {
        if (maquina[i] == '\\' && i + 1 < maquina.size() && maquina[i + 1] == '\\') {
            ++i;
            continue;
        }
        m += maquina[i];
    }
    std::string c = caminho;
    for (char& ch : c)
        if (ch == ':') ch = '$';
    if (c.rfind("\\\\", 0) == 0) {
        size_t fim_servidor = c.find('\\', 2);
        c = fim_servidor == std::string::npos ? std::string() : c.substr(fim_servidor + 1);
    }
    return QVMontaCaminho("\\\\" + m, c);
}

std::string QVTrocaExtensao(const char* caminho, const char* extensao) {
    if (!caminho || !*caminho || !extensao) return "";
    std::string c = caminho;
    if (c.back() == '\\') return c;
    std::string ext = extensao;
    if (ext.empty() || ext.front() != '.') ext.insert(ext.begin(), '.');
    const size_t ponto = c.rfind('.');
    const size_t barra = last_backslash(c);
    // A '.' in a folder name is no extension: the extension is added to the file name.
    if (ponto == std::string::npos || (barra != std::string::npos && ponto < barra)) return c + ext;
    return c.substr(0, ponto) + ext;
}

std::string QVGetPasta(const std::string& caminho) {
    const size_t barra = last_backslash(caminho);
    return barra == std::string::npos ? "" : caminho.substr(0, barra + 1);
}

std::string QVGetExtensao(const std::string& caminho) {
    const size_t ponto = caminho.rfind('.');
    if (ponto == std::string::npos) return "";
    if (caminho.find('\\', ponto) != std::string::npos) return "";
    return caminho.substr(ponto + 1);
}

std::string QVGetNomeArquivo(const char* caminho) {
    if (!caminho) return "";
    std::string c = caminho;
    const size_t barra = last_backslash(c);
    return barra == std::string::npos ? c : c.substr(barra + 1);
}

std::string QVGetNomeSemExtensao(const std::string& caminho) {
    const std::string nome = QVGetNomeArquivo(caminho);
    const size_t ponto = nome.rfind('.');
    if (ponto == std::string::npos) return nome;
    return nome.substr(0, ponto);   // empty when the '.' is the first character
}

std::string QVGetRaiz(const std::string& caminho) {
    if (caminho.size() >= 2 && caminho[1] == ':' &&
        ((caminho[0] >= 'A' && caminho[0] <= 'Z') || (caminho[0] >= 'a' && caminho[0] <= 'z')))
        return caminho.substr(0, caminho.size() >= 3 && caminho[2] == '\\' ? 3 : 2);
    if (caminho.rfind("\\\\", 0) == 0) {
        const size_t barra = caminho.find('\\', 2);
        return barra == std::string::npos ? caminho : caminho.substr(0, barra + 1);
    }
    return "";
}

bool QVTemExtensao(const std::string& caminho) {
    const size_t ponto = caminho.rfind('.');
    if (ponto == std::string::npos) return false;
    const size_t barra = last_backslash(caminho);
    return barra == std::string::npos || ponto > barra;
}

std::string QVGetPastaTemporaria() {
    char buffer[MAX_PATH + 1] = {};
    DWORD n = GetTempPathA(sizeof buffer, buffer);
    if (n == 0 || n > MAX_PATH) return "";
    return buffer;
}

std::string QVGetArquivoTemporario(const char* prefixo) {
    const std::string pasta = QVGetPastaTemporaria();
    char nome[MAX_PATH + 1] = {};
    if (GetTempFileNameA(pasta.c_str(), prefixo && *prefixo ? prefixo : "QV", 0, nome) == 0) return "";
    return nome;
}

bool QVCriaPasta(const std::string& caminho) {
    if (caminho.empty()) return false;
    std::string p = caminho;
    while (p.size() > 1 && p.back() == '\\') p.pop_back();
    if (QVExistePasta(p)) return true;
    // Create from the root down: every missing folder of the path.
    size_t start = 0;
    const std::string raiz = QVGetRaiz(p);
    if (!raiz.empty()) start = raiz.size();
    for (size_t pos = p.find('\\', start); ; pos = p.find('\\', pos + 1)) {
        const std::string parte = pos == std::string::npos ? p : p.substr(0, pos);
        if (!parte.empty() && parte.back() != ':' && !QVExistePasta(parte)) {
            if (!CreateDirectoryA(parte.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) return false;
        }
        if (pos == std::string::npos) break;
    }
    return QVExistePasta(p);
}

bool QVExistePasta(const std::string& caminho) {
    HANDLE h = CreateFileA(caminho.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    BY_HANDLE_FILE_INFORMATION info{};
    const bool pasta = GetFileInformationByHandle(h, &info) && (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    CloseHandle(h);
    return pasta;
}

bool QVExisteArquivo(const std::string& caminho) {
    HANDLE h = CreateFileA(caminho.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_EXISTING, 0, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
        CloseHandle(h);
        return true;
    }
    const DWORD e = GetLastError();
    return e != ERROR_FILE_NOT_FOUND && e != ERROR_PATH_NOT_FOUND;
}

bool QVMoveArquivo(const std::string& origem, const std::string& destino, bool falhaSeExiste) {
    if (!CopyFileA(origem.c_str(), destino.c_str(), falhaSeExiste)) return false;
    DeleteFileA(origem.c_str());
    return true;
}

HRESULT QVApagaPasta(const std::string& caminho) {
    std::string pasta = caminho;
    while (!pasta.empty() && pasta.back() == '\\') pasta.pop_back();
    WIN32_FIND_DATAA fd{};
    HANDLE find = FindFirstFileA((pasta + "\\*").c_str(), &fd);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::string nome = fd.cFileName;
            if (nome == "." || nome == "..") continue;
            const std::string item = pasta + "\\" + nome;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                HRESULT hr = QVApagaPasta(item);
                if (hr != 0) {
                    FindClose(find);
                    return hr;
                }
            } else {
                if (fd.dwFileAttributes & FILE_ATTRIBUTE_READONLY)
                    SetFileAttributesA(item.c_str(), fd.dwFileAttributes & ~FILE_ATTRIBUTE_READONLY);
                if (!DeleteFileA(item.c_str())) {
                    const DWORD e = GetLastError();
                    FindClose(find);
                    return static_cast<HRESULT>(0x80070000u | e);
                }
            }
        } while (FindNextFileA(find, &fd));
        FindClose(find);
    }
    if (!RemoveDirectoryA(pasta.c_str())) {
        qv_sleep(500);
        if (!RemoveDirectoryA(pasta.c_str())) return static_cast<HRESULT>(0x80070000u | GetLastError());
    }
    return 0;
}

bool QVPodeGravar(const std::string& caminho) {
    std::string arquivo;
    bool existia = true;
    if (QVExistePasta(caminho)) {
        arquivo = QVMontaCaminho(caminho, "DF0001.tmp");
        existia = GetFileAttributesA(arquivo.c_str()) != INVALID_FILE_ATTRIBUTES;
    } else if (GetFileAttributesA(caminho.c_str()) != INVALID_FILE_ATTRIBUTES) {
        arquivo = caminho;
    } else {
        return false;
    }
    HANDLE h = CreateFileA(arquivo.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_ALWAYS, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    CloseHandle(h);
    if (!existia) DeleteFileA(arquivo.c_str());
    return true;
}

std::string QVEscolhePasta() {
    const std::string ultima = QVLeRegistroTexto(HKEY_CURRENT_USER, chave_empresarial, "LastDirectorySearch");
    qv_event_log(EVENTLOG_INFORMATION_TYPE,
                 "Escolha de pasta pedida ao servidor, que não mostra diálogos; usada a última pasta: " + ultima);
    return ultima;
}

uint32_t QVCRC32(const void* dados, size_t tamanho, uint32_t inicial) {
    static const auto tabela = [] {
        std::vector<uint32_t> t(256);
        for (uint32_t i = 0; i < 256; ++i) {
            uint32_t c = i;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    uint32_t crc = inicial;
    const auto* p = static_cast<const unsigned char*>(dados);
    for (size_t i = 0; i < tamanho; ++i) crc = tabela[(crc ^ p[i]) & 0xFF] ^ (crc >> 8);
    return crc;
}

int QVGetVersaoBiblioteca() { return 527; }

std::string QVGetVersaoBibliotecaTexto() {
    char texto[16];
    snprintf(texto, sizeof texto, "%d.%02d", 5, 27);
    return texto;
}

namespace {

template <typename Fn>
Fn* carrega_importacao(HMODULE& dll, const char* exportacao) {
    dll = LoadLibraryA("QVTransfere.dll");
    if (!dll) {
        qv_event_log(EVENTLOG_ERROR_TYPE, "A dll de importacao (qvtransfere.dll) não foi encontrada");
        return nullptr;
    }
    auto fn = reinterpret_cast<Fn*>(reinterpret_cast<void*>(GetProcAddress(dll, exportacao)));
    if (!fn) {
        qv_event_log(EVENTLOG_ERROR_TYPE, "A dll de importacao (qvtransfere.dll) é inválida");
        FreeLibrary(dll);
        dll = nullptr;
    }
    return fn;
}

}  // namespace

int QVImportaCFRT(const char* parametros) {
    using fn_t = int WINAPI(const char*);
    HMODULE dll = nullptr;
    fn_t* fn = carrega_importacao<fn_t>(dll, "FazImportacaoCFRT");
    if (!fn) return -1;
    const int r = fn(parametros);
    FreeLibrary(dll);
    return r;
}

int QVImportaMunicipios() {
    using fn_t = int WINAPI();
    HMODULE dll = nullptr;
    fn_t* fn = carrega_importacao<fn_t>(dll, "FazImportacaoMunicipios");
    if (!fn) return -1;
    const int r = fn();
    FreeLibrary(dll);
    if (r == 2) qv_event_log(EVENTLOG_INFORMATION_TYPE, "Importação concluída com sucesso!");
    else if (r == 3) qv_event_log(EVENTLOG_INFORMATION_TYPE, "Erro de gravação/leitura. Importação não concluída!");
    return r;
}

#pragma once
// Where the installation keeps things (read from the registry), and small file-name and
// folder helpers. Readers never throw: a missing setting gives the default, an empty text or
// qv_nao_configurado.
#include <windows.h>

#include <cstdint>
#include <string>

// The answer of the readers without a default for a setting that is not configured.
inline constexpr LONG qv_nao_configurado = 16217;

// Installation folders (HKLM "SOFTWARE\RO Vivavevo\" values), always ending in a backslash
// when not empty; the default when the value is missing.
std::string QVGetPastaRegistro(const char* valor, const std::string& padrao = "");
std::string QVGetPastaMensagens(const std::string& padrao = "");
std::string QVGetPastaRelatorios(const std::string& padrao = "");
std::string QVGetPastaAjuda(const std::string& padrao = "");
std::string QVGetPastaCadastros(const std::string& padrao = "");
std::string QVGetPastaNFe(const std::string& padrao = "");
std::string QVGetPastaImagens(const std::string& padrao = "");
std::string QVGetPastaLocal(const std::string& padrao = "");

// "Path" of the module's key; module 23 (NF) reads module 1's.
std::string QVGetCaminhoModulo(int modulo, const std::string& padrao = "");
// The company's data folder of a module ("Empresas\<company>", value = abbreviation);
// module 23 is the DF folder followed by "NFe\". Empty when missing.
std::string QVGetPastaEmpresa(int modulo, const std::string& empresa, const std::string& maquina = "");

// 1 when found, 0 otherwise.
int QVLePastaEmpresa(const std::string& empresa, const std::string& sigla, std::string& pasta);
// 0, or qv_nao_configurado when the value is missing.
LONG QVLePastaMensagens(std::string& pasta);
LONG QVLePastaImagens(std::string& pasta);
LONG QVLePastaRelatorios(std::string& pasta);
LONG QVLePastaAjuda(std::string& pasta);
LONG QVLePastaCadastros(std::string& pasta);
LONG QVLeCaminhoModulo(const std::string& sigla, std::string& caminho);
// The same into a caller's buffer of `tamanho` bytes; the text is cut to fit and terminated.
LONG QVLeCaminhoModulo(const std::string& sigla, char* caminho, size_t tamanho);
// "QVIndice" of "Software\RO Vivavevo\Tavon Empresarial"; qv_nao_configurado also when empty.
LONG QVLePastaIndice(std::string& pasta);

// File-name helpers (pure text).
std::string QVMontaCaminho(const char* pasta, const char* nome);
inline std::string QVMontaCaminho(const std::string& pasta, const std::string& nome) {
    return QVMontaCaminho(pasta.c_str(), nome.c_str());
}
std::string QVGetCaminhoRede(const std::string& maquina, const std::string& caminho);
std::string QVTrocaExtensao(const char* caminho, const char* extensao);
std::string QVGetPasta(const std::string& caminho);
std::string QVGetExtensao(const std::string& caminho);
std::string QVGetNomeArquivo(const char* caminho);
inline std::string QVGetNomeArquivo(const std::string& caminho) { return QVGetNomeArquivo(caminho.c_str()); }
std::string QVGetNomeSemExtensao(const std::string& caminho);
std::string QVGetRaiz(const std::string& caminho);
bool QVTemExtensao(const std::string& caminho);

// File-system helpers.
std::string QVGetPastaTemporaria();
// A new empty file made by the system in the temporary folder ("QV" when no prefix); empty
// text when none could be made.
std::string QVGetArquivoTemporario(const char* prefixo = nullptr);
bool QVCriaPasta(const std::string& caminho);
bool QVExistePasta(const std::string& caminho);
bool QVExisteArquivo(const std::string& caminho);
bool QVMoveArquivo(const std::string& origem, const std::string& destino, bool falhaSeExiste);
HRESULT QVApagaPasta(const std::string& caminho);
bool QVPodeGravar(const std::string& caminho);
// The server shows no dialog: answers the folder last chosen (value "LastDirectorySearch" of
// HKCU "Software\RO Vivavevo\Tavon Empresarial") and notes the request in the event log.
std::string QVEscolhePasta();

// The maker's CRC-32: reflected polynomial 0xEDB88320, no initial or final inversion (so it
// differs from the common CRC-32 and must stay so for the values already stored).
uint32_t QVCRC32(const void* dados, size_t tamanho, uint32_t inicial = 0);
int QVGetVersaoBiblioteca();
std::string QVGetVersaoBibliotecaTexto();

// The maker's import library QVTransfere.dll, loaded for each call. Answer: the export's
// result, or -1 when the library or the export is missing (noted in the event log).
int QVImportaCFRT(const char* parametros);
int QVImportaMunicipios();

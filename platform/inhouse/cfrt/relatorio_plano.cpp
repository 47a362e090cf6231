#include "platform/inhouse/cfrt/relatorio_plano.h"

#include <windows.h>

#include <algorithm>

#include "platform/com/failure.h"
#include "platform/com/unique.h"

namespace inhouse {

namespace {
constexpr const char* fim_linha = "\r\n";
constexpr size_t largura_classificacao = 30;
constexpr size_t largura_codigo = 14;
constexpr size_t largura_nome = 54;

void coluna(std::string& linha, std::string_view texto, size_t largura) {
    linha += texto;
    if (texto.size() < largura) linha.append(largura - texto.size(), ' ');
    else linha += ' ';
}
}  // namespace

std::string relatorio_plano_titulo(std::string_view razao_social) {
    return "PLANO DE CONTAS - " + std::string(razao_social) + fim_linha;
}

std::string relatorio_plano_linha(std::string_view classificacao, std::string_view codigo, std::string_view nome,
                                  char tipo) {
    const auto nivel = static_cast<size_t>(std::count(classificacao.begin(), classificacao.end(), '.'));
    std::string linha;
    coluna(linha, std::string(2 * nivel, ' ') + std::string(classificacao), largura_classificacao);
    coluna(linha, codigo, largura_codigo);
    coluna(linha, nome, largura_nome);
    linha += tipo;
    return linha + fim_linha;
}

void grava_arquivo(const std::wstring& caminho, const std::string& bytes) {
    HANDLE h = CreateFileW(caminho.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) com::fail("Não foi possível criar o arquivo do relatório.", HRESULT_FROM_WIN32(GetLastError()));
    com::unique_handle arquivo(h);
    DWORD escritos = 0;
    if (!WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &escritos, nullptr) || escritos != bytes.size())
        com::fail("Não foi possível gravar o arquivo do relatório.", HRESULT_FROM_WIN32(GetLastError()));
}

}  // namespace inhouse

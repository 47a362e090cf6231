#pragma once
// Where the editor server keeps a company's files of a module, and how it describes them: the
// files lie in the folder "Editor" of the company's data folder of that module
// (Empresas\<company>\<abbreviation>\Editor\), and the side file "descricoes.txt" there holds
// one line per described file: its name, a TAB and its description (CP1252).
//
//     Empresas\DEMO\CN\Editor\BALANCO.REL
//     Empresas\DEMO\CN\Editor\descricoes.txt     "BALANCO.REL\tBalanço patrimonial"
#include <string>
#include <string_view>
#include <vector>

namespace inhouse {

inline constexpr char arquivo_descricoes[] = "descricoes.txt";

struct arquivo_editor {
    std::string nome;
    std::string descricao;
};

// The company's editor folder of the module (ending in a backslash), or empty when the module is
// not one of the installation's or the company has no data folder for it.
std::string pasta_editor(const std::string& empresa, const std::string& modulo);

// A name the server opens: a plain file name (no folder, no drive, no wildcard, not "." or
// "..", no device name), short enough for the list's name field, and not the side file.
bool nome_arquivo_editor(std::string_view nome);
// An extension the server lists: empty, or without folder separators and wildcards; one leading
// point is allowed.
bool extensao_editor(std::string_view extensao);

// The folder's files with the extension (compared without regard to case; empty: every file),
// sorted by name, each with its description (empty when the side file has none). Names the list
// cannot carry are left out. A missing folder has no files.
std::vector<arquivo_editor> lista_arquivos_editor(const std::string& pasta, std::string_view extensao);

// The installation writer's and the tests' part: writes the file (bytes as given) into the
// company's editor folder of the module, creating the folder, and records its description in the
// side file. Throws com::failure.
void grava_arquivo_editor(const std::string& empresa, const std::string& modulo, const std::string& nome,
                          const std::string& descricao, std::string_view conteudo);

}  // namespace inhouse

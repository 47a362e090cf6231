#pragma once
// Writes an installation as the maker's setup leaves it: the folders below one root and the
// registry values that point at them (HKLM "SOFTWARE\RO Vivavevo\..."). The demo and the test
// fixtures use it; the server itself only reads (QVCaminhos.h).
//
// Layout below `root`:
//   Mensagens\ Relatorios\ Ajuda\ Cadastros\ NFe\ Imagens\ Local\ Indice\   installation folders
//   Modulos\<abbreviation>\                                                 "Path" of each module
//   Empresas\<company>\<abbreviation>\                                      company data folders
#include <windows.h>

#include <string>
#include <vector>

struct qv_installation {
    std::string root;                       // ends with a backslash
    std::vector<std::string> companies;     // company keys with data folders
    std::string messages_source;            // a folder whose QV*Mens.txt files are copied, or empty
};

// Creates the folders and writes the values; 0 or the first Win32 error.
LONG qv_write_installation(const qv_installation& installation);
// Removes the values qv_write_installation wrote (the folders stay).
void qv_remove_installation_registry();

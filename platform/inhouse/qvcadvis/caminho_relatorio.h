#pragma once
// Where the report viewer looks for a file it is given: a bare file name is a file of the
// installation's reports folder, where the report classes write their reports; a path is taken
// as it is. Shared by the launcher and the viewer, so that both mean the same file.
#include <string>

#include "base/QVCaminhos.h"

inline std::string caminho_na_pasta_de_relatorios(const std::string& arquivo) {
    if (arquivo.empty() || arquivo.find_first_of("\\/:") != std::string::npos) return arquivo;
    return QVMontaCaminho(QVGetPastaRelatorios(), arquivo);
}

#pragma once
// Where the report-model component keeps the models: one XML file per model,
//     <reports folder>Modelos\<module>\<component>\<model name>.xml
// The module, component and model names are parts of a path: a name that is empty, too long, "."
// or "..", or that holds a path separator, a character Windows refuses in file names or a control
// character is refused, so no name reaches outside the models' folder.
#include <string>
#include <string_view>

namespace inhouse {

// The longest model name: one entry of the names list, less its NUL.
inline constexpr size_t tamanho_maximo_nome_modelo = 255;
// The longest module or component name.
inline constexpr size_t tamanho_maximo_parte_pasta = 64;

inline constexpr char extensao_modelo[] = ".xml";

bool nome_de_arquivo_valido(std::string_view nome, size_t tamanho_maximo);

// The folder of a module's component below a reports folder (ending with a backslash); empty when
// the reports folder is empty or a name is refused.
std::string pasta_modelos(const std::string& pasta_relatorios, std::string_view modulo, std::string_view componente);

}  // namespace inhouse

#pragma once
// The demo company's report models: XML files in the installation's reports folder, where the
// report-model component finds them.
#include <string>

// Writes the models below the reports folder (ending with a backslash); 0 or the first Win32 error.
long escreve_modelos_demo(const std::string& pasta_relatorios);

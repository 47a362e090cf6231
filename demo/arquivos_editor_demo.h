#pragma once
// The demo company's editor files: accounting report layouts (.REL) and formula screens (.FOR),
// and one master-data layout, with their descriptions.

// Writes them into the installation that the registry names. Throws com::failure.
void grava_arquivos_editor_demo();

#pragma once
// The maker's libraries that the server loads from a module's installation folder (relparam.dll
// for the stock reports), built beside the installation writer and copied into the folders the
// installation names.

// 0, or the first Win32 error.
unsigned long copia_bibliotecas_demo();

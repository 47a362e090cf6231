#pragma once
// The document-store connection. The root object keeps a silent one (no dialogs, no messages)
// and initialises it at login with the session.
// TODO: the quick search and the distribution reads join when the document search is built.
#include "platform/inhouse/acesso/CConexaoServidor.h"

class CConexaoGedSrv : public CConexaoServidor {
public:
    const char* NomeClasse() const noexcept override { return "CConexaoGedSrv"; }
};

class CSilentConexaoGedSrv : public CConexaoGedSrv {
public:
    CSilentConexaoGedSrv() noexcept {
        SetTrataErros(false);
        SetTratarMensagens(false);
    }
    const char* NomeClasse() const noexcept override { return "CSilentConexaoGedSrv"; }
};

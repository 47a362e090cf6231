#pragma once
// An editor test: the stand-ins over the demo company, an installation whose company folders the
// editor server reads, and files written into them as the installation writer writes them.
#include <string>
#include <string_view>

#include "platform/inhouse/core/inhouse_guids.h"
#include "platform/inhouse/editor/arquivos_editor.h"
#include "support/qv_test_installation.h"
#include "tests/masterdata/masterdata_fixture.h"

class editor_fixture : public masterdata_fixture {
protected:
    editor_fixture() : m_installation("Editor") {
        creation().clear();
        editor().clear();
    }

    inhouse::fault_plan& creation() { return factory(inhouse::CLSID_EditorServer).faults(); }
    inhouse::fault_plan& editor() { return factory(inhouse::CLSID_EditorServer).object_faults(); }

    void file(const char* modulo, const std::string& nome, const std::string& descricao, std::string_view conteudo) {
        inhouse::grava_arquivo_editor("DEMO", modulo, nome, descricao, conteudo);
    }
    // The editor folder as the installation writer leaves it.
    std::string folder(const char* modulo) { return inhouse::pasta_editor("DEMO", modulo); }

    qv_test_installation m_installation;
};

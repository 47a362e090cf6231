#include "tests/support/qv_test_installation.h"

#include <windows.h>

#include <stdexcept>

#include "base/QVCaminhos.h"
#include "base/QVInstalacao.h"
#include "platform/com/text.h"
#include "platform/inhouse/core/impressora_pdf.h"
#include "platform/inhouse/core/installation.h"

std::string qv_demo_installation_folder() {
    // The source tree's Unix path comes from the build (a compiler cache may compile this file
    // under a relative name, so __FILE__ cannot tell); under Wine the Unix root is drive Z:.
    std::string source = ZU_SOURCE_DIR "/demo/installation/";
    for (char& c : source)
        if (c == '/') c = '\\';
    return "Z:" + source;
}

qv_test_installation::qv_test_installation(const std::string& name, std::vector<std::string> companies)
    : m_redirect(name) {
    m_root = QVGetPastaTemporaria() + "zu-" + name + "-" + std::to_string(GetCurrentProcessId()) + "\\";
    QVApagaPasta(m_root);
    qv_installation inst{m_root, std::move(companies), qv_demo_installation_folder() + "Mensagens"};
    if (LONG rc = qv_write_installation(inst); rc != 0)
        throw std::runtime_error("test installation could not be written: error " + std::to_string(rc));
    // The PDF printer lives in the prefix's own registry (the spooler reads no redirection); the
    // default printer is left alone, for the tests that change it.
    if (LONG rc = inhouse::instala_impressora_pdf(false); rc != 0)
        throw std::runtime_error("test PDF printer could not be installed: error " + std::to_string(rc));
}

qv_test_installation::~qv_test_installation() { QVApagaPasta(m_root); }

std::string qv_test_installation::create_store() const {
    const std::string path = m_root + "Cadastros\\ZidizUvi.db";
    inhouse::create_demo_store(com::ansi_to_utf8(path));
    return path;
}

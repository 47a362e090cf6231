#include "tests/support/qv_test_installation.h"

#include <windows.h>

#include <stdexcept>

#include "base/QVCaminhos.h"
#include "base/QVInstalacao.h"
#include "platform/com/text.h"
#include "platform/inhouse/core/impressora_pdf.h"
#include "platform/inhouse/core/installation.h"

std::string qv_demo_installation_folder() {
    // This file lies at tests/support/ of the source tree; under Wine the Unix root is drive Z:.
    std::string file = __FILE__;
    for (char& c : file)
        if (c == '/') c = '\\';
    if (!file.empty() && file.front() == '\\') file = "Z:" + file;
    const std::string support = QVGetPasta(file);                            // ...\tests\support\ .
    const std::string tests = QVGetPasta(support.substr(0, support.size() - 1));
    const std::string source = QVGetPasta(tests.substr(0, tests.size() - 1));
    return source + "demo\\installation\\";
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

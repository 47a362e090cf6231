#pragma once
// A complete installation for one test process: a temporary folder tree, the registry values
// pointing at it (below a per-process redirection of HKLM and HKCU, so that parallel tests do
// not meet) and the demo's message files. Everything is removed at the end.
#include <string>
#include <vector>

#include "base/CQVChaveRegistro.h"

class qv_test_installation {
public:
    explicit qv_test_installation(const std::string& name, std::vector<std::string> companies = {"DEMO"});
    ~qv_test_installation();
    qv_test_installation(const qv_test_installation&) = delete;
    qv_test_installation& operator=(const qv_test_installation&) = delete;

    // The installation's root folder, ending with a backslash.
    const std::string& root() const { return m_root; }
    // Writes the installation's data store (ZidizUvi.db in its registers folder) with the demo
    // company, as the installation writer does; returns its path.
    std::string create_store() const;
    const qv_registry_redirect& registry() const { return m_redirect; }

private:
    qv_registry_redirect m_redirect;
    std::string m_root;
};

// The demo installation's folder in the source tree, as a Windows path.
std::string qv_demo_installation_folder();

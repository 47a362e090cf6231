#include "server/process/exe_main.h"

#include <objbase.h>

#include "base/QVDCOM.h"
#include "server/process/registration_switch.h"

namespace server {

namespace {
int register_or_unregister(com::CExeModule& module, registration_switch which) {
    const bool do_register = which == registration_switch::register_server;
    module.UpdateRegistryAppId(do_register);   // its result is not part of the exit code
    const HRESULT hr = do_register ? module.RegisterServer() : module.UnregisterServer();
    module.Term();
    CoUninitialize();
    return static_cast<int>(hr);
}
}  // namespace

int exe_main(const com::module_config& config, const open_data_function& open_data) {
    const char* command_line = GetCommandLineA();
    CoInitialize(nullptr);
    QVInicializaSeguranca();   // its result is ignored: a second set-up in the process fails harmlessly
    auto& module = com::module();
    module.Init(config);
    module.dwThreadID = GetCurrentThreadId();

    if (auto which = find_registration_switch(command_line); which != registration_switch::none)
        return register_or_unregister(module, which);

    std::shared_ptr<void> data = open_data ? open_data() : nullptr;
    module.StartMonitor();
    module.RegisterClassObjects(CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER, REGCLS_MULTIPLEUSE);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);

    module.RevokeClassObjects();
    data.reset();
    Sleep(com::CExeModule::pause_after_loop_ms);
    module.Term();
    CoUninitialize();
    return 0;
}

}  // namespace server

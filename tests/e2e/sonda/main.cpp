// The test server: the product's server frame serving only the test probe.
#include <windows.h>

#include "tests/e2e/sonda/Sonda.h"
#include "VAVEDERAZur.h"
#include "platform/com/class_factory.h"
#include "platform/com/error_info.h"
#include "server/process/class_table.h"
#include "server/process/exe_main.h"

namespace {
constexpr com::class_entry object_map[] = {com::entry<teste::Sonda>()};
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    com::set_reporting_class(CLSID_QV_Inicializa, server::root_progid);
    return server::exe_main({L"ZidizUviTeste", &teste::appid, &LIBID_ZidizUviTeste, object_map});
}

#include <windows.h>

#include "server/process/class_table.h"
#include "server/process/object_map.h"
#include "server/holders/dados_instalacao.h"
#include "server/process/exe_main.h"
#include "platform/com/error_info.h"
#include "VAVEDERAZur.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    com::set_reporting_class(CLSID_QV_Inicializa, server::root_progid);
    return server::exe_main(server::product_module(), server::abre_dados_instalacao);
}

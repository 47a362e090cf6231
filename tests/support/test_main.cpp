// Every test program runs its tests on a single-threaded apartment, as the server does.
#include <gtest/gtest.h>
#include <objbase.h>

#include "VAVEDERAZur.h"
#include "platform/com/error_info.h"
#include "platform/com/module.h"
#include "platform/inhouse/fault_plan.h"
#include "server/class_table.h"
#include "server/object_map.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    CoInitialize(nullptr);
    // The tests read what the stand-ins received; the server itself keeps nothing.
    inhouse::fault_plan::set_recording(true);
    com::set_reporting_class(CLSID_QV_Inicializa, server::root_progid);
    com::module().Init(server::product_module());
    const int result = RUN_ALL_TESTS();
    CoUninitialize();
    return result;
}

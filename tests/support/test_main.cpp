// Every test program runs its tests on a single-threaded apartment, as the server does.
#include <gtest/gtest.h>
#include <objbase.h>

#include "VAVEDERAZur.h"
#include "tests/support/lock_count_listener.h"
#include "platform/com/error_info.h"
#include "platform/com/module.h"
#include "platform/inhouse/core/fault_plan.h"
#include "server/process/class_table.h"
#include "server/process/object_map.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new test_support::lock_count_listener);
    CoInitialize(nullptr);
    // The tests read what the stand-ins received; the server itself keeps nothing.
    inhouse::fault_plan::set_recording(true);
    com::set_reporting_class(CLSID_QV_Inicializa, server::root_progid);
    com::module().Init(server::product_module());
    const int result = RUN_ALL_TESTS();
    CoUninitialize();
    return result;
}

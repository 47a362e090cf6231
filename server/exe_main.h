#pragma once
#include "platform/com/module.h"

namespace server {

// The whole life of the server process: registration switches, or class objects, the message
// loop and the idle shutdown. Returns the process exit code.
int exe_main(const com::module_config& config);

}  // namespace server

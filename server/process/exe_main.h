#pragma once
#include <functional>
#include <memory>

#include "platform/com/module.h"

namespace server {

// What the server opens before it serves (its data), held until the class objects are revoked.
using open_data_function = std::function<std::shared_ptr<void>()>;

// The whole life of the server process: registration switches, or class objects, the message
// loop and the idle shutdown. Returns the process exit code.
int exe_main(const com::module_config& config, const open_data_function& open_data = {});

}  // namespace server

#pragma once

namespace server {

enum class registration_switch { none, register_server, unregister_server };

// Scans the command line as the server always has: after each '-' or '/', the whole rest of the
// line is compared (ignoring case) with "UnregServer", then "RegServer". So a switch counts only
// when it ends the line.
registration_switch find_registration_switch(const char* command_line) noexcept;

}  // namespace server

#include "server/process/registration_switch.h"

#include <windows.h>

namespace server {

namespace {
// The character after the first '-' or '/', walking the text as multibyte characters.
const char* find_one_of_dash_slash(const char* p) noexcept {
    while (p && *p) {
        if (*p == '-' || *p == '/') return CharNextA(p);
        p = CharNextA(p);
    }
    return nullptr;
}
}  // namespace

registration_switch find_registration_switch(const char* command_line) noexcept {
    for (const char* token = find_one_of_dash_slash(command_line); token;
         token = find_one_of_dash_slash(token)) {
        if (lstrcmpiA(token, "UnregServer") == 0) return registration_switch::unregister_server;
        if (lstrcmpiA(token, "RegServer") == 0) return registration_switch::register_server;
    }
    return registration_switch::none;
}

}  // namespace server

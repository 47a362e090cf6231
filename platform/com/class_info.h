#pragma once
#include <windows.h>

namespace com {

// What the registration and the class objects need to know of one creatable class.
struct class_info {
    const CLSID* clsid;
    const wchar_t* coclass;     // the name inside the ProgIDs: <app>.<coclass>.1
    int script;                 // number of its registration script
    bool typelib_entries;       // CurVer, Programmable and TypeLib keys
};

// One row of the object map: the class and how to make its class object.
struct class_entry {
    class_info info;
    HRESULT (*get_class_object)(REFIID iid, void** ppv);
};

}  // namespace com

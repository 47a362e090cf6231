#pragma once
// The reporter road of the creatable sales classes, whose failures name their own class (its
// ProgID) as the source instead of the root object's.
#include <windows.h>

#include "platform/com/error_info.h"
#include "platform/com/failure.h"

namespace sales {

// For the catch (...) of a method: a com::failure is reported with `clsid`'s ProgID as source;
// anything else goes the common road.
inline HRESULT relata_classe(REFCLSID clsid, REFIID iid) noexcept {
    try {
        throw;
    } catch (const com::failure& f) {
        return com::AtlReportError(clsid, f.text.c_str(), 0, nullptr, iid, f.hr);
    } catch (...) {
        return com::report_current_exception(iid);
    }
}

}  // namespace sales

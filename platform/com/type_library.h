#pragma once
// The type libraries carried by the running executable (resource 1, and resource 2 in test builds).
#include <oaidl.h>

#include "platform/com/com_ptr.h"

namespace com {

// The type information of a dual interface; null when no carried library describes it.
com_ptr<ITypeInfo> type_info_of(REFIID iid) noexcept;
// The carried library with this id; null when the executable does not carry it.
com_ptr<ITypeLib> carried_type_library(REFGUID libid) noexcept;
// Drops the loaded libraries (module termination).
void release_type_libraries() noexcept;

}  // namespace com

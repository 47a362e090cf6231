#pragma once
// The type libraries carried by the running executable (resource 1, and resource 2 in test builds).
#include <oaidl.h>

#include "com_ptr.h"

namespace com {

// The type information of a dual interface; null when no carried library describes it.
com_ptr<ITypeInfo> type_info_of(REFIID iid) noexcept;
// The product's library (resource 1) as loaded from the executable.
com_ptr<ITypeLib> own_type_library() noexcept;
// Drops the loaded libraries (module termination).
void release_type_libraries() noexcept;

}  // namespace com

#pragma once
// The earlier name of an automation object with one dual interface; new classes use com::object.
#include "platform/com/object.h"

namespace com {

template <class Self, class Itf>
using dispatch_object = object<Self, Itf>;

}  // namespace com

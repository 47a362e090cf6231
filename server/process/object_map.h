#pragma once
#include <span>

#include "platform/com/module.h"

namespace server {

// The classes built so far, in the order of the creatable-class table.
std::span<const com::class_entry> object_map();
// The product's module: application id, type library and object map.
com::module_config product_module();

}  // namespace server

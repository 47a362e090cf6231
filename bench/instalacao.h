#pragma once
// The client side of a benchmark over the bench installation that scripts/bench makes: the test
// probe and the root object, once the benchmark has added its own data to the installation's store.
#include <oaidl.h>

#include <functional>
#include <optional>

#include "platform/com/com_ptr.h"
#include "platform/inhouse/core/store.h"

namespace bench {

struct clientes {
    com::com_ptr<IDispatch> sonda, raiz;
};

// Nothing, with the reason printed, when a server is not registered or the store cannot be prepared.
std::optional<clientes> abre_instalacao(const std::function<void(inhouse::store&)>& prepara);

}  // namespace bench

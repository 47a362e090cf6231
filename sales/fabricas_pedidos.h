#pragma once
// The root object's makers of the order information and the order list.
namespace sales {
void registra_fabricas_pedidos();
}

#pragma once
// Puts the invoice tax calculation in place as the one the product information object of master
// data makes for itself (masterdata/calculo_impostos_produto.h). Called once at server start.
namespace ft {

void registra_calculo_impostos_info_produto() noexcept;

}  // namespace ft

#pragma once
// The payment-condition list's builder for the older web order: a web order makes its own list
// object (the class of ZidizUvi.CondicoesPagamento), initialises it through its interface, and
// asks it for the chosen condition with its instalments.
#include <windows.h>

#include <memory>

#include "VAVEDERAZur.h"
#include "ft/ftlibrary/CCondicaoPagamento.h"
#include "platform/com/com_ptr.h"

namespace sales {

// A new payment-condition list, not initialised yet: the caller initialises it with
// ICondicoesPagamento::Inicializa (a root object) or Inicializa2 (company, user, session).
com::com_ptr<ICondicoesPagamento> NovaListaCondicoesPagamento();

// The payment condition at register position `posicao` with its instalments split over `total`
// and counted from `dataBase` (16-bit day number; 0: today), in the list's session; owned by the
// caller. Throws com::failure: E_INVALIDARG for a list that NovaListaCondicoesPagamento did not
// make (or a null one), E_UNEXPECTED for one not initialised, the connection's HRESULT when the
// condition or its rows cannot be read. The condition's own refusals stay in its error object.
std::unique_ptr<CCondicaoPagamento> CriaCondicaoPagamento(ICondicoesPagamento* lista, WORD posicao, CURRENCY total,
                                                          WORD dataBase);

}  // namespace sales

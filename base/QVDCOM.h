#pragma once
// Security settings for the maker's servers and the one way to create them.
#include <windows.h>
#include <unknwn.h>

// Process-wide COM security: no authentication, impersonation allowed.
HRESULT QVInicializaSeguranca();
// The same settings on the proxy of an interface; the result is not looked at.
void QVAjustaSeguranca(IUnknown* p);

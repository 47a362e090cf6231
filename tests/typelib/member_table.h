#pragma once
// The type library as the documentation describes it, written by hand and kept apart from the IDL:
// the checker compares the built library with these rows, so that a mistake in the IDL (a member
// out of place, a wrong type or direction) cannot hide behind the header the code shares with it.
#include <span>

// INT_PTR members: the library holds them as the 32-bit integer they are in the product, on both
// builds, so that the x86_64 library is the same as the i686 one.
#define INT_PTR_T L"long"

namespace typelib_table {

enum class kind { method, get, put, putref };

// One member of an interface. slot: vtable position (IUnknown 0-2, IDispatch 3-6, the interface's
// own members from 7). params: comma-separated, each "<directions> <type>", directions among
// in, out, retval, optional; types as IDL writes them (long, int, short, unsigned short,
// unsigned long, unsigned char, BSTR, VARIANT_BOOL, VARIANT, double, CURRENCY, DATE, IDispatch*,
// IUnknown*, an interface name followed by *). dispid: the member id where the documentation
// fixes one, 0 where it leaves it to us.
struct member {
    const wchar_t* itf;
    int slot;
    const wchar_t* name;
    kind k;
    const wchar_t* params;
    int dispid = 0;
};

// An interface or dispinterface. base: IDispatch or IUnknown (or another interface of the
// library); dual: described as a dual interface.
struct itf {
    const wchar_t* name;
    const wchar_t* base;
    bool dual;
};

// A coclass with its default interface; creatable: clients may create it (it is one of the
// registered classes), otherwise only the server makes it.
struct coclass {
    const wchar_t* name;
    const wchar_t* default_itf;
    bool creatable;
};

struct subsystem_table {
    const wchar_t* subsystem;
    std::span<const itf> interfaces;
    std::span<const member> members;
    std::span<const coclass> coclasses;
};

// One per subsystem, each in its own file (table_<subsystem>.cpp).
subsystem_table server_table();
subsystem_table masterdata_table();
subsystem_table sales_table();
subsystem_table accounting_table();
subsystem_table finance_table();
subsystem_table service_table();

}  // namespace typelib_table

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "e2e/sonda/Sonda.h"
#include "support/lock_count_listener.h"
#include "platform/com/com_ptr.h"
#include "platform/com/module.h"
#include "platform/com/object.h"
#include "platform/com/out_param.h"
#include "platform/com/text.h"
#include "platform/com/unique.h"

namespace {

// An object with two plain interfaces, and one whose construction fails after the constructor.
class two_interfaces final : public com::object<two_interfaces, IPersist, IMessageFilter> {
public:
    HRESULT STDMETHODCALLTYPE GetClassID(CLSID* clsid) noexcept override { *clsid = CLSID_NULL; return S_OK; }
    DWORD STDMETHODCALLTYPE HandleInComingCall(DWORD, HTASK, DWORD, LPINTERFACEINFO) noexcept override { return 0; }
    DWORD STDMETHODCALLTYPE RetryRejectedCall(HTASK, DWORD, DWORD) noexcept override { return 0; }
    DWORD STDMETHODCALLTYPE MessagePending(HTASK, DWORD, DWORD) noexcept override { return 0; }

private:
    ~two_interfaces() override = default;
};

class fails_after_construction final : public com::object<fails_after_construction, IPersist> {
public:
    void final_construct() { throw std::runtime_error("no store"); }
    HRESULT STDMETHODCALLTYPE GetClassID(CLSID*) noexcept override { return E_NOTIMPL; }

private:
    ~fails_after_construction() override = default;
};

void* query(IUnknown* object, REFIID iid, HRESULT expected) {
    void* p = reinterpret_cast<void*>(1);
    EXPECT_EQ(object->QueryInterface(iid, &p), expected);
    if (FAILED(expected)) {
        EXPECT_EQ(p, nullptr);
    }
    if (p) static_cast<IUnknown*>(p)->Release();
    return p;
}

TEST(Object, QueryInterfaceAnswersExactlyTheListedInterfacesWithOneIdentity) {
    auto object = com::make<two_interfaces>();
    IUnknown* identity = static_cast<IUnknown*>(query(static_cast<IPersist*>(object.get()), IID_IUnknown, S_OK));
    ASSERT_NE(identity, nullptr);
    struct row { const IID* iid; const char* what; HRESULT expected; };
    const row rows[] = {
        {&IID_IPersist, "IPersist", S_OK},
        {&IID_IMessageFilter, "IMessageFilter", S_OK},
        {&IID_IDispatch, "IDispatch (no dual interface)", E_NOINTERFACE},
        {&IID_ISupportErrorInfo, "ISupportErrorInfo (no dual interface)", E_NOINTERFACE},
        {&IID_IStream, "IStream", E_NOINTERFACE},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        void* p = query(static_cast<IMessageFilter*>(object.get()), *r.iid, r.expected);
        if (p) {
            EXPECT_EQ(query(static_cast<IUnknown*>(p), IID_IUnknown, S_OK), identity);
        }
    }
    EXPECT_EQ(object->QueryInterface(IID_IPersist, nullptr), E_POINTER);
    EXPECT_EQ(com::module().lock_count(), 1);   // an object keeps the server alive
    object.reset();
    EXPECT_EQ(com::module().lock_count(), 0);
}

TEST(Object, ADualObjectAnswersTheAutomationInterfacesAndErrorInfoForItsOwnOnly) {
    auto sonda = com::make<teste::Sonda>();
    IUnknown* unknown = static_cast<ISonda*>(sonda.get());
    for (const IID* iid : {&IID_IUnknown, &IID_IDispatch, &__uuidof(IDispatchEx), &IID_ISonda, &IID_ISupportErrorInfo})
        query(unknown, *iid, S_OK);
    // IDispatch is the dual interface's own entry, not IDispatchEx's.
    EXPECT_EQ(query(unknown, IID_IDispatch, S_OK), static_cast<void*>(static_cast<ISonda*>(sonda.get())));
    auto support = com::com_ptr<IUnknown>(unknown).query<ISupportErrorInfo>();
    EXPECT_EQ(support->InterfaceSupportsErrorInfo(IID_ISonda), S_OK);
    EXPECT_EQ(support->InterfaceSupportsErrorInfo(IID_IDispatch), S_FALSE);
    EXPECT_EQ(support->InterfaceSupportsErrorInfo(IID_IStream), S_FALSE);
}

TEST(Object, AFailedConstructionReleasesTheObjectAndPassesTheException) {
    EXPECT_THROW(com::make<fails_after_construction>(), std::runtime_error);
    EXPECT_EQ(com::module().lock_count(), 0);
}

TEST(Object, QueryThrowsWhereTryQueryAnswersNull) {
    com::com_ptr<IUnknown> sonda(static_cast<ISonda*>(com::make<teste::Sonda>().get()));
    EXPECT_FALSE(sonda.try_query<IStream>());
    try {
        sonda.query<IStream>();
        ADD_FAILURE() << "query<IStream> did not throw";
    } catch (const com::failure& f) {
        EXPECT_EQ(f.hr, E_NOINTERFACE);
    }
    EXPECT_TRUE(sonda.query<IDispatch>());
}

TEST(Object, TheLockCountCheckSeesALeakedObject) {
    EXPECT_EQ(test_support::module_lock_leak(), "");
    auto held = com::make<teste::Sonda>();
    EXPECT_NE(test_support::module_lock_leak(), "");
    held.reset();
    EXPECT_EQ(test_support::module_lock_leak(), "");
}

com::com_ptr<IDispatchEx> sonda_ex() {
    return com::com_ptr<IUnknown>(static_cast<ISonda*>(com::make<teste::Sonda>().get())).query<IDispatchEx>();
}

TEST(DispatchEx, GetDispIdFindsTypeLibraryMembersAndNeverAddsOne) {
    auto s = sonda_ex();
    struct row { const wchar_t* name; DWORD flags; HRESULT hr; DISPID id; };
    const row rows[] = {
        {L"Pid", fdexNameCaseSensitive, S_OK, 7},
        {L"pid", fdexNameCaseInsensitive, S_OK, 7},
        {L"pid", fdexNameCaseSensitive, DISP_E_UNKNOWNNAME, DISPID_UNKNOWN},
        {L"Dobra", 0, S_OK, 4},
        {L"Novo", fdexNameEnsure, DISP_E_UNKNOWNNAME, DISPID_UNKNOWN},
        {L"Novo", fdexNameCaseInsensitive, DISP_E_UNKNOWNNAME, DISPID_UNKNOWN},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << com::to_ansi(r.name) << " flags " << r.flags);
        com::unique_bstr name(SysAllocString(r.name));
        DISPID id = 12345;
        EXPECT_EQ(s->GetDispID(name.get(), r.flags, &id), r.hr);
        EXPECT_EQ(id, r.id);
    }
    com::unique_bstr novo(SysAllocString(L"Novo"));
    EXPECT_EQ(s->DeleteMemberByName(novo.get(), fdexNameCaseSensitive), S_FALSE);
    EXPECT_EQ(s->DeleteMemberByDispID(7), S_FALSE);
    com::com_ptr<IUnknown> parent;
    EXPECT_EQ(s->GetNameSpaceParent(parent.put()), E_NOTIMPL);
    EXPECT_FALSE(parent);
}

TEST(DispatchEx, MembersAreEnumeratedNamedAndDescribedFromTheTypeLibrary) {
    auto s = sonda_ex();
    std::vector<DISPID> ids;
    DISPID id = DISPID_STARTENUM;
    HRESULT hr;
    while ((hr = s->GetNextDispID(fdexEnumAll, id, &id)) == S_OK) ids.push_back(id);
    EXPECT_EQ(hr, S_FALSE);
    EXPECT_EQ(ids, (std::vector<DISPID>{1, 2, 3, 4, 5, 6, 7, 8}));

    com::unique_bstr name;
    ASSERT_EQ(s->GetMemberName(7, name.put()), S_OK);
    EXPECT_EQ(com::from_bstr(name.get()), "Pid");
    EXPECT_EQ(s->GetMemberName(99, name.put()), DISP_E_UNKNOWNNAME);

    struct row { DISPID id; DWORD props; };
    const DWORD fixed = fdexPropCannotPutRef | fdexPropCannotConstruct | fdexPropCannotSourceEvents;
    for (const auto& r : {row{7, fdexPropCanGet | fdexPropCannotPut | fdexPropCannotCall | fixed},
                          row{4, fdexPropCannotGet | fdexPropCannotPut | fdexPropCanCall | fixed}}) {
        SCOPED_TRACE(r.id);
        DWORD props = 0;
        EXPECT_EQ(s->GetMemberProperties(r.id, grfdexPropAll, &props), S_OK);
        EXPECT_EQ(props, r.props);
        EXPECT_EQ(s->GetMemberProperties(r.id, fdexPropCanGet, &props), S_OK);
        EXPECT_EQ(props, r.props & fdexPropCanGet);
    }
    DWORD props = 1;
    EXPECT_EQ(s->GetMemberProperties(99, grfdexPropAll, &props), DISP_E_UNKNOWNNAME);
}

TEST(DispatchEx, InvokeExCallsThroughTheTypeLibraryAndIgnoresTheCallersThis) {
    auto s = sonda_ex();
    DISPPARAMS none{};
    com::unique_variant pid;
    ASSERT_EQ(s->InvokeEx(7, 0, DISPATCH_PROPERTYGET, &none, pid.get(), nullptr, nullptr), S_OK);
    EXPECT_EQ(V_VT(pid.get()), VT_I4);
    EXPECT_EQ(V_I4(pid.get()), static_cast<LONG>(GetCurrentProcessId()));

    // As JScript calls a method: `this` as a named argument, then a by-reference VARIANT.
    com::unique_variant value, self;
    V_VT(value.get()) = VT_I4;
    V_I4(value.get()) = 21;
    V_VT(self.get()) = VT_DISPATCH;
    V_DISPATCH(self.get()) = nullptr;
    VARIANT args[2];
    args[0] = *self.get();
    V_VT(&args[1]) = VT_BYREF | VT_VARIANT;
    V_VARIANTREF(&args[1]) = value.get();
    DISPID named[] = {DISPID_THIS};
    DISPPARAMS params{args, named, 2, 1};
    EXPECT_EQ(s->InvokeEx(4, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr), S_OK);
    EXPECT_EQ(V_I4(value.get()), 42);
    EXPECT_EQ(s->InvokeEx(4, 0, DISPATCH_CONSTRUCT, &none, nullptr, nullptr, nullptr), DISP_E_MEMBERNOTFOUND);
}

TEST(OutParam, GettersHandOverOrLeaveTheVariableEmpty) {
    com::unique_bstr text;
    EXPECT_EQ(com::put_text(text.put(), "Razão"), S_OK);
    EXPECT_EQ(com::from_bstr(text.get()), "Razão");
    EXPECT_EQ(com::put_text(nullptr, "x"), E_POINTER);
    LONG number = 0;
    EXPECT_EQ(com::put_number(&number, 1234), S_OK);
    EXPECT_EQ(number, 1234);
    VARIANT_BOOL flag = 1;
    EXPECT_EQ(com::put_bool(&flag, true), S_OK);
    EXPECT_EQ(flag, VARIANT_TRUE);
    EXPECT_TRUE(com::is_true(VARIANT_TRUE));
    EXPECT_FALSE(com::is_true(1));   // only -1 is true
    EXPECT_FALSE(com::is_true(VARIANT_FALSE));
}

TEST(Unique, AVariantMovesItsValueAndTaskMemoryIsFreedByItsOwner) {
    com::unique_variant a;
    V_VT(a.get()) = VT_BSTR;
    V_BSTR(a.get()) = SysAllocString(L"x");
    com::unique_variant b(std::move(a));
    EXPECT_EQ(V_VT(a.get()), VT_EMPTY);
    EXPECT_EQ(V_VT(b.get()), VT_BSTR);
    a = std::move(b);
    EXPECT_EQ(V_VT(a.get()), VT_BSTR);

    com::unique_cotaskmem<wchar_t> block(static_cast<wchar_t*>(CoTaskMemAlloc(16)));
    ASSERT_TRUE(block);
    com::unique_cotaskmem<wchar_t> owner(std::move(block));
    EXPECT_FALSE(block);
    EXPECT_TRUE(owner);
}

}  // namespace

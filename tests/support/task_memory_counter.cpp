#include "tests/support/task_memory_counter.h"

#include <objbase.h>

#include <mutex>
#include <stdexcept>
#include <unordered_set>

namespace {

class counting_spy final : public IMallocSpy {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IMallocSpy)) {
            *ppv = static_cast<IMallocSpy*>(this);
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    // Lives as long as the process.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    SIZE_T STDMETHODCALLTYPE PreAlloc(SIZE_T cbRequest) override { return cbRequest; }
    void* STDMETHODCALLTYPE PostAlloc(void* pActual) override {
        std::lock_guard guard(m_lock);
        if (m_counting && pActual) {
            m_live.insert(pActual);
            ++m_allocated;
        }
        return pActual;
    }
    void* STDMETHODCALLTYPE PreFree(void* pRequest, BOOL) override {
        std::lock_guard guard(m_lock);
        m_live.erase(pRequest);
        return pRequest;
    }
    void STDMETHODCALLTYPE PostFree(BOOL) override {}
    SIZE_T STDMETHODCALLTYPE PreRealloc(void* pRequest, SIZE_T cbRequest, void** ppNewRequest, BOOL) override {
        std::lock_guard guard(m_lock);
        m_realloc_was_live = m_live.erase(pRequest) > 0;
        *ppNewRequest = pRequest;
        return cbRequest;
    }
    void* STDMETHODCALLTYPE PostRealloc(void* pActual, BOOL) override {
        std::lock_guard guard(m_lock);
        if (pActual && (m_realloc_was_live || m_counting)) m_live.insert(pActual);
        return pActual;
    }
    void* STDMETHODCALLTYPE PreGetSize(void* pRequest, BOOL) override { return pRequest; }
    SIZE_T STDMETHODCALLTYPE PostGetSize(SIZE_T cbActual, BOOL) override { return cbActual; }
    void* STDMETHODCALLTYPE PreDidAlloc(void* pRequest, BOOL) override { return pRequest; }
    int STDMETHODCALLTYPE PostDidAlloc(void*, BOOL, int fActual) override { return fActual; }
    void STDMETHODCALLTYPE PreHeapMinimize() override {}
    void STDMETHODCALLTYPE PostHeapMinimize() override {}

    void start() {
        std::lock_guard guard(m_lock);
        if (m_counting) throw std::logic_error("only one task_memory_counter at a time");
        m_live.clear();
        m_allocated = 0;
        m_counting = true;
    }
    void stop() {
        std::lock_guard guard(m_lock);
        m_counting = false;
        m_live.clear();
    }
    size_t outstanding() const {
        std::lock_guard guard(m_lock);
        return m_live.size();
    }
    size_t allocated() const {
        std::lock_guard guard(m_lock);
        return m_allocated;
    }

private:
    mutable std::mutex m_lock;
    std::unordered_set<void*> m_live;
    size_t m_allocated = 0;
    bool m_counting = false;
    bool m_realloc_was_live = false;
};

counting_spy& spy() {
    static counting_spy* s = [] {
        // BSTRs come from the task allocator too, and a freed one would stay in the automation
        // library's cache (allocated, as the spy sees it): no cache while blocks are counted.
        if (HMODULE oleaut = GetModuleHandleA("oleaut32.dll"))
            if (auto sem_cache = reinterpret_cast<void(WINAPI*)()>(GetProcAddress(oleaut, "SetOaNoCache"))) sem_cache();
        auto* created = new counting_spy;   // never deleted: COM may call it until the process ends
        if (FAILED(CoRegisterMallocSpy(created))) throw std::runtime_error("CoRegisterMallocSpy failed");
        return created;
    }();
    return *s;
}

}  // namespace

task_memory_counter::task_memory_counter() { spy().start(); }
task_memory_counter::~task_memory_counter() { spy().stop(); }
size_t task_memory_counter::outstanding() const { return spy().outstanding(); }
size_t task_memory_counter::allocated() const { return spy().allocated(); }

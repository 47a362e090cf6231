#pragma once
// Ownership of the blocks an ITypeInfo lends out (TYPEATTR, FUNCDESC): each goes back to the
// type information that gave it, on every road.
#include <oaidl.h>

#include <utility>

#include "platform/com/com_ptr.h"

namespace com {

template <class T, void (*give_back)(ITypeInfo*, T*) noexcept>
class type_info_block {
public:
    type_info_block() noexcept = default;
    type_info_block(ITypeInfo* info, T* block) noexcept : m_info(info), m_block(block) {}
    type_info_block(const type_info_block&) = delete;
    type_info_block& operator=(const type_info_block&) = delete;
    type_info_block(type_info_block&& o) noexcept
        : m_info(std::move(o.m_info)), m_block(std::exchange(o.m_block, nullptr)) {}
    type_info_block& operator=(type_info_block&& o) noexcept {
        if (this != &o) {
            reset();
            m_info = std::move(o.m_info);
            m_block = std::exchange(o.m_block, nullptr);
        }
        return *this;
    }
    ~type_info_block() { reset(); }

    const T* get() const noexcept { return m_block; }
    const T* operator->() const noexcept { return m_block; }
    explicit operator bool() const noexcept { return m_block != nullptr; }
    void reset() noexcept {
        if (T* block = std::exchange(m_block, nullptr)) give_back(m_info.get(), block);
        m_info.reset();
    }

private:
    com_ptr<ITypeInfo> m_info;
    T* m_block = nullptr;
};

inline void give_back_type_attr(ITypeInfo* info, TYPEATTR* attr) noexcept { info->ReleaseTypeAttr(attr); }
inline void give_back_func_desc(ITypeInfo* info, FUNCDESC* desc) noexcept { info->ReleaseFuncDesc(desc); }

using unique_type_attr = type_info_block<TYPEATTR, give_back_type_attr>;
using unique_func_desc = type_info_block<FUNCDESC, give_back_func_desc>;

// Empty when the type information cannot give it.
inline unique_type_attr type_attr_of(ITypeInfo* info) noexcept {
    TYPEATTR* attr = nullptr;
    if (!info || FAILED(info->GetTypeAttr(&attr))) return {};
    return {info, attr};
}
inline unique_func_desc func_desc_of(ITypeInfo* info, UINT index) noexcept {
    FUNCDESC* desc = nullptr;
    if (!info || FAILED(info->GetFuncDesc(index, &desc))) return {};
    return {info, desc};
}

}  // namespace com

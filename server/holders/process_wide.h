#pragma once
// The process-wide holders (session, connection pool, server cache): created on first use, torn
// down by the session reset, created again (empty) by the next use. Touched only from the
// server's apartment thread, so not locked.
//
//     class CPoolConexoes : public process_wide<CPoolConexoes> {
//         friend class process_wide<CPoolConexoes>;   // the only one that constructs it
//         CPoolConexoes() = default;
//         ...
//     };
#include <memory>

namespace server {

template <class T>
class process_wide {
public:
    // The holder, created (empty) on first call.
    static T* GetInstancia() {
        auto& held = instancia();
        if (!held) held.reset(new T());
        return held.get();
    }
    // Part of the session reset: deletes the holder; nothing happens when there is none.
    static void Destroi() noexcept { instancia().reset(); }
    // Whether a holder exists now (tests; a reset leaves none).
    static bool Existe() noexcept { return instancia() != nullptr; }

protected:
    process_wide() = default;
    ~process_wide() = default;

    static std::unique_ptr<T>& instancia() noexcept {
        static std::unique_ptr<T> held;
        return held;
    }
};

}  // namespace server

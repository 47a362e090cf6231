#pragma once
// The record caches' map: a chained hash map of 17 buckets whose nodes come in blocks of 10 and are
// recycled through a free list. A node keeps the key's full hash, so that a look-up compares the
// hash before the key. Integer keys are hashed with the minimal standard generator; 16-bit keys are
// masked to 16 bits first. Other keys bring their own HashKey / CompareElements.
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <type_traits>
#include <vector>

// 16807 * k mod (2^31 - 1), by Schrage's method so that nothing overflows 32 bits.
constexpr uint32_t QVHashMinimoPadrao(uint32_t k) noexcept {
    constexpr int64_t m = 2147483647, a = 16807, q = 127773, r = 2836;
    const int64_t x = static_cast<int64_t>(k % static_cast<uint32_t>(m));
    int64_t h = a * (x % q) - r * (x / q);
    if (h < 0) h += m;
    return static_cast<uint32_t>(h);
}

template <class K>
struct tracos_chave_hash {
    static_assert(std::is_integral_v<K>, "keys that are not integers bring their own traits");
    static uint32_t hash(K k) noexcept {
        if constexpr (sizeof(K) <= 2) return QVHashMinimoPadrao(static_cast<uint16_t>(k));
        else return QVHashMinimoPadrao(static_cast<uint32_t>(k));
    }
    static bool iguais(K a, K b) noexcept {
        if constexpr (sizeof(K) <= 2) return static_cast<uint16_t>(a) == static_cast<uint16_t>(b);
        else return a == b;
    }
};

// A 16-bit code carried in a wider integer: only its low 16 bits count, for hash and comparison.
template <class K>
struct tracos_chave_16 {
    static uint32_t hash(K k) noexcept { return QVHashMinimoPadrao(static_cast<uint16_t>(k)); }
    static bool iguais(K a, K b) noexcept { return static_cast<uint16_t>(a) == static_cast<uint16_t>(b); }
};

template <class K, class V, class Tracos = tracos_chave_hash<K>>
class CFTHashMap {
public:
    static constexpr size_t Baldes = 17;
    static constexpr size_t Bloco = 10;

    CFTHashMap() = default;
    CFTHashMap(const CFTHashMap&) = delete;
    CFTHashMap& operator=(const CFTHashMap&) = delete;

    static size_t Balde(const K& chave) noexcept { return Tracos::hash(chave) % Baldes; }

    // The value under the key, or null.
    const V* Busca(const K& chave) const noexcept {
        const uint32_t h = Tracos::hash(chave);
        for (const no* n = m_baldes[h % Baldes]; n; n = n->proximo)
            if (n->hash == h && Tracos::iguais(n->chave, chave)) return &n->valor;
        return nullptr;
    }
    V* Busca(const K& chave) noexcept {
        return const_cast<V*>(static_cast<const CFTHashMap&>(*this).Busca(chave));
    }

    // Stores the value under the key, replacing what was there.
    void Guarda(const K& chave, const V& valor) {
        if (V* v = Busca(chave)) {
            *v = valor;
            return;
        }
        const uint32_t h = Tracos::hash(chave);
        no* n = novo_no();
        n->chave = chave;
        n->valor = valor;
        n->hash = h;
        n->proximo = m_baldes[h % Baldes];
        m_baldes[h % Baldes] = n;
        ++m_quantidade;
    }

    // Empties the map and gives its node blocks back.
    void Limpa() noexcept {
        m_baldes.fill(nullptr);
        m_blocos.clear();
        m_livres = nullptr;
        m_quantidade = 0;
    }

    size_t Quantidade() const noexcept { return m_quantidade; }
    size_t Blocos() const noexcept { return m_blocos.size(); }

private:
    struct no {
        K chave{};
        V valor{};
        no* proximo = nullptr;
        uint32_t hash = 0;
    };

    no* novo_no() {
        if (!m_livres) {
            auto bloco = std::make_unique<no[]>(Bloco);
            for (size_t i = 0; i < Bloco; ++i) bloco[i].proximo = i + 1 < Bloco ? &bloco[i + 1] : nullptr;
            m_livres = &bloco[0];
            m_blocos.push_back(std::move(bloco));
        }
        no* n = m_livres;
        m_livres = n->proximo;
        return n;
    }

    std::array<no*, Baldes> m_baldes{};
    std::vector<std::unique_ptr<no[]>> m_blocos;
    no* m_livres = nullptr;
    size_t m_quantidade = 0;
};

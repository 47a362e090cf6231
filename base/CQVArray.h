#pragma once
// The array in which the base library keeps its values: the framework array's operations over a
// std::vector, with an optional check of every index that throws CQVArrayException.
#include <cstdint>
#include <vector>

#include "base/CQVException.h"

// The index error: {0, index asked for, number of elements}. Not derived from std::exception:
// the translator of the exception in flight answers it with its "anything else" code.
class CQVArrayException {
public:
    CQVArrayException(int32_t index, int32_t count) : m_zero(0), m_indice(index), m_quantidade(count) {}
    int32_t GetIndice() const { return m_indice; }
    int32_t GetQuantidade() const { return m_quantidade; }
    int32_t m_zero;
    int32_t m_indice;
    int32_t m_quantidade;
};

template <class TYPE, class ARG_TYPE = const TYPE&>
class CQVArray {
public:
    explicit CQVArray(bool checaIndices = true) : m_checa(checaIndices) {}

    void SetChecaIndices(bool on) { m_checa = on; }
    bool GetChecaIndices() const { return m_checa; }

    int GetSize() const { return static_cast<int>(m_itens.size()); }
    int GetCount() const { return GetSize(); }
    int GetUpperBound() const { return GetSize() - 1; }
    bool IsEmpty() const { return m_itens.empty(); }

    // Without the check an index outside the array is still refused, never read past the end:
    // with the framework's argument error, as the framework array refuses a negative index.
    void ChecaIndice(int index) const {
        if (index >= 0 && index < GetSize()) return;
        if (m_checa) throw CQVArrayException(index, GetSize());
        throw CInvalidArgException();
    }

    const TYPE& GetAt(int i) const { ChecaIndice(i); return m_itens[static_cast<size_t>(i)]; }
    TYPE& ElementAt(int i) { ChecaIndice(i); return m_itens[static_cast<size_t>(i)]; }
    const TYPE& operator[](int i) const { return GetAt(i); }
    TYPE& operator[](int i) { return ElementAt(i); }
    void SetAt(int i, ARG_TYPE value) { ElementAt(i) = value; }

    void SetSize(int n) { m_itens.resize(n > 0 ? static_cast<size_t>(n) : 0); }
    void SetAtGrow(int i, ARG_TYPE value) {
        if (i < 0) throw CInvalidArgException();
        if (i >= GetSize()) m_itens.resize(static_cast<size_t>(i) + 1);
        m_itens[static_cast<size_t>(i)] = value;
    }
    int Add(ARG_TYPE value) { m_itens.push_back(value); return GetSize() - 1; }
    int Append(const CQVArray& other) {
        const int first = GetSize();
        m_itens.insert(m_itens.end(), other.m_itens.begin(), other.m_itens.end());
        return first;
    }
    void Copy(const CQVArray& other) { m_itens = other.m_itens; }
    void InsertAt(int i, ARG_TYPE value, int count = 1) {
        if (i < 0 || i > GetSize()) throw CInvalidArgException();
        m_itens.insert(m_itens.begin() + i, count > 0 ? static_cast<size_t>(count) : 0, value);
    }
    void RemoveAt(int i, int count = 1) {
        if (count <= 0) return;
        if (i < 0 || i + count > GetSize()) throw CInvalidArgException();
        m_itens.erase(m_itens.begin() + i, m_itens.begin() + i + count);
    }
    void RemoveAll() { m_itens.clear(); }

    TYPE* GetData() { return m_itens.data(); }
    const TYPE* GetData() const { return m_itens.data(); }
    auto begin() { return m_itens.begin(); }
    auto end() { return m_itens.end(); }
    auto begin() const { return m_itens.begin(); }
    auto end() const { return m_itens.end(); }

private:
    std::vector<TYPE> m_itens;
    bool m_checa;
};

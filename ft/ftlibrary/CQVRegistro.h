#pragma once
// A list of record keys with a ring of record slots read lazily from a server: the keys of a list
// are set at once; a record is read when its list index is first asked for and stays in its slot
// until the ring comes round to it again (the oldest slot goes first) or a new list is set.
//
//     CBufferPedidos buffer;                          // 1,020-byte records, 3000 slots
//     buffer.SetPosicoes(n, posicoes);
//     const BYTE* r = buffer.GetRegistro(i);          // null: outside the list or not read
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

template <class K>
class CQVRegistro {
public:
    CQVRegistro(size_t registrosPorCarga, size_t tamanhoRegistro, size_t slots)
        : m_RegistrosPorCarga(registrosPorCarga ? registrosPorCarga : 1),
          m_TamanhoRegistro(tamanhoRegistro),
          m_Slots(slots ? slots : 1),
          m_Bloco(m_Slots * tamanhoRegistro),
          m_MapaSlots(m_Slots, -1) {}
    virtual ~CQVRegistro() = default;

    size_t GetQuantidade() const noexcept { return m_Posicoes.size(); }
    size_t GetSlots() const noexcept { return m_Slots; }
    K GetPosicao(size_t indice) const { return m_Posicoes.at(indice); }

    // A new list: the keys copied, every slot emptied.
    void SetPosicoes(size_t quantidade, const K* posicoes) {
        m_Posicoes.assign(posicoes, posicoes + quantidade);
        LimpaRing();
    }
    void Limpa() {
        m_Posicoes.clear();
        LimpaRing();
    }
    void LimpaRing() {
        std::fill(m_MapaSlots.begin(), m_MapaSlots.end(), -1);
        std::fill(m_Bloco.begin(), m_Bloco.end(), BYTE{0});
        m_ProximoSlot = 0;
    }

    // The slot holding a list index, or -1.
    long BuscaSlot(size_t indice) const {
        const auto it = std::find(m_MapaSlots.begin(), m_MapaSlots.end(), static_cast<long>(indice));
        return it == m_MapaSlots.end() ? -1 : static_cast<long>(it - m_MapaSlots.begin());
    }

    // The record of a list index, read when no slot holds it; null for an index outside the list
    // (the HRESULT is then E_INVALIDARG) or a failed read (its HRESULT).
    const BYTE* GetRegistro(size_t indice, HRESULT* resultado = nullptr) {
        HRESULT hr = S_OK;
        const BYTE* r = nullptr;
        if (indice >= m_Posicoes.size()) {
            hr = E_INVALIDARG;
        } else {
            long slot = BuscaSlot(indice);
            if (slot < 0) {
                hr = CarregaDe(indice);
                if (SUCCEEDED(hr)) slot = BuscaSlot(indice);
            }
            if (slot >= 0) r = &m_Bloco[static_cast<size_t>(slot) * m_TamanhoRegistro];
        }
        if (resultado) *resultado = hr;
        return r;
    }

protected:
    // Reads the records of `n` keys into `registros` (n records of the record size, zeroed).
    virtual HRESULT Carrega(const K* chaves, size_t n, BYTE* registros) = 0;

private:
    // From the index on: up to the records-per-load indices that no slot holds, read at once and
    // put in the next slots of the ring.
    HRESULT CarregaDe(size_t indice) {
        std::vector<size_t> indices;
        for (size_t i = indice; i < m_Posicoes.size() && indices.size() < m_RegistrosPorCarga; ++i)
            if (BuscaSlot(i) < 0) indices.push_back(i);
        std::vector<K> chaves;
        for (size_t i : indices) chaves.push_back(m_Posicoes[i]);
        std::vector<BYTE> lidos(indices.size() * m_TamanhoRegistro, 0);
        const HRESULT hr = Carrega(chaves.data(), chaves.size(), lidos.data());
        if (FAILED(hr)) return hr;
        for (size_t k = 0; k < indices.size(); ++k) {
            std::memcpy(&m_Bloco[m_ProximoSlot * m_TamanhoRegistro], &lidos[k * m_TamanhoRegistro], m_TamanhoRegistro);
            m_MapaSlots[m_ProximoSlot] = static_cast<long>(indices[k]);
            m_ProximoSlot = (m_ProximoSlot + 1) % m_Slots;
        }
        return hr;
    }

    size_t m_RegistrosPorCarga;
    size_t m_TamanhoRegistro;
    std::vector<K> m_Posicoes;
    size_t m_Slots;
    std::vector<BYTE> m_Bloco;
    std::vector<long> m_MapaSlots;
    size_t m_ProximoSlot = 0;
};

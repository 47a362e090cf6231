#pragma once
// One read transaction of the process's store around a call that makes many small reads (the
// addition of an order item looks up about fifteen registers). Each statement of its own takes
// and gives back the store file's shared lock, and under Wine every lock and unlock is a round
// trip to the wineserver: grouped, the locks are taken once. A write inside joins the
// transaction (store::write makes it a savepoint) and is committed at the end like the reads.
// Without a published store, or inside a transaction already open, it does nothing.
namespace inhouse {

class store;

class leitura_agrupada {
public:
    leitura_agrupada() noexcept;
    ~leitura_agrupada();
    leitura_agrupada(const leitura_agrupada&) = delete;
    leitura_agrupada& operator=(const leitura_agrupada&) = delete;

private:
    store* m_store = nullptr;   // set when this object opened the transaction
};

}  // namespace inhouse

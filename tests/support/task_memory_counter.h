#pragma once
// Counts COM task memory (CoTaskMemAlloc and everything that goes through the task allocator)
// through a malloc spy: the blocks allocated while a counter lives and not freed yet.
//
//     task_memory_counter counter;
//     ... code under test ...
//     EXPECT_EQ(counter.outstanding(), 0u);
//
// The spy is registered once per process and stays (COM keeps a spy while blocks it saw are
// still allocated); only one counter may live at a time.
#include <cstddef>

class task_memory_counter {
public:
    task_memory_counter();
    ~task_memory_counter();
    task_memory_counter(const task_memory_counter&) = delete;
    task_memory_counter& operator=(const task_memory_counter&) = delete;

    // Blocks allocated since the counter began and still allocated.
    size_t outstanding() const;
    // Blocks allocated since the counter began (freed or not).
    size_t allocated() const;
};

#pragma once

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <type_traits>

// Growable array of trivially copyable elements, stored and moved as raw bytes. Capacity runs 8, 16, 32, ...
// and never shrinks except through resize. Owners of pointer elements delete the pointees themselves.
template <typename T> class Array {
    static_assert(std::is_trivially_copyable<T>::value, "Array moves its elements as raw bytes");

public:
    uint32_t capacity = 0;
    uint32_t count = 0;
    T* items = nullptr;

    Array() = default;
    Array(const Array&) = delete;
    Array& operator=(const Array&) = delete;
    ~Array() { std::free(items); }

    uint32_t add(const T& item) {
        if (count >= capacity) {
            uint32_t grown = capacity == 0 ? 8 : capacity * 2;
            reallocate(grown);
        }
        std::memcpy(static_cast<void*>(items + count), &item, sizeof(T));
        return count++;
    }

    T& get(uint32_t i) { return items[i]; }
    const T& get(uint32_t i) const { return items[i]; }
    T& operator[](uint32_t i) { return items[i]; }
    const T& operator[](uint32_t i) const { return items[i]; }
    uint32_t getCount() const { return count; }

    void remove(uint32_t i) {
        if (i >= count)
            return;
        std::memmove(static_cast<void*>(items + i), items + i + 1, (count - i - 1) * sizeof(T));
        count--;
    }

    void clear() { count = 0; }

    // Exactly n slots, all in use; new elements are not initialised.
    void resize(uint32_t n) {
        reallocate(n);
        count = n;
    }

private:
    void reallocate(uint32_t n) {
        if (n == 0) {
            std::free(items);
            items = nullptr;
        } else {
            items = static_cast<T*>(std::realloc(static_cast<void*>(items), (size_t)n * sizeof(T)));
        }
        capacity = n;
    }
};

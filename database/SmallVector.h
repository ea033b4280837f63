// A vector of trivially copyable values that keeps up to eight bytes of them inside the object
// and goes to the heap only beyond that. PID lists use it: almost every list holds one to three
// entries, and a database holds tens of thousands of programs with three lists each, so the
// allocations of a plain vector would cost more than the records themselves.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <iterator>
#include <new>
#include <type_traits>
#include <vector>

template <typename T> class SmallVector {
    static_assert(std::is_trivially_copyable_v<T> && sizeof(T) <= 8, "for small plain values only");

public:
    using value_type = T;
    using size_type = size_t;
    using iterator = T*;
    using const_iterator = const T*;
    using reference = T&;
    using const_reference = const T&;

    static constexpr size_t kInlineCapacity = sizeof(T*) / sizeof(T);

    SmallVector() = default;
    SmallVector(size_t count, const T& value) { assign(count, value); }
    SmallVector(std::initializer_list<T> values) { assign(values.begin(), values.end()); }
    template <typename It, typename = std::enable_if_t<!std::is_integral_v<It>>> SmallVector(It first, It last) {
        assign(first, last);
    }
    SmallVector(const std::vector<T>& values) { assign(values.begin(), values.end()); }
    SmallVector(const SmallVector& other) { assign(other.begin(), other.end()); }
    SmallVector(SmallVector&& other) noexcept { Take(other); }
    ~SmallVector() { Release(); }

    SmallVector& operator=(const SmallVector& other) {
        if (this != &other)
            assign(other.begin(), other.end());
        return *this;
    }
    SmallVector& operator=(SmallVector&& other) noexcept {
        if (this != &other) {
            Release();
            Take(other);
        }
        return *this;
    }
    SmallVector& operator=(std::initializer_list<T> values) {
        assign(values.begin(), values.end());
        return *this;
    }

    operator std::vector<T>() const { return std::vector<T>(begin(), end()); }

    size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    size_t capacity() const { return capacity_; }
    T* data() { return OnHeap() ? storage_.heap : storage_.local; }
    const T* data() const { return OnHeap() ? storage_.heap : storage_.local; }
    T* begin() { return data(); }
    T* end() { return data() + size_; }
    const T* begin() const { return data(); }
    const T* end() const { return data() + size_; }
    T& operator[](size_t i) { return data()[i]; }
    const T& operator[](size_t i) const { return data()[i]; }
    T& front() { return data()[0]; }
    const T& front() const { return data()[0]; }
    T& back() { return data()[size_ - 1]; }
    const T& back() const { return data()[size_ - 1]; }

    void reserve(size_t wanted) {
        if (wanted <= capacity_)
            return;
        T* heap = static_cast<T*>(::operator new(wanted * sizeof(T)));
        // size_ never exceeds the capacity, so the copy fits; the bound says so to the optimizer too.
        if (const size_t count = std::min<size_t>(size_, wanted); count != 0)
            std::memcpy(heap, data(), count * sizeof(T));
        Release();
        storage_.heap = heap;
        capacity_ = static_cast<uint32_t>(wanted);
    }
    void clear() { size_ = 0; }
    void resize(size_t count, const T& value = T()) {
        if (count > size_) {
            Grow(count);
            std::fill(data() + size_, data() + count, value);
        }
        size_ = static_cast<uint32_t>(count);
    }
    void assign(size_t count, const T& value) {
        clear();
        resize(count, value);
    }
    template <typename It, typename = std::enable_if_t<!std::is_integral_v<It>>> void assign(It first, It last) {
        clear();
        reserve(static_cast<size_t>(std::distance(first, last)));
        for (; first != last; ++first)
            data()[size_++] = static_cast<T>(*first);
    }
    void assign(std::initializer_list<T> values) { assign(values.begin(), values.end()); }
    void push_back(const T& value) {
        const T copy = value; // the value may live in this vector
        Grow(size_ + 1);
        data()[size_++] = copy;
    }
    void pop_back() { --size_; }
    T* insert(const T* position, const T& value) {
        const size_t at = static_cast<size_t>(position - data());
        const T copy = value;
        Grow(size_ + 1);
        T* base = data();
        std::memmove(base + at + 1, base + at, (size_ - at) * sizeof(T));
        base[at] = copy;
        ++size_;
        return base + at;
    }
    T* erase(const T* position) { return erase(position, position + 1); }
    T* erase(const T* first, const T* last) {
        T* base = data();
        const size_t from = static_cast<size_t>(first - base);
        const size_t to = static_cast<size_t>(last - base);
        std::memmove(base + from, base + to, (size_ - to) * sizeof(T));
        size_ -= static_cast<uint32_t>(to - from);
        return base + from;
    }

    friend bool operator==(const SmallVector& a, const SmallVector& b) {
        return a.size_ == b.size_ && std::equal(a.begin(), a.end(), b.begin());
    }
    friend bool operator==(const SmallVector& a, const std::vector<T>& b) {
        return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin());
    }

private:
    bool OnHeap() const { return capacity_ > kInlineCapacity; }
    void Grow(size_t wanted) {
        if (wanted > capacity_)
            reserve(std::max(wanted, static_cast<size_t>(capacity_) * 2));
    }
    void Release() {
        if (OnHeap())
            ::operator delete(storage_.heap);
        capacity_ = kInlineCapacity;
    }
    void Take(SmallVector& other) {
        storage_ = other.storage_;
        size_ = other.size_;
        capacity_ = other.capacity_;
        other.size_ = 0;
        other.capacity_ = kInlineCapacity;
    }

    union Storage {
        T* heap;
        T local[kInlineCapacity];
    } storage_{};
    uint32_t size_ = 0;
    uint32_t capacity_ = kInlineCapacity;
};

// An allocator for the search's large tables. Their accesses are random over hundreds of
// megabytes, so with 4 KiB pages nearly every probe also misses the TLB; blocks of 4 MiB and more
// are aligned on 2 MiB and offered to the kernel for transparent huge pages. Smaller blocks come
// from the usual heap.
#pragma once

#include <cstddef>
#include <cstdlib>
#include <new>
#include <sys/mman.h>
#include <vector>

namespace zorvane::solveur {

template <class T> struct MemoireGrande {
    using value_type = T;
    static constexpr std::size_t Page = std::size_t(2) << 20;
    static constexpr std::size_t Seuil = std::size_t(4) << 20;

    MemoireGrande() = default;
    template <class U> MemoireGrande(const MemoireGrande<U>&) {}

    T* allocate(std::size_t n) {
        const std::size_t octets = n * sizeof(T);
        if (octets < Seuil)
            return static_cast<T*>(::operator new(octets));
        const std::size_t arrondi = (octets + Page - 1) / Page * Page;
        void* p = std::aligned_alloc(Page, arrondi);
        if (!p)
            throw std::bad_alloc();
        ::madvise(p, arrondi, MADV_HUGEPAGE); // a refusal only costs speed
        return static_cast<T*>(p);
    }

    void deallocate(T* p, std::size_t n) {
        if (n * sizeof(T) < Seuil)
            ::operator delete(p);
        else
            std::free(p);
    }

    template <class U> bool operator==(const MemoireGrande<U>&) const { return true; }
};

// A vector of the search's large tables.
template <class T> using Grand = std::vector<T, MemoireGrande<T>>;

} // namespace zorvane::solveur

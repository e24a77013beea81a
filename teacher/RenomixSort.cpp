#include "teacher/RenomixSort.h"

#include <utility>

namespace renomix {
namespace {

class Heap {
public:
    Heap(std::vector<SortEntry>& e, Order order) : e_(e), order_(order) {}

    void sort() {
        const size_t n = e_.size();
        if (n < 2) return;
        for (size_t p = (n - 2) / 2 + 1; p-- > 0;)
            build(p, n);
        for (size_t size = n; size > 1; --size) {
            std::swap(e_[0], e_[size - 1]);
            siftDown(0, size - 1);
        }
    }

private:
    bool before(size_t a, size_t b) const {
        return order_ == Order::SmallestFirst ? e_[a].key < e_[b].key : e_[a].key > e_[b].key;
    }
    bool same(size_t a, size_t b) const { return e_[a].key == e_[b].key; }

    // Building takes the right child when both are alike.
    void build(size_t p, size_t size) {
        const size_t left = 2 * p + 1, right = left + 1;
        size_t child = left;
        if (right < size && (before(left, right) || same(left, right))) child = right;
        if (!before(p, child)) return;
        std::swap(e_[p], e_[child]);
        siftDown(child, size);
    }

    // Sifting takes the left child when both are alike, and goes on down
    // even where nothing was exchanged.
    void siftDown(size_t q, size_t size) {
        for (size_t left = 2 * q + 1; left < size; left = 2 * q + 1) {
            const size_t right = left + 1;
            const size_t child = right < size && before(left, right) ? right : left;
            if (before(q, child)) std::swap(e_[q], e_[child]);
            q = child;
        }
    }

    std::vector<SortEntry>& e_;
    Order order_;
};

} // namespace

void heapSort(std::vector<SortEntry>& entries, Order order) {
    Heap(entries, order).sort();
}

} // namespace renomix

// Memory of Mode S messages: every decoded reply is a new message object that its reader
// deletes soon after, one at a time, so each thread keeps a few freed blocks of each size for
// the next messages instead of going through the general allocator twice per reply.

#include <modes/ModeSMessage.h>

#include <new>

namespace brannic {
namespace modes {

namespace {

constexpr std::size_t kGrain = 64;   // block sizes: multiples of 64 bytes
constexpr std::size_t kClasses = 8;  // up to 512 bytes; larger messages are not kept
constexpr unsigned kKept = 16;       // freed blocks kept per size and thread

struct FreeBlock {
    FreeBlock* next;
};

struct Shelf {
    FreeBlock* first = nullptr;
    unsigned count = 0;
};

// The library is linked when the program starts, so its per-thread variables can live in the
// static thread storage: reached without a call.
#if defined(__GNUC__)
#define MODES_THREAD_LOCAL thread_local __attribute__((tls_model("initial-exec")))
#else
#define MODES_THREAD_LOCAL thread_local
#endif

// The blocks kept by one thread (plain data, reached without a guard), handed back to the
// allocator when the thread ends. A message deleted after that (by an object destroyed at
// exit) goes straight back as well.
MODES_THREAD_LOCAL Shelf tShelves[kClasses];
MODES_THREAD_LOCAL bool tShelvesGone = false;
MODES_THREAD_LOCAL bool tReturnArranged = false;

// Its destructor, registered when the thread first keeps a block, empties the shelves.
struct ShelvesReturn {
    void arrange() { tReturnArranged = true; }
    ~ShelvesReturn() {
        for (Shelf& shelf : tShelves) {
            while (shelf.first != nullptr) {
                FreeBlock* block = shelf.first;
                shelf.first = block->next;
                ::operator delete(block);
            }
            shelf.count = 0;
        }
        tShelvesGone = true;
    }
};

thread_local ShelvesReturn tShelvesReturn;

// The size class of a message of `size` bytes (above 0); kClasses and beyond are not kept.
std::size_t sizeClass(std::size_t size) {
    return (size - 1) / kGrain;
}

}  // namespace

void* ModeSMessage::operator new(std::size_t size) {
    const std::size_t kind = sizeClass(size);
    if (kind >= kClasses || tShelvesGone)
        return ::operator new(size);
    Shelf& shelf = tShelves[kind];
    if (FreeBlock* block = shelf.first) {
        shelf.first = block->next;
        --shelf.count;
        return block;
    }
    return ::operator new((kind + 1) * kGrain);  // a whole block, to serve any of its class
}

void ModeSMessage::operator delete(void* memory, std::size_t size) noexcept {
    if (memory == nullptr)
        return;
    const std::size_t kind = sizeClass(size);
    if (kind < kClasses && !tShelvesGone) {
        Shelf& shelf = tShelves[kind];
        if (shelf.count < kKept) {
            if (!tReturnArranged)
                tShelvesReturn.arrange();
            shelf.first = new (memory) FreeBlock{shelf.first};
            ++shelf.count;
            return;
        }
    }
    ::operator delete(memory);
}

}  // namespace modes
}  // namespace brannic

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

// The blocks kept by one thread, handed back to the allocator when the thread ends. A message
// deleted after that (by an object destroyed at exit) goes straight back as well.
thread_local bool tShelvesGone = false;

struct Shelves {
    Shelf bySize[kClasses];

    ~Shelves() {
        for (Shelf& shelf : bySize) {
            while (shelf.first != nullptr) {
                FreeBlock* block = shelf.first;
                shelf.first = block->next;
                ::operator delete(block);
            }
        }
        tShelvesGone = true;
    }
};

thread_local Shelves tShelves;

// The size class of a message of `size` bytes (above 0); kClasses and beyond are not kept.
std::size_t sizeClass(std::size_t size) {
    return (size - 1) / kGrain;
}

}  // namespace

void* ModeSMessage::operator new(std::size_t size) {
    const std::size_t kind = sizeClass(size);
    if (kind >= kClasses || tShelvesGone)
        return ::operator new(size);
    Shelf& shelf = tShelves.bySize[kind];
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
        Shelf& shelf = tShelves.bySize[kind];
        if (shelf.count < kKept) {
            shelf.first = new (memory) FreeBlock{shelf.first};
            ++shelf.count;
            return;
        }
    }
    ::operator delete(memory);
}

}  // namespace modes
}  // namespace brannic

#pragma once
#include <cstddef>
#include <memory>
#include <vector>

// Memory for the JSON values of one item of the report (an element, a space, a bridge edge):
// handed out in order from large blocks and taken back all at once when the item has been
// written. The JSON library builds and drops dozens of small objects, lists and texts for each
// item, which the general allocator would serve and free one by one.
class MontonJson {
public:
    static constexpr std::size_t kBloque = 64 * 1024;

    // The heap of the report; while a Zona is open, the JSON values take their memory from it.
    static MontonJson& instancia();
    bool activo() const { return activo_; }
    void* reservar(std::size_t bytes);
    // Whether the memory came from this heap (it is then given back with the whole heap).
    bool contiene(const void* p) const;

    // The heap in use for the values built while it lives; on closing, all its memory is taken
    // back: no value built inside may outlive it.
    class Zona {
    public:
        Zona();
        ~Zona();
        Zona(const Zona&) = delete;
        Zona& operator=(const Zona&) = delete;
    };
    // The general allocator for the values built while it lives (values that outlive the item,
    // such as the shared constructions).
    class Pausa {
    public:
        Pausa();
        ~Pausa();
        Pausa(const Pausa&) = delete;
        Pausa& operator=(const Pausa&) = delete;

    private:
        bool previo_;
    };

private:
    void vaciar();

    struct Bloque {
        std::unique_ptr<char[]> datos;
        std::size_t tamano;
    };
    std::vector<Bloque> bloques_;
    std::size_t bloque_ = 0, usado_ = 0;
    bool activo_ = false;
};

// The allocator of the report's JSON values: the heap while it is active, else the general one.
template <class T> struct AsignadorJson {
    using value_type = T;
    AsignadorJson() = default;
    template <class U> AsignadorJson(const AsignadorJson<U>&) {}

    T* allocate(std::size_t n) {
        MontonJson& m = MontonJson::instancia();
        if (m.activo()) return static_cast<T*>(m.reservar(n * sizeof(T)));
        return std::allocator<T>().allocate(n);
    }
    void deallocate(T* p, std::size_t n) {
        if (MontonJson::instancia().contiene(p)) return;
        std::allocator<T>().deallocate(p, n);
    }
    template <class U> bool operator==(const AsignadorJson<U>&) const { return true; }
    template <class U> bool operator!=(const AsignadorJson<U>&) const { return false; }
};

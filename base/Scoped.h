// The one owner of a resource: a value and what gives it back. The release
// runs once, when the owner goes, unless the value was handed on first. A
// default value (null, 0) means "nothing owned" and is never released.
#pragma once
#include <utility>

template <typename Value, typename Release>
class Scoped {
public:
    Scoped() = default;
    Scoped(Value value, Release release) : value_(value), release_(std::move(release)) {}
    explicit Scoped(Value value) : value_(value) {}
    ~Scoped() { reset(); }
    Scoped(Scoped&& other) noexcept : value_(other.release()), release_(std::move(other.release_)) {}
    Scoped& operator=(Scoped&& other) noexcept
    {
        if (this != &other)
            reset(other.release());
        return *this;
    }
    Scoped(const Scoped&) = delete;
    Scoped& operator=(const Scoped&) = delete;

    const Value& get() const { return value_; }
    explicit operator bool() const { return value_ != Value{}; }
    Value release() { return std::exchange(value_, Value{}); }
    void reset(Value value = Value{})
    {
        if (value_ != Value{})
            release_(value_);
        value_ = value;
    }

private:
    Value value_{};
    Release release_{};
};

// For a release that needs the scope's context: Scoped owner(value, [&](Value v) { ... });
template <typename Value, typename Release>
Scoped(Value, Release) -> Scoped<Value, Release>;

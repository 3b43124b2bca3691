#pragma once

#include <array>
#include <cstddef>

/** A fixed-capacity list of pointers to stages a model owns by value.
    Filled in the model's constructor, never resized afterwards. */
template <typename Stage, size_t Capacity = 8>
class StageList
{
public:
    /** Appends a stage; ignored when the list is full. Constructor only. */
    void add (Stage& stage) noexcept
    {
        if (count < Capacity)
            items[count++] = &stage;
    }

    Stage* const* begin() const noexcept { return items.data(); }
    Stage* const* end() const noexcept { return items.data() + count; }
    size_t size() const noexcept { return count; }

private:
    std::array<Stage*, Capacity> items {};
    size_t count = 0;
};

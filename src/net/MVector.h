#pragma once
// A named vector: the elements, then a name text. Built with an initial number of
// value-initialised elements and an empty name; owns its elements.
#include <cstddef>
#include <string>
#include <vector>

template <class T>
class MVector : public std::vector<T> {
public:
    explicit MVector(std::size_t count = 0) : std::vector<T>(count) {}

    const std::string& GetName() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }

private:
    std::string name_;
};

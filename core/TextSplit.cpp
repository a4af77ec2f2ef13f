#include "core/TextSplit.h"

#include <utility>

StringArray::~StringArray() { delete[] items; }

StringArray::StringArray(StringArray&& other) noexcept
    : items(other.items), count(other.count), capacity(other.capacity) {
    other.items = nullptr;
    other.count = other.capacity = 0;
}

StringArray& StringArray::operator=(StringArray&& other) noexcept {
    if (this != &other) {
        delete[] items;
        items = std::exchange(other.items, nullptr);
        count = std::exchange(other.count, 0);
        capacity = std::exchange(other.capacity, 0);
    }
    return *this;
}

void StringArray::append(const std::string& word) {
    if (count >= capacity) resize(capacity < 1 ? 1 : capacity * 2);
    items[count++] = word;
}

void StringArray::resize(int newCapacity) {
    if (newCapacity < 1) {
        delete[] items;
        items = nullptr;
        count = capacity = 0;
        return;
    }
    std::string* grown = new std::string[newCapacity];
    int kept = count < newCapacity ? count : newCapacity;
    for (int i = 0; i < kept; ++i) grown[i] = std::move(items[i]);
    delete[] items;
    items = grown;
    count = kept;
    capacity = newCapacity;
}

void StringArray::clear() { count = 0; }

StringArray splitText(const std::string& text, const std::string& delimiters) {
    StringArray words;
    std::string word;
    for (char c : text) {
        if (delimiters.find(c) == std::string::npos) {
            word += c;
        } else if (!word.empty()) {
            words.append(word);
            word.clear();
        }
    }
    if (!word.empty()) words.append(word);
    return words;
}

void compactText(StringArray& array) {
    int kept = 0;
    for (int i = 0; i < array.count; ++i) {
        if (array.items[i].empty()) continue;
        if (kept != i) array.items[kept] = std::move(array.items[i]);
        ++kept;
    }
    array.count = kept;
    array.resize(kept);
}

#pragma once

#include <string>

// The game's own growable array of strings (stored programs, briefing texts).
// Owns its elements.
struct StringArray {
    StringArray() = default;
    ~StringArray();
    StringArray(StringArray&& other) noexcept;
    StringArray& operator=(StringArray&& other) noexcept;
    StringArray(const StringArray&) = delete;
    StringArray& operator=(const StringArray&) = delete;

    // Grows the capacity to 1 from nothing, else doubles it, when full.
    void append(const std::string& word);
    // Allocates exactly `newCapacity` and copies the elements that fit;
    // below 1 it frees everything.
    void resize(int newCapacity);
    // Count 0; the capacity is kept.
    void clear();

    std::string& operator[](int i) { return items[i]; }
    const std::string& operator[](int i) const { return items[i]; }

    std::string* items = nullptr;
    int count = 0;
    int capacity = 0;
};

// The words of `text` in order, split at any of the `delimiters` characters;
// runs of delimiters produce no empty words.
StringArray splitText(const std::string& text, const std::string& delimiters);

// Removes the empty strings, keeping the order of the others, and shrinks the
// capacity to the remaining count.
void compactText(StringArray& array);

#pragma once

#include <string>
#include <vector>

// The words of `text` in order, split at any of the `delimiters` characters;
// runs of delimiters produce no empty words.
std::vector<std::string> splitText(const std::string& text, const std::string& delimiters);

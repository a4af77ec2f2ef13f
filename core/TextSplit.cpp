#include "core/TextSplit.h"

std::vector<std::string> splitText(const std::string& text, const std::string& delimiters) {
    std::vector<std::string> words;
    std::string word;
    for (char c : text) {
        if (delimiters.find(c) == std::string::npos) {
            word += c;
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    if (!word.empty()) words.push_back(word);
    return words;
}

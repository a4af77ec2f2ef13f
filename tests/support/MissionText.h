#pragma once

#include <string>

// A sound mission file, its lines numbered as the tests' messages give them:
// the ship at the origin, a marker 400 units away to reach. "1 T 59" wins it
// with a score of 118.33, a gold.
const std::string missionText =
    "format = 1\n"                  // 1
    "title = \"Test\"\n"            // 2
    "reference = \"1 T 59\"\n"      // 3
    "[briefing]\n"                  // 4
    "text = \"Go.\"\n"              // 5
    "objectives = [\"Get there\"]\n"  // 6
    "[medals]\n"                    // 7
    "gold = 120\n"                  // 8
    "silver = 150\n"                // 9
    "[ship]\n"                      // 10
    "position = [0, 0]\n"           // 11
    "[[body]]\n"                    // 12
    "name = \"goal\"\n"             // 13
    "radius = 10\n"                 // 14
    "position = [400, 0]\n"         // 15
    "solid = false\n"               // 16
    "[[objective]]\n"               // 17
    "kind = \"visit\"\n"            // 18
    "bodies = [\"goal\"]\n"         // 19
    "radius = 50\n";                // 20

// `text` with its first `from` made `to`.
inline std::string replaced(const std::string& from, const std::string& to,
                            std::string text = missionText) {
    const size_t at = text.find(from);
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

#pragma once

#include <map>
#include <string>

// A player's best on one mission: the lowest winning score and the program
// that flew it. A best of 0 means never won.
struct Record {
    float bestScore = 0.0f;
    std::string program;

    bool operator==(const Record& other) const {
        return bestScore == other.bestScore && program == other.program;
    }
};

// The players' records by mission name, as "save.dat" keeps them: also the
// records of missions not loaded this time, so that a medal waits for its
// mission's return.
class Records {
public:
    // 0 for a mission never won.
    float best(const std::string& mission) const;
    // The program of the best run; empty until won.
    const std::string& program(const std::string& mission) const;

    // Keeps `score` and `program` as the mission's record when no better
    // one is kept: the first win, an equal or a lower score.
    void offer(const std::string& mission, float score, const std::string& program);
    // Sets the record as read from a file.
    void put(const std::string& mission, const Record& record) { byMission[mission] = record; }
    // Per mission the better best score wins, with its program; on a tie the
    // record kept here stays.
    void merge(const Records& other);

    const std::map<std::string, Record>& all() const { return byMission; }
    bool operator==(const Records& other) const { return byMission == other.byMission; }

private:
    std::map<std::string, Record> byMission;
};

// Whether `score` beats a best of `best` (0 = never won).
bool betterBest(float score, float best);

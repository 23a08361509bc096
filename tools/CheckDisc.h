// Checks a disc folder the way the launcher will read it: its pictures with
// the launcher's own reader, the programs it starts, the label it looks
// for, and the autorun entry that starts it.
#pragma once
#include <string>
#include <vector>

struct DiscProblem {
    std::string file;     // relative to the disc's root, or "" for the disc itself
    std::string message;  // what is wrong and what to do
    bool error;           // false: worth a look, but the menu works
};

// label: the disc's volume label, or "" when not known.
std::vector<DiscProblem> CheckDisc(const std::string& root, const std::string& label);

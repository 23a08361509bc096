// Writes a set of files into a folder all at once or not at all: every
// target is checked before anything is written, the files are written into
// a new folder beside the target, never through a link, and renamed into
// place. A refused or failed run leaves the folder as it was.
#pragma once
#include <string>
#include <utility>
#include <vector>

struct OutputFile {
    std::string name;  // in the folder, "8b1u.bmp"
    std::vector<unsigned char> bytes;
};

struct OutputProblem {
    std::string path;
    std::string message;
};

// What is in the way of writing the files into the folder; empty when
// nothing is.
std::vector<OutputProblem> CheckOutputFolder(const std::string& folder, const std::vector<std::string>& names);

// Checks, then writes; the problems when the folder was left as it was.
std::vector<OutputProblem> WriteOutputFolder(const std::string& folder, const std::vector<OutputFile>& files);

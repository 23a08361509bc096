// How the kit's programs take their arguments: --help or -h prints the
// usage to standard output (exit code 0); any other count of arguments than
// the program takes prints it to standard error (exit code 2). A first "--"
// ends the options, so that a name beginning with "-" can be given.
#pragma once
#include <cstdio>
#include <cstring>

// The exit code when the program should stop here, or -1 to go on with
// argv[1] to argv[wanted] (a "--" before them taken away).
inline int CheckArguments(int& argc, char**& argv, int wanted, const char* usage)
{
    const bool endOfOptions = argc >= 2 && std::strcmp(argv[1], "--") == 0;
    if (endOfOptions) {
        argv[1] = argv[0];
        ++argv, --argc;
    }
    if (!endOfOptions && argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(usage, stdout);
        return 0;
    }
    if (argc != wanted + 1) {
        std::fputs(usage, stderr);
        return 2;
    }
    return -1;
}

// The registry and the disc as a launcher started from the disc finds them,
// for the previews: the game installed or not, the registration program
// there or not.
#pragma once
#include <string>

#include "platform/Files.h"
#include "platform/Registry.h"

class ChosenWorld : public platform::Registry, public platform::Files {
public:
    // Started from the root of drive D.
    ChosenWorld(bool installed, bool registrationTool);
    ReadResult ReadLocalMachineValue(const char* keyName, const char* valueName, char* buffer,
                                     std::uint32_t* size) override;
    bool CanOpenForReading(const char* path) override;
    std::uint32_t CurrentDirectory(char* buffer, std::uint32_t size) override;
    bool ChangeDirectory(const char* path) override;
    std::uint32_t WindowsDirectory(char* buffer, std::uint32_t size) override;
    std::uint32_t SystemDirectory(char* buffer, std::uint32_t size) override;
    std::uint32_t ProgramDirectory(char* buffer, std::uint32_t size) override;
    std::string PathVariable() override { return std::string(); }
    bool CanonicalDirectory(const char* path, char* buffer, std::uint32_t size) override;

private:
    bool installed_;
    bool registrationTool_;
    std::string current_;
};

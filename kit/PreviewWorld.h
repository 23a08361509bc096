// The registry and the disc as a launcher started from the disc finds them,
// for the previews: the game installed or not, the registration program
// there or not, the pictures those of the disc folder.
#pragma once
#include <string>

#include "FolderFiles.h"
#include "platform/Files.h"
#include "platform/Registry.h"
#include "platform/Texts.h"

class ChosenWorld : public platform::Registry, public platform::Files {
public:
    // Started from the root of drive D, which holds `disc`.
    ChosenWorld(bool installed, bool registrationTool, const FolderFiles& disc);
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
    const FolderFiles& disc_;
    std::string current_;
};

// The previews draw and speak no words: every text is missing.
class NoTexts : public platform::Texts {
public:
    platform::TextLoad LoadText(std::uint16_t, unsigned, std::string*) override { return platform::TextLoad::Missing; }
};

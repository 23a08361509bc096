// The Win32 adapters against a real Win32 (Wine): what each promises the
// decisions above it, where a fake could only assume it.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "commands/ProgramStarter.h"
#include "platform/win32/Win32Platform.h"

namespace {

using Outcome = platform::WholeFile::Outcome;

std::string Scratch(const char* name)
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    return std::string(temp) + name;
}

std::string TestDirectory()  // where windows_tests.exe and logargs.exe lie
{
    char path[MAX_PATH];
    GetModuleFileNameA(NULL, path, MAX_PATH);
    std::string directory = path;
    return directory.substr(0, directory.find_last_of('\\'));
}

TEST(WholeFileReader, ReadsTheWholeFileWithZeroPaddingUnlessAnotherProgramWritesIt)
{
    const std::string path = Scratch("ironmarch-whole.bin");
    std::ofstream(path, std::ios::binary) << "BM1234";
    win32::WholeFileReader reader;
    platform::WholeFile whole = reader.ReadWholeFile(path.c_str(), 3);
    ASSERT_EQ(whole.outcome, Outcome::Read);
    EXPECT_EQ(whole.length, 6u);
    EXPECT_EQ(whole.received, 6u);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(whole.bytes.get()), 9), std::string("BM1234\0\0\0", 9));

    HANDLE writer = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    EXPECT_EQ(reader.ReadWholeFile(path.c_str(), 3).outcome, Outcome::NotOpened);
    CloseHandle(writer);
    DeleteFileA(path.c_str());
    EXPECT_EQ(reader.ReadWholeFile(path.c_str(), 3).outcome, Outcome::NotOpened);
}

TEST(Registry, TellsAMissingKeyFromAMissingOrOversizedValue)
{
    const char* keyName = "SOFTWARE\\IronmarchWindowsTest";
    HKEY key = NULL;
    char buffer[16];
    std::uint32_t size = sizeof buffer;
    win32::Registry registry;
    EXPECT_EQ(registry.ReadLocalMachineValue(keyName, "Text", buffer, &size), platform::Registry::ReadResult::KeyMissing);
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, keyName, 0, NULL, 0, KEY_SET_VALUE, NULL, &key, NULL), ERROR_SUCCESS);
    RegSetValueExA(key, "Text", 0, REG_SZ, reinterpret_cast<const BYTE*>("C:\\G"), 5);
    RegSetValueExA(key, "Big", 0, REG_BINARY, reinterpret_cast<const BYTE*>("0123456789abcdefg"), 17);
    RegCloseKey(key);
    EXPECT_EQ(registry.ReadLocalMachineValue(keyName, "Text", buffer, &size), platform::Registry::ReadResult::Ok);
    EXPECT_EQ(size, 5u);
    EXPECT_STREQ(buffer, "C:\\G");
    for (const char* value : {"Big", "Missing"}) {
        size = sizeof buffer;
        EXPECT_EQ(registry.ReadLocalMachineValue(keyName, value, buffer, &size),
                  platform::Registry::ReadResult::ValueUnreadable) << value;
    }
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, keyName);
}

TEST(Processes, CommandLineAndDirectoryReachTheProgramAndAMissingOneGivesTheSystemsError)
{
    const std::string log = Scratch("ironmarch-starts.log"), directory = Scratch("");
    SetEnvironmentVariableA("IRONMARCH_STANDIN_LOG", log.c_str());
    win32::Processes processes;
    win32::Files files;
    const std::string line = "\"" + TestDirectory() + "\\logargs.exe\" /x \"two words\"";
    const platform::StartResult started = StartProgram(processes, files, nullptr, line.c_str(), directory.c_str(), true);
    ASSERT_TRUE(started.started) << "error " << started.error;
    std::ifstream in(log);
    std::string program, commandLine, workingDirectory;
    std::getline(in, program, '\t'), std::getline(in, commandLine, '\t'), std::getline(in, workingDirectory);
    EXPECT_EQ(commandLine, line);
    workingDirectory.erase(workingDirectory.find_last_not_of("\r\\") + 1);
    EXPECT_EQ(lstrcmpiA(workingDirectory.c_str(), directory.substr(0, directory.size() - 1).c_str()), 0)
        << workingDirectory;
    in.close();
    DeleteFileA(log.c_str());
    SetEnvironmentVariableA("IRONMARCH_STANDIN_LOG", NULL);

    const platform::StartResult missing = StartProgram(processes, files, nullptr, "ironmarch-no-such.exe", nullptr);
    EXPECT_FALSE(missing.started);
    EXPECT_EQ(missing.error, static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));
    EXPECT_FALSE(processes.SystemErrorText(missing.error).empty());
    EXPECT_FALSE(StartProgram(processes, files, nullptr, "", nullptr).started);
}

TEST(Resources, TheExeCarriesItsIconSoundAndAnAsInvokerManifest)
{
    const std::string exe = TestDirectory() + "\\..\\..\\IronmarchLauncher.exe";
    HMODULE module = LoadLibraryExA(exe.c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, static_cast<HMODULE>(NULL)) << exe;
    EXPECT_NE(FindResourceA(module, MAKEINTRESOURCEA(128), MAKEINTRESOURCEA(14)), static_cast<HRSRC>(NULL));
    EXPECT_NE(FindResourceA(module, "IDR_WAVE1", "WAVE"), static_cast<HRSRC>(NULL));
    HRSRC manifest = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_NE(manifest, static_cast<HRSRC>(NULL));
    const std::string text(static_cast<const char*>(LockResource(LoadResource(module, manifest))),
                           SizeofResource(module, manifest));
    EXPECT_NE(text.find("level=\"asInvoker\""), std::string::npos) << text;
    FreeLibrary(module);
}

}  // namespace

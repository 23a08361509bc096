// The registry adapter against real keys, and the path probe over it.
#include <gtest/gtest.h>

#include <string>

#include "app/GetPaths.h"
#include "core/LauncherState.h"
#include "platform/win32/Win32Platform.h"

namespace {

constexpr const char* kTestKey = "SOFTWARE\\IronmarchWindowsTest";
constexpr const char* kAppPaths = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\VXR.exe";
constexpr const char* kUninstall = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Ironmarch";

void SetValue(const char* keyName, const char* name, DWORD type, const std::string& bytes)
{
    HKEY key = NULL;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, keyName, 0, NULL, 0, KEY_SET_VALUE, NULL, &key, NULL),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                             static_cast<DWORD>(bytes.size())),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

struct RegistryTest : testing::Test {
    win32::Registry registry;
    void TearDown() override
    {
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, kTestKey);
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, kAppPaths);
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, kUninstall);
    }
};

TEST_F(RegistryTest, ReadsTheRawBytesOfAValue)
{
    SetValue(kTestKey, "Text", REG_SZ, std::string("C:\\Games\0", 9));
    char buffer[1024];
    std::uint32_t size = sizeof buffer;
    ASSERT_EQ(registry.ReadLocalMachineValue(kTestKey, "Text", buffer, &size), platform::Registry::ReadResult::Ok);
    EXPECT_EQ(size, 9u);
    EXPECT_STREQ(buffer, "C:\\Games");
}

TEST_F(RegistryTest, TellsAMissingKeyFromAMissingOrOversizedValue)
{
    char buffer[1024];
    std::uint32_t size = sizeof buffer;
    EXPECT_EQ(registry.ReadLocalMachineValue(kTestKey, "Text", buffer, &size),
              platform::Registry::ReadResult::KeyMissing);
    SetValue(kTestKey, "Big", REG_BINARY, std::string(1500, 'b'));
    size = sizeof buffer;
    EXPECT_EQ(registry.ReadLocalMachineValue(kTestKey, "Text", buffer, &size),
              platform::Registry::ReadResult::ValueUnreadable);
    size = sizeof buffer;
    EXPECT_EQ(registry.ReadLocalMachineValue(kTestKey, "Big", buffer, &size),
              platform::Registry::ReadResult::ValueUnreadable);
}

TEST_F(RegistryTest, WholeBufferValueWithoutTerminatorIsNotTakenAsAPath)
{
    SetValue(kAppPaths, "Path", REG_BINARY, std::string(1024, 'x'));
    SetValue(kUninstall, "UninstallString", REG_SZ, std::string("C:\\uninst.exe\0", 14));
    LauncherState state;
    win32::Files files;
    GetPaths(state, registry, files);
    EXPECT_STREQ(state.installDir, "");
    EXPECT_STREQ(state.DebugSpew, "GetPaths() - gamepathname = ");
}

TEST_F(RegistryTest, InstallationFoundThroughTheRealRegistry)
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string directory = std::string(temp) + "IronmarchRegistryTest";
    CreateDirectoryA(directory.c_str(), NULL);
    const std::string launcher = directory + "\\IronmarchLauncher.exe";
    HANDLE file = CreateFileA(launcher.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
    SetValue(kAppPaths, "Path", REG_SZ, directory + std::string(1, '\0'));
    SetValue(kUninstall, "UninstallString", REG_SZ, std::string("C:\\uninst.exe\0", 14));

    LauncherState state;
    win32::Files files;
    GetPaths(state, registry, files);
    EXPECT_EQ(std::string(state.installDir), directory);
    EXPECT_STREQ(state.uninstallCommand, "C:\\uninst.exe");
    EXPECT_TRUE(state.gameInstalled);

    DeleteFileA(launcher.c_str());
    RemoveDirectoryA(directory.c_str());
}

}  // namespace

// The Win32 adapters against a real Win32 (Wine): what each promises the
// decisions above it, where a fake could only assume it.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "platform/win32/Win32Platform.h"

namespace {

using Outcome = platform::WholeFile::Outcome;
using ReadResult = platform::Registry::ReadResult;

TEST(WholeFileReader, ReadsTheWholeFileWithZeroPaddingOrNothing)
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string path = std::string(temp) + "ironmarch-whole.bin";
    std::ofstream(path, std::ios::binary) << "BM1234";
    win32::WholeFileReader reader;
    platform::WholeFile whole = reader.ReadWholeFile(path.c_str(), 3);
    ASSERT_EQ(whole.outcome, Outcome::Read);
    EXPECT_EQ(whole.length, 6u);
    EXPECT_EQ(whole.received, 6u);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(whole.bytes.get()), 9), std::string("BM1234\0\0\0", 9));

    DeleteFileA(path.c_str());
    EXPECT_EQ(reader.ReadWholeFile(path.c_str(), 3).outcome, Outcome::NotOpened);
}

// A missing key is not a missing or oversized value: only the one tells
// that nothing is installed, and a value cut short never reads as whole.
TEST(Registry, TellsAMissingKeyFromAMissingOrOversizedValue)
{
    const char* keyName = "SOFTWARE\\IronmarchWindowsTest";
    HKEY key = NULL;
    char buffer[16];
    std::uint32_t size = sizeof buffer;
    win32::Registry registry;
    EXPECT_EQ(registry.ReadLocalMachineValue(keyName, "Big", buffer, &size), ReadResult::KeyMissing);
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, keyName, 0, NULL, 0, KEY_SET_VALUE, NULL, &key, NULL), ERROR_SUCCESS);
    RegSetValueExA(key, "Big", 0, REG_BINARY, reinterpret_cast<const BYTE*>("0123456789abcdefg"), 17);
    RegCloseKey(key);
    for (const char* value : {"Big", "Missing"})
        EXPECT_EQ(registry.ReadLocalMachineValue(keyName, value, buffer, &(size = sizeof buffer)), ReadResult::ValueUnreadable)
            << value;
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, keyName);
}

}  // namespace

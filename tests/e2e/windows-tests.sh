# The Windows-side GoogleTest suite under Wine.
wine "$WINDOWS_BUILD/tests/windows/windows_tests.exe" || fail "windows_tests.exe failed"

// A screen reader's view of a window, for the end-to-end tests: the client
// object's children as MSAA gives them to another process.
//   accclient TITLE              one line per child: name, role, state, left top width height
//   accclient TITLE press NAME   accDoDefaultAction on the child of that name
#include <windows.h>

#include <oleacc.h>

#include <cstdio>
#include <cstring>

// Spelled here: MinGW's oleacc import library offers IID_IAccessible as
// an imported symbol, whose address is not the GUID.
const GUID kIidAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    CoInitialize(NULL);
    IAccessible* client = NULL;
    const HWND window = FindWindowA(NULL, argv[1]);
    if (window == NULL || FAILED(AccessibleObjectFromWindow(window, OBJID_CLIENT, kIidAccessible,
                                                            reinterpret_cast<void**>(&client)))) {
        std::printf("no accessible client\n");
        return 1;
    }
    // As screen readers list children: AccessibleChildren takes the object's
    // own enumeration where it has one, and counts 1 and up where it has not.
    LONG count = 0;
    VARIANT children[64];
    client->get_accChildCount(&count);
    if (count < 0 || count > 64 || FAILED(AccessibleChildren(client, 0, count, children, &count))) {
        std::printf("children not listed\n");
        return 1;
    }
    for (LONG i = 0; i < count; ++i) {
        const VARIANT child = children[i];
        BSTR name = NULL;
        VARIANT role, state;
        LONG left = 0, top = 0, width = 0, height = 0;
        client->get_accName(child, &name);
        client->get_accRole(child, &role);
        client->get_accState(child, &state);
        client->accLocation(&left, &top, &width, &height, child);
        char text[256] = {};
        WideCharToMultiByte(CP_ACP, 0, name != NULL ? name : L"", -1, text, sizeof text, NULL, NULL);
        SysFreeString(name);
        if (argc == 4 && std::strcmp(argv[2], "press") == 0) {
            // The press may close the launcher: nothing more is asked of it.
            if (std::strcmp(text, argv[3]) == 0)
                ExitProcess(FAILED(client->accDoDefaultAction(child)) ? 1 : 0);
            continue;
        }
        std::printf("%s\t%ld\t%#lx\t%ld %ld %ld %ld\n", text, role.lVal, state.lVal, left, top, width, height);
    }
    client->Release();
    CoUninitialize();
    return argc == 4 ? 1 : 0;  // a press of a name that no child has
}

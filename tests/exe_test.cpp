// What Explorer, and school IT reading a file's properties, see of each built exe.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace
{

// The version in the fixed fields (file, product) and in the two strings (file, product).
std::string Version(const std::string &exe)
{
    std::vector<char> info(GetFileVersionInfoSizeA(exe.c_str(), NULL));
    VS_FIXEDFILEINFO *fixed;
    UINT size;
    if (info.empty() || !GetFileVersionInfoA(exe.c_str(), 0, info.size(), info.data()) ||
        !VerQueryValueA(info.data(), "\\", (void **)&fixed, &size))
        return "no version";
    char text[80];
    snprintf(text, sizeof text, "%u.%u.%u.%u %u.%u.%u.%u", HIWORD(fixed->dwFileVersionMS),
             LOWORD(fixed->dwFileVersionMS), HIWORD(fixed->dwFileVersionLS),
             LOWORD(fixed->dwFileVersionLS), HIWORD(fixed->dwProductVersionMS),
             LOWORD(fixed->dwProductVersionMS), HIWORD(fixed->dwProductVersionLS),
             LOWORD(fixed->dwProductVersionLS));
    std::string version = text;
    for (const char *name : {"FileVersion", "ProductVersion"}) {
        char *value = NULL;
        VerQueryValueA(info.data(), ("\\StringFileInfo\\040904B0\\" + std::string(name)).c_str(),
                       (void **)&value, &size);
        version += " " + std::string(value ? value : "none");
    }
    return version;
}

// The sizes in the file's first icon group, the one Explorer and shortcuts show.
BOOL CALLBACK FirstIconGroup(HMODULE file, LPCSTR type, LPSTR name, LONG_PTR sizes)
{
    auto *group = (const BYTE *)LockResource(LoadResource(file, FindResourceA(file, name, type)));
    for (int i = 0; group && i < group[4]; i++) // entries of 14 bytes after a 6-byte head
        *(std::string *)sizes += " " + std::to_string(group[6 + 14 * i] ? group[6 + 14 * i] : 256);
    return FALSE;
}

} // namespace

TEST(Exe, BothCarryTheProjectsVersionAndIcon)
{
    const std::string v = ORBISQUE_VERSION;
    for (const char *target : {"win32", "win64"}) {
        std::string exe = ORBISQUE_BUILDS + std::string(target) + "/Orbisque.exe", icon = " icon";
        HMODULE file = LoadLibraryExA(exe.c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
        EnumResourceNamesA(file, RT_GROUP_ICON, FirstIconGroup, (LONG_PTR)&icon);
        FreeLibrary(file);
        EXPECT_EQ(Version(exe) + icon,
                  v + ".0 " + v + ".0 " + v + " " + v + " icon 16 24 32 48 256")
            << target;
    }
}

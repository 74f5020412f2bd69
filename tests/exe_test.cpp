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

} // namespace

TEST(Exe, BothCarryTheProjectsVersion)
{
    const std::string v = ORBISQUE_VERSION;
    for (const char *target : {"win32", "win64"})
        EXPECT_EQ(Version(ORBISQUE_BUILDS + std::string(target) + "/Orbisque.exe"),
                  v + ".0 " + v + ".0 " + v + " " + v)
            << target;
}

// The manifest the built executables carry: what Windows reads before the program runs.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "win/handles.h"

namespace vemora {
namespace {

std::wstring BesideThisProgram(const std::wstring& name) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring self(path);
    return self.substr(0, self.find_last_of(L'\\') + 1) + name;
}

std::string ManifestOf(const std::wstring& exe) {
    win::UniqueModule module(
        LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
    if (!module) return {};
    HRSRC info = FindResourceW(module.get(), MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24) /* RT_MANIFEST */);
    HGLOBAL loaded = info ? LoadResource(module.get(), info) : nullptr;
    const char* bytes = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    return bytes ? std::string(bytes, SizeofResource(module.get(), info)) : std::string();
}

// The attributes of the first element of that name, as written.
std::string ElementText(const std::string& xml, const std::string& name) {
    const size_t start = xml.find("<" + name + " ");
    if (start == std::string::npos) return {};
    return xml.substr(start, xml.find('>', start) - start);
}

TEST(Manifest, EveryBuiltExecutableRunsAsInvokerWithoutVirtualization) {
    // This build's program, and the 32-bit release beside it where the host runs the twin.
    std::vector<std::wstring> executables = {BesideThisProgram(L"Vemora.exe")};
    const std::wstring release = BesideThisProgram(L"..\\win32\\Vemora.exe");
    if (GetFileAttributesW(release.c_str()) != INVALID_FILE_ATTRIBUTES) executables.push_back(release);
    for (const std::wstring& exe : executables) {
        SCOPED_TRACE(testing::PrintToString(exe));
        const std::string manifest = ManifestOf(exe);
        ASSERT_FALSE(manifest.empty()) << "no manifest resource";
        const std::string level = ElementText(manifest, "requestedExecutionLevel");
        EXPECT_NE(level.find("level=\"asInvoker\""), std::string::npos) << level;
        EXPECT_NE(level.find("uiAccess=\"false\""), std::string::npos) << level;
    }
}

}  // namespace
}  // namespace vemora

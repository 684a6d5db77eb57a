// SPDX-License-Identifier: MIT
// The Windows version resource and icon of vek.exe, compiled from res/vek.rc
// into this test program and read back through the system's own calls: what
// Explorer's file properties show, character for character.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "res/version_info.h"

namespace {

std::string Utf8(const wchar_t* text) {
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    out.resize(out.empty() ? 0 : out.size() - 1);
    return out;
}

std::vector<char> OwnVersionInfo() {
    wchar_t path[MAX_PATH];
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(path, &ignored);
    std::vector<char> data(size);
    if (size == 0 || !::GetFileVersionInfoW(path, 0, size, data.data()))
        data.clear();
    return data;
}

TEST(VersionResource, StringsAndNumbersAsExplorerShowsThem) {
    std::vector<char> data = OwnVersionInfo();
    ASSERT_FALSE(data.empty());

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(::VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    const auto& n = kVekVersionNumbers;
    EXPECT_EQ(fixed->dwFileVersionMS, DWORD(n[0] << 16 | n[1]));
    EXPECT_EQ(fixed->dwFileVersionLS, DWORD(n[2] << 16 | n[3]));
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);
    EXPECT_EQ(fixed->dwFileType, DWORD(VFT_APP));

    // Simplified Chinese (0804) in UTF-16 (04b0), the only translation.
    WORD* translation = nullptr;
    ASSERT_TRUE(::VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation",
                                 reinterpret_cast<void**>(&translation), &length));
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(translation[0], 0x0804);
    EXPECT_EQ(translation[1], 1200);

    const struct {
        const wchar_t* name;
        const char* value;
    } strings[] = {
        {L"Comments", kVekComments},
        {L"CompanyName", kVekCompanyName},
        {L"FileDescription", kVekFileDescription},
        {L"FileVersion", kVekFileVersion},
        {L"InternalName", kVekInternalName},
        {L"LegalCopyright", kVekLegalCopyright},
        {L"OriginalFilename", kVekOriginalFilename},
        {L"ProductName", kVekProductName},
        {L"ProductVersion", kVekProductVersion},
    };
    for (const auto& s : strings) {
        const std::wstring key = std::wstring(L"\\StringFileInfo\\080404b0\\") + s.name;
        wchar_t* value = nullptr;
        ASSERT_TRUE(
            ::VerQueryValueW(data.data(), key.c_str(), reinterpret_cast<void**>(&value), &length))
            << Utf8(s.name);
        EXPECT_EQ(Utf8(value), s.value) << Utf8(s.name);
    }
}

// The file's icon: one group with the small sizes Explorer and the taskbar
// pick from, up to the 256 px of large icon views.
TEST(VersionResource, IconGroupHoldsEverySize) {
    const HRSRC group =
        ::FindResourceW(nullptr, L"IDI_ICON1", MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
    ASSERT_NE(group, nullptr);
    const auto* header = static_cast<const WORD*>(::LockResource(::LoadResource(nullptr, group)));
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header[1], 1);  // icons, not cursors
    EXPECT_EQ(header[2], 8);  // 16, 20, 24, 32, 40, 48, 64 and 256 px
    for (const int size : {16, 32, 48, 256}) {
        const HICON icon = static_cast<HICON>(
            ::LoadImageW(::GetModuleHandleW(nullptr), L"IDI_ICON1", IMAGE_ICON, size, size, 0));
        EXPECT_NE(icon, nullptr) << size;
        if (icon)
            ::DestroyIcon(icon);
    }
}

}  // namespace

// SPDX-License-Identifier: MIT
#pragma once
// The program's version identity, for the About box and anything else that
// names the program. On Windows res/vek.rc writes the same values into the
// executable's version resource; keep the two in step (a test compares them).

#include <string_view>

inline constexpr int kVekVersionNumbers[4] = {1, 0, 0, 3};
inline constexpr char kVekFileVersion[] = "1.0.0.3";
inline constexpr char kVekProductVersion[] = "1.0.0.3";
inline constexpr char kVekFileDescription[] = "vek 环评计算器";
inline constexpr char kVekProductName[] = "vek 应用程序";
inline constexpr char kVekInternalName[] = "vek";
inline constexpr char kVekOriginalFilename[] = "vek.EXE";
inline constexpr char kVekComments[] = "提供给环评工作者的便捷工具";
inline constexpr char kVekCompanyName[] = "vek 开发组";
inline constexpr char kVekLegalCopyright[] = "版权所有 (C) vek 开发组";

#ifdef VEK_VERSION
static_assert(std::string_view(VEK_VERSION) == kVekFileVersion,
              "the project version in CMakeLists.txt and the version resource differ");
#endif

// SPDX-License-Identifier: MIT
#pragma once
// Who answers for vek: project values that name no person, defined once here.
// A distribution may override them through the build's cache variables.

#ifndef VEK_AUTHOR_NAME
#define VEK_AUTHOR_NAME "vek 开发组"
#endif
#ifndef VEK_AUTHOR_EMAIL
#define VEK_AUTHOR_EMAIL "vek@example.com"
#endif
#ifndef VEK_AUTHOR_QQ
#define VEK_AUTHOR_QQ "10001"
#endif
#ifndef VEK_NOTICE
#define VEK_NOTICE "免费软件，欢迎使用。"
#endif

inline constexpr char kAuthorName[] = VEK_AUTHOR_NAME;
inline constexpr char kAuthorEmail[] = VEK_AUTHOR_EMAIL;
inline constexpr char kAuthorQq[] = VEK_AUTHOR_QQ;
inline constexpr char kAboutNotice[] = VEK_NOTICE;

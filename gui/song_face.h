// SPDX-License-Identifier: MIT
#pragma once
// "宋体", the face the dialogs and the calculation book name, stands for an
// installed face with the Chinese glyphs: SimSun where installed, else AR PL
// UMing (the same 6 x 12 px metrics at 9 pt), else any CJK face. Once per
// process, after the QGuiApplication is made (it reads the installed fonts).
void SubstituteSongFace();

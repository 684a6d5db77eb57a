// SPDX-License-Identifier: MIT
#pragma once

class QApplication;

// Once per process, before any window: the application's name ("vek", the
// caption of boxes without one), the "宋体" font substitution (gui/song_face.h), and a
// locale-neutral number format for the C library.
void SetUpApplication(QApplication& app);

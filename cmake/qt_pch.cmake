# SPDX-License-Identifier: MIT
# Qt's widget headers take seconds to parse and nearly every window source
# includes the same dozen of them, so the targets built on Qt Widgets read
# them once, precompiled. Sources still include what they use: a build with
# -DVEK_PCH=OFF proves it.
option(VEK_PCH "Precompile the Qt headers shared by the window sources" ON)

function(vek_precompile_qt target)
  if(NOT VEK_PCH)
    return()
  endif()
  target_precompile_headers(${target} PRIVATE
    <QApplication> <QWidget> <QDialog> <QAbstractButton> <QPushButton> <QLineEdit>
    <QComboBox> <QLabel> <QKeyEvent> <QPainter> <QImage> <QTimer> <QPointer> <QString>
    <functional> <memory> <string> <vector>)
endfunction()

#pragma once
// With VEXMORA_SCREENSHOT_DIR set, a test keeps a picture of the dialog it drives.

#include <QDir>
#include <QWidget>

namespace vex::test {

inline void keepScreenshot(QWidget* widget, const QString& name) {
    const QString dir = qEnvironmentVariable("VEXMORA_SCREENSHOT_DIR");
    if (dir.isEmpty()) return;
    widget->show();
    widget->grab().save(QDir(dir).filePath(name + ".png"));
}

}  // namespace vex::test

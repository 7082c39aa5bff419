#include "vexmora/ui/shared/waits.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include "vexmora/ui/media/scaled_time.h"
#include "vexmora/ui/media/system_options.h"

namespace vex::ui {

void plainWait(int milliseconds) {
    if (milliseconds <= 0) {
        QCoreApplication::processEvents();
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

void scaledWait(int& milliseconds) {
    milliseconds = scaledMilliseconds(milliseconds, systemOptions().gameSpeed());
    plainWait(milliseconds);
}

void afterScaledWait(QObject* context, int milliseconds, std::function<void()> then) {
    const int length = scaledMilliseconds(milliseconds, systemOptions().gameSpeed());
    QTimer::singleShot(length > 0 ? length : 0, Qt::PreciseTimer, context, std::move(then));
}

}  // namespace vex::ui

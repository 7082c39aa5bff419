#include "vexmora/gui/window_scale.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QHash>
#include <QLayout>
#include <QRegularExpression>
#include <QScreen>
#include <QWidget>

namespace vex::gui {

namespace {

void scaleLayout(QLayout* layout, int scale) {
    if (!layout) return;
    const QMargins m = layout->contentsMargins();
    layout->setContentsMargins(m.left() * scale, m.top() * scale, m.right() * scale, m.bottom() * scale);
    if (layout->spacing() > 0) layout->setSpacing(layout->spacing() * scale);
    for (int i = 0; i < layout->count(); ++i) scaleLayout(layout->itemAt(i)->layout(), scale);
}

int scaledLength(int length, int scale) { return length >= QWIDGETSIZE_MAX / scale ? QWIDGETSIZE_MAX : length * scale; }

void scaleSizes(QWidget* widget, int scale) {
    const QSize least = widget->minimumSize();
    const QSize greatest = widget->maximumSize();
    widget->setMinimumSize(scaledLength(least.width(), scale), scaledLength(least.height(), scale));
    widget->setMaximumSize(scaledLength(greatest.width(), scale), scaledLength(greatest.height(), scale));
}

QFont scaledFont(QFont font, int scale) {
    if (font.pixelSize() > 0) font.setPixelSize(font.pixelSize() * scale);
    else font.setPointSizeF(font.pointSizeF() * scale);
    return font;
}

}  // namespace

QScreen* screenFor(const QWidget* window) {
    if (window && window->parentWidget()) return window->parentWidget()->window()->screen();
    if (const QWidget* active = QApplication::activeWindow(); active && active != window) return active->screen();
    if (QScreen* underMouse = QGuiApplication::screenAt(QCursor::pos())) return underMouse;
    return QGuiApplication::primaryScreen();
}

ScreenArea areaOf(const QScreen* screen) {
    if (!screen) return {};
    const QRect free = screen->availableGeometry();
    return {free.width(), free.height(), screen->devicePixelRatio()};
}

int windowScale(const QWidget* window) { return scaleFor(scaleChoice(), areaOf(screenFor(window))); }

void centreOnScreen(QWidget* window) {
    QScreen* screen = screenFor(window);
    if (!screen) return;
    window->setScreen(screen);
    const QRect free = screen->availableGeometry();
    // The frame the window manager adds is not known before the window is shown; the size of
    // its contents is close enough to centre it.
    const QSize size = window->size().boundedTo(free.size());
    window->move(free.center() - QPoint(size.width() / 2, size.height() / 2));
}

void scaleForm(QWidget* form, int scale) {
    if (scale <= 1) return;
    // Widgets with a font of their own (set on them, or their kind's, as a menu bar's) do not
    // take the form's: they are enlarged one by one.
    const QList<QWidget*> children = form->findChildren<QWidget*>();
    QHash<QWidget*, QFont> before;
    for (QWidget* child : children) before.insert(child, child->font());
    form->setFont(scaledFont(form->font(), scale));
    scaleLayout(form->layout(), scale);
    scaleSizes(form, scale);
    for (QWidget* child : children) {
        const QFont& was = before[child];
        if (child->font().pointSizeF() == was.pointSizeF() && child->font().pixelSize() == was.pixelSize())
            child->setFont(scaledFont(was, scale));
        scaleLayout(child->layout(), scale);
        scaleSizes(child, scale);
    }
}

QString scaledStyle(const char* style, int scale) {
    QString scaled = QString::fromUtf8(style);
    static const QRegularExpression length(QStringLiteral("calc\\((\\d+)(px|pt)\\)"));
    QRegularExpressionMatch found;
    while ((found = length.match(scaled)).hasMatch())
        scaled.replace(found.capturedStart(), found.capturedLength(),
                       QString::number(found.captured(1).toInt() * scale) + found.captured(2));
    return scaled;
}

QPixmap wholePixelPixmap(const QImage& picture, int scale, double devicePixelRatio) {
    const int pixels = screenPixelsPerPixel(scale, devicePixelRatio);
    QPixmap pixmap = QPixmap::fromImage(picture.scaled(picture.size() * pixels, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    pixmap.setDevicePixelRatio(static_cast<double>(pixels) / scale);
    return pixmap;
}

}  // namespace vex::gui

// The title and the forms at ×2 and ×3: enlarged by whole pixels, their texts laid out again at
// the larger size, the menu where the larger title shows it.

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QTest>
#include <QVBoxLayout>

#include "temp_folder.h"
#include "vexmora/data/display_scale.h"
#include "vexmora/gui/window_scale.h"
#include "vexmora/ui/shared/shell.h"
#include "vexmora/ui/media/system_options.h"
#include "vexmora/ui/shell/title_window.h"

using namespace vex::ui;

class WindowScaleTest : public QObject {
    Q_OBJECT

    std::unique_ptr<vex::test::TempFolder> home_;

    // A title picture of noise: any smoothing would mix neighbouring pixels.
    QImage writeNoisyTitlePicture() {
        QImage picture(640, 480, QImage::Format_RGB32);
        QRandomGenerator random(23);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) picture.setPixel(x, y, 0xFF000000u | random.bounded(0x1000000u));
        vex::fs::create_directories(home_->path() / "Image");
        picture.save(QString::fromStdString((home_->path() / "Image" / "title.png").string()));
        return picture;
    }

private slots:
    void initTestCase() { installGameFont(); }

    void init() {
        home_ = std::make_unique<vex::test::TempFolder>();
        vex::setProgramFolder(home_->path());
        systemOptions() = {};
        systemOptions()[kOptionGameSpeed] = 7;
    }

    void cleanup() { vex::scaleChoice() = vex::ScaleChoice::Automatic; }

    void theTitleAtTwiceItsSizeShowsItsPictureInWholePixelsAndItsMenuToScale() {
        const QImage picture = writeNoisyTitlePicture();
        vex::scaleChoice() = vex::ScaleChoice::Two;
        TitleWindow title;
        title.show();
        QVERIFY(QTest::qWaitForWindowExposed(&title));
        QCOMPARE(title.size(), QSize(1280, 960));

        const QImage shown = title.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.size(), QSize(1280, 960));
        // Every picture pixel is a 2 x 2 block of its own colour (the version label, bottom
        // right, is left out).
        for (int y = 0; y < 440; y += 3)
            for (int x = 0; x < 560; x += 3)
                for (int d = 0; d < 4; ++d)
                    QCOMPARE(shown.pixel(2 * x + d % 2, 2 * y + d / 2), picture.pixel(x, y));

        QTest::mouseClick(&title, Qt::LeftButton, {}, QPoint(640, 200));
        QTRY_VERIFY(!title.busy());
        for (int entry = 0; entry < kMenuEntryCount; ++entry) {
            QCOMPARE(title.menuButton(entry)->size(), QSize(400, 68));
            QCOMPARE(title.menuButton(entry)->pos(), title.menuButtonHome(entry));
            QVERIFY(title.rect().contains(title.menuButton(entry)->geometry()));
        }
        // The menu's texts at twice their size, not enlarged pixels.
        QVERIFY(title.menuButton(kMenuOptions)->fontMetrics().height() >= 2 * 14);

        // Back to ×1 (as オプション does when the choice changes): the menu moves with it.
        title.applyScale(1);
        QCOMPARE(title.size(), QSize(640, 480));
        QCOMPARE(title.menuButton(kMenuExit)->size(), QSize(200, 34));
        QCOMPARE(title.menuButton(kMenuExit)->pos(), title.menuButtonHome(kMenuExit));
        QCOMPARE(title.menuButtonHome(kMenuExit) * 2, QPoint(2 * 330, 2 * 410));
    }

    void automaticFollowsTheScreenTheWindowOpensOn() {
        // The test screen is far smaller than 1600 x 1280: automatic is ×1.
        TitleWindow title;
        QCOMPARE(title.scale(), vex::automaticScale(vex::gui::areaOf(QGuiApplication::primaryScreen())));
        QCOMPARE(title.scale(), 1);
        // Opened in the middle of its screen's free area.
        const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(qAbs(title.geometry().center().x() - free.center().x()) <= 1);
    }

    void aFormBuiltAtOneIsEnlargedWholeFontLayoutAndSizes() {
        QDialog form;
        QFont font = form.font();
        font.setPointSize(10);
        form.setFont(font);
        auto* layout = new QVBoxLayout(&form);
        layout->setContentsMargins(4, 5, 6, 7);
        layout->setSpacing(3);
        auto* name = new QLineEdit;
        name->setFixedWidth(120);
        auto* row = new QHBoxLayout;
        row->setSpacing(2);
        auto* label = new QLabel(QStringLiteral("名前"));
        label->setMinimumHeight(30);
        auto* own = new QLabel(QStringLiteral("小"));
        QFont small = own->font();
        small.setPixelSize(9);
        own->setFont(small);  // a font of its own, not the form's
        row->addWidget(own);
        row->addWidget(label);
        row->addWidget(name);
        layout->addLayout(row);

        vex::gui::scaleForm(&form, 3);
        QCOMPARE(form.font().pointSize(), 30);
        QCOMPARE(name->font().pointSize(), 30);  // children take the form's font
        QCOMPARE(own->font().pixelSize(), 27);
        QCOMPARE(layout->contentsMargins(), QMargins(12, 15, 18, 21));
        QCOMPARE(layout->spacing(), 9);
        QCOMPARE(row->spacing(), 6);
        QCOMPARE(name->minimumWidth(), 360);
        QCOMPARE(name->maximumWidth(), 360);
        QCOMPARE(label->minimumHeight(), 90);
        QCOMPARE(label->maximumHeight(), QWIDGETSIZE_MAX);  // unbounded stays unbounded
    }

    void aPictureIsEnlargedByWholePixelsForTheDevice() {
        QImage picture(3, 2, QImage::Format_RGB32);
        const QRgb colours[6] = {0xFF102030, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF, 0xFF000000};
        for (int i = 0; i < 6; ++i) picture.setPixel(i % 3, i / 3, colours[i]);
        // ×2 on a desktop scaled by 1.5: 3 screen pixels a pixel, shown 6 x 4 in its own units.
        const QPixmap shown = vex::gui::wholePixelPixmap(picture, 2, 1.5);
        QCOMPARE(shown.size(), QSize(9, 6));
        QCOMPARE(shown.deviceIndependentSize(), QSizeF(6, 4));
        const QImage pixels = shown.toImage().convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 9; ++x) QCOMPARE(pixels.pixel(x, y), colours[(y / 3) * 3 + x / 3]);
    }

    void lengthsInAStyleGrowWithTheScale() {
        QCOMPARE(vex::gui::scaledStyle("QLabel { border: calc(1px) solid; font-size: calc(10pt); }", 3),
                 QStringLiteral("QLabel { border: 3px solid; font-size: 30pt; }"));
    }
};

QTEST_MAIN(WindowScaleTest)
#include "window_scale_test.moc"

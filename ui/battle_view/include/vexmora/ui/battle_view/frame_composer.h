#pragma once
// The battle frame, composed in pelkit buffers as the display model describes it.
//
// One ordinary frame (redraw mode 0):
//   1. the stage buffer is copied into the work buffer;
//   2. each monster is drawn into it as a transparent sprite (mask with AND, picture with OR),
//      only as far as it stands above the ground;
//   3. a monster with a blend level above 0 has the stage blended back over it (mBlend), which
//      fades it into the background;
//   4. a technique effect darkens its outline (mSubBlend of its mask) and adds its light
//      (mAddBlend);
//   5. the work buffer is kept in the spare buffer;
//   6. a fighter that asks for it is darkened (mSubBlend of its darkening picture);
//   7. the status windows (their shading subtracted first), status icons, ability markers,
//      emotion gauges, command row strips and speech bubbles are drawn in;
//   8. the work buffer is copied to the screen surface, and the texts are written on it.
// Shown larger (setPixelScale), the composed pixels are enlarged by whole pixels first and the
// texts written over them at the larger size, so they stay sharp.
// The result frame (mode 2) starts from the spare buffer instead of steps 1-5, so the result
// stands over the last frame of the battle.

#include <QHash>
#include <QImage>
#include <QString>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "vexmora/data/stage_list.h"
#include "vexmora/gui/monster_sprite.h"
#include "vexmora/gui/sprite.h"
#include "vexmora/ui/battle_model/display_model.h"
#include "vexmora/ui/battle_model/pelkit_library.h"
#include "vexmora/ui/battle_model/status_layout.h"

class QPainter;

namespace vex::ui {

// The masked sprite copies and the monster sprite come from the GUI base.
using gui::ClippedArea;
using gui::MonsterPicture;
using gui::MonsterPictureSource;
using gui::PixelView;
using gui::RasterOp;
using gui::Sprite;
using gui::clipArea;
using gui::drawSprite;
using gui::drawSpriteArea;
using gui::mirrored;
using gui::rasterCopy;
using gui::spriteFromPicture;

enum class FrameMode { Ordinary = 0, Result = 2 };

class FrameComposer {
public:
    FrameComposer(std::shared_ptr<PelkitLibrary> library, fs::path programFolder);
    ~FrameComposer();

    // Reads the status layout, the stage list and the fixed pictures below "Image". What is
    // missing is drawn as nothing; problems() says what.
    void loadContent();
    const std::vector<std::string>& problems() const { return problems_; }
    const StageList& stages() const { return stages_; }
    const StatusLayout& layout() const { return layout_; }

    // `load stage`: 99 keeps the picture shown; other numbers show their picture (a plain
    // dark ground when the list has none). The stage, work and spare buffers are loaded again.
    void loadStage(int stage);
    int loadedStage() const { return loadedStage_; }

    // A side's monster: its picture is decoded once here; a refused picture is drawn as the
    // stand-in and pictureRefusal() says why.
    void setMonster(int side, const MonsterPictureSource& source);
    void clearMonster(int side);
    bool hasMonster(int side) const { return !monster_[static_cast<size_t>(side)].sprite.empty(); }
    int monsterWidth(int side) const { return monster_[static_cast<size_t>(side)].sprite.width; }
    int monsterHeight(int side) const { return monster_[static_cast<size_t>(side)].sprite.height; }
    const std::string& pictureRefusal(int side) const { return monster_[static_cast<size_t>(side)].picture.refusal(); }

    // How many pixels of the returned frame one pixel of the battle frame covers (1 to 12): the
    // picture is 384 x 248 times that, with that device pixel ratio, so it is painted at
    // 384 x 248 and its texts are written at the larger size.
    void setPixelScale(int pixels);
    int pixelScale() const { return pixelScale_; }

    // Composes one frame and returns it.
    const QImage& compose(const DisplayModel& model, int64_t now, FrameMode mode = FrameMode::Ordinary);
    const QImage& frame() const { return pixelScale_ > 1 ? enlarged_ : screen_; }

    // The drawn width of each command row of a side (0 for a row that is not drawn), as the
    // clicks are tested against it.
    std::array<int, kCommandRows> rowWidths(const DisplayModel& model, int side) const;

private:
    struct MonsterSlot {
        MonsterPictureSource source;
        MonsterPicture picture;  // decoded from source.bytes
        int builtSize = 0;  // the picture size the sprite was made at
        Sprite sprite;
        PelkitBufferHandle darkening;
        int imageOffsetY = 0;
    };
    void buildMonster(int side, int imageSize);
    struct TextKey {
        QString text;
        int pixelSize;
        uint32_t colour;
        int style;
        bool operator==(const TextKey&) const = default;
    };
    friend size_t qHash(const TextKey& key, size_t seed) noexcept {
        return qHashMulti(seed, key.text, key.pixelSize, key.colour, key.style);
    }

    PixelView workView();
    void reloadFrameBuffers();
    void drawMonsters(const DisplayModel& model);
    void blendMonsters(const DisplayModel& model);
    void drawEffects(const DisplayModel& model, int64_t now);
    void darken(const DisplayModel& model);
    void drawStatusWindows(const DisplayModel& model, int64_t now);
    void drawCommandStrips(const DisplayModel& model);
    // The strip whose element icons speak the language of the windows.
    Sprite& elementIcons();
    void drawBubbles(const DisplayModel& model, int64_t now);
    void writeTexts(QPainter& painter, const DisplayModel& model, int64_t now);
    void writeStatusTexts(QPainter& painter, const DisplayModel& model, int64_t now);
    void writeAnnouncement(QPainter& painter, const DisplayModel& model, int64_t now);
    void writeSpeech(QPainter& painter, const DisplayModel& model, int64_t now);
    void writeCaptions(QPainter& painter, const DisplayModel& model, int64_t now);
    void writeOverlays(QPainter& painter, const DisplayModel& model, int64_t now);
    void writeCommandTexts(QPainter& painter, const DisplayModel& model);
    void writeResult(QPainter& painter, const DisplayModel& model);

    // Where a side's monster stands this frame.
    struct Placement {
        int x = 0, y = 0, w = 0, h = 0, rows = 0, top = 0;
    };
    Placement placement(const DisplayModel& model, int side) const;
    int rowLeft(const DisplayModel& model, int side, int row) const;
    int bubbleTop(int side, const Placement& p, int kind) const;

    // Pre-rendered texts with an outline, kept while they are used: drawn at the pixel scale,
    // measured in pixels of the battle frame.
    enum TextStyle { kPlain = 0, kOutlined = 1, kBoldItalic = 2, kBold = 4 };
    struct TextPicture {
        QImage image;  // its device pixel ratio is the pixel scale
        int frameWidth = 0, frameHeight = 0;
        int width() const { return frameWidth; }
        int height() const { return frameHeight; }
        operator const QImage&() const { return image; }
    };
    const TextPicture& text(const QString& text, int pixelSize, uint32_t colour, int style) const;
    int textWidth(const QString& text, int pixelSize, int style) const;

    QImage loadPicture(std::string_view dataPath);
    bool loadIntoBuffer(PelkitBufferHandle& buffer, const QImage& picture);
    Sprite spriteFrom(const QImage& picture, uint32_t transparentColour) const;

    std::shared_ptr<PelkitLibrary> library_;
    fs::path programFolder_;
    std::vector<std::string> problems_;
    StatusLayout layout_;
    StageList stages_;
    int loadedStage_ = -1;

    PelkitBufferHandle stage_, work_, spare_;
    PelkitBufferHandle effects_, effectMasks_;  // image02.bmp and the outline it darkens
    PelkitBufferHandle rowStrip_;               // image02Mask.bmp
    PelkitBufferHandle bubbleShadow_[2];        // image04Mask.bmp, and mirrored for side 1
    Sprite bubbles_[2];                         // image04.bmp, and mirrored
    Sprite icons_;                              // image03.bmp
    Sprite englishIcons_;                       // image03_en.bmp: the elements' marks in English
    Sprite conditions_;                         // condition.bmp (cells are copied, markers masked)
    Sprite emotionGauge_;                       // kanjo.bmp
    std::array<Sprite, 2> windows_;
    std::array<PelkitBufferHandle, 2> shading_;
    std::array<MonsterSlot, 2> monster_;

    QImage screen_;
    PelkitSurface screenSurface_{};
    int pixelScale_ = 1;
    QImage enlarged_;  // screen_ enlarged by pixelScale_, its texts written on it
    mutable QHash<TextKey, TextPicture> texts_;
};

}  // namespace vex::ui

#pragma once
// A line or block of text drawn with a font into a render target of its own, white on
// transparent, aligned within the sprite's width and height, and shown as the one sprite of a
// single-sprite shader effect, so it has the sprite's colour, transparency and time line. The
// text is drawn again each time the object is rendered.
#include <d3dx9core.h>

#include <string>

#include "document/FontMediaParam.h"
#include "document/GuidKey.h"
#include "document/MediaParamT.h"
#include "objects/QV_StatBaseFXCtrl.h"

class RenderTargetPair;

class QV_StaticTextConstructor : public QV_StatBaseFXCtrl {
public:
    static constexpr uint32_t kRecordVersion = 2;
    // Font heights beyond this either way are cut where the record is read.
    static constexpr int32_t kMaxFontHeight = 1024;
    // A font's cells are at most this many times the target's height: a taller cell shows
    // less than half of each glyph, and the font keeps a texture of the cell's size, rounded
    // up to a power of two, for every character it draws.
    static constexpr int32_t kMaxFontToTarget = 2;

    // The target and the font as the screen needs them: a text of more pixels than the
    // screen has is drawn into a target of at most the screen's pixels, its sides and its
    // font scaled alike (the sprite still spans the text's width and height); the font then
    // within kMaxFontToTarget of the target's height.
    struct Drawn {
        uint32_t width = 0, height = 0;
        int32_t fontHeight = 0;
    };
    static Drawn DrawnFor(uint32_t width, uint32_t height, int32_t fontHeight, uint32_t screenWidth,
                          uint32_t screenHeight);

    // A fresh key, so every text read from a document has a target and a font of its own.
    QV_StaticTextConstructor();
    // The same key: a clone draws into its prototype's target with its font.
    QV_StaticTextConstructor(const QV_StaticTextConstructor&) = default;

    void Save(QV_IOF_Virtual& archive) override;
    // The one sprite at the position, the width and height its size.
    void UpdateParticle(SpriteParticle& sprite) override;
    QV_StaticTextConstructor* Clone() const override;
    // The effect, the target at the size drawn, a new font at the height drawn (for the
    // current device's back buffer), the format.
    void Prepare() override;
    // The text drawn into the target, which the effect then shows; false without effect or
    // target, or without a width and height.
    bool BeforeDraw(QV_2D_Light& layer) override;

    // After tag and version: alignments, text, font, before version 2 four timings in
    // milliseconds, then the static base's section; the timings then become the time line's.
    void Load(QV_IOF_Virtual& archive, uint32_t version);
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);

    // DrawTextW's format: horizontal 0 left, 1 centre, 2 right; vertical 0 top, 1 centre,
    // 2 bottom; any other value counts as left or top.
    static UINT FormatOf(int horizontal, int vertical);

    MediaParamT<int> verticalAlignment;
    MediaParamT<int> horizontalAlignment;
    MediaParamT<std::wstring> text;
    FontMediaParam font;
    ComHolder<ID3DXFont> fontObject;
    RenderTargetPair* target = nullptr;  // the manager's
    UINT format = 0;
    GuidKey key;
    Drawn drawn;  // as Prepare made the target and the font

private:
    // Fade-in, fade-out, visible and hidden in milliseconds; visible 0 means always visible.
    void MoveLegacyTimings(const uint32_t timings[4]);
};

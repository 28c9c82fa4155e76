#pragma once
// The description every sprite system shares: how many sprites, their size, colour, pulse and
// picture, and the per-sprite operations the emitters override. The runtime object calls
// back into it for every sprite; the render surface asks it how many sprites to draw.
#include <d3d9.h>

#include <cstdint>
#include <vector>

#include "document/EmbeddedFile.h"
#include "document/MediaColor.h"
#include "document/MediaParamT.h"
#include "document/MediaSpeedParam.h"
#include "document/PictureHeader.h"
#include "document/QV_ImageFileLink.h"
#include "document/QV_ViewObjCtrl.h"
#include "document/TextureEntry.h"
#include "document/UINTSclaleTo.h"

class FieldArchive;
struct SpriteParticle;

class QV_BaseSpriteProp : public QV_ViewObjCtrl {
public:
    static constexpr uint32_t kRecordVersion = 7;
    // Four vertices a sprite must stay within 16-bit indices: counts above are cut to this.
    static constexpr unsigned int kMaxCount = 16384;
    // A sprite's size times its scale is its longer side: both are kept so that it stays
    // within the longest extent that can show (a size of 0 takes scales up to that extent).
    static constexpr unsigned int kMaxSize = unsigned(kMaxShownExtent);
    static constexpr float kDefaultScale = 1.0f;
    static constexpr float kSpeedScale = 0.01f;
    static constexpr unsigned int kDefaultSpeed = 100;  // speed 1.0

    QV_BaseSpriteProp();
    // Every field, the speed's clock included.
    QV_BaseSpriteProp(const QV_BaseSpriteProp& other) = default;

    void Save(QV_IOF_Virtual& archive) override;
    void GetTextureFrameInfo(TextureFrameInfo& info) override;

    // Places a new or re-spawned sprite.
    virtual void InitParticle(SpriteParticle& sprite);
    // Moves one sprite by one frame.
    virtual void UpdateParticle(SpriteParticle& sprite);
    // The sheet frame after `frame`.
    virtual int NextFrame(int frame);
    // How many sprites the render surface draws, from the first of the list.
    virtual unsigned int GetCount();
    // The sprite colour with its alpha byte scaled by the time line's opacity.
    virtual D3DCOLOR ApplyTimeLineAlpha(D3DCOLOR colour);

    // The section: tag, version, then its fields. Versions above 7 read as 7.
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);

    // The image's frames on the current manager (a module frame set when the frame-set
    // source is 1); null without a manager.
    TextureSet* ImageSet() const;
    // Height / width of one frame of the image (1 for an image never decoded).
    float ImageAspect() const;
    // Whether a version-1 record left frames for the image that are not yet a link.
    bool HasLegacyImage() const { return image.GetPath().empty() && !legacyFrames.empty(); }

    MediaParamT<unsigned int> count{1};
    MediaParamT<unsigned int> size;
    UINTSclaleTo<unsigned char> transparency;  // percent; its result is the alpha byte
    MediaParamT<int> blendMode;                // 0 alpha blending, 1 additive
    MediaColor colour;                         // red in the low byte
    float pulseSpeed = 0.0f;
    float alphaMin = 0.0f;
    float alphaMax = 1.0f;
    float scaleMin = kDefaultScale;
    float scaleMax = kDefaultScale;
    QV_ImageFileLink image;
    QV_ImageFileLink secondImage;  // empty path: none
    // Read, copied and written with the record; nothing uses them.
    uint32_t inertWord = 1;
    float inertFloat = 0.0f;
    uint32_t frameCount = 1;  // sheet frames side by side; at least 1 once read
    float frameRate = 0.0f;   // sheet frames per unit of scaled time
    bool sheet = false;
    int32_t frameSetSource = 0;  // 1: the image names a module frame set
    MediaParamT<int> flipVertical;
    MediaParamT<int> flipHorizontal;
    MediaParamT<int> frameChangeOnly;
    // What a version-1 record carried inline, until LoadImages makes links of it.
    std::vector<float> legacyDurations;
    std::vector<EmbeddedFile> legacyFrames;
    EmbeddedFile legacySecondImage;
    MediaSpeedParam speed;  // its clock drives a multi-frame image

protected:
    // The base rule only when the time line's alpha follows its opacity (time mode 1).
    D3DCOLOR ApplyTimeLineAlphaInAlphaMode(D3DCOLOR colour);

private:
    // The size within kMaxSize and each scale within what keeps size × scale within the
    // extent; a scale that is not a number, or infinite, becomes the default.
    void BoundSizes();
    // Version 1 carries the frame records and the second picture inline, and the durations
    // after the sheet fields.
    void ReadLegacyFrames(QV_IOF_Virtual& archive);
    void ReadLegacyDurations(QV_IOF_Virtual& archive);
};

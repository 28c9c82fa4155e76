#include "objects/QV_StaticTextConstructor.h"

#include <algorithm>
#include <cmath>

#include "base/CurrentDevice.h"
#include "document/FieldArchive.h"
#include "document/QV_DocResManager.h"
#include "document/QV_IOF_Virtual.h"
#include "objects/SpriteParticle.h"
#include "player/PictureView.h"
#include "player/QV_2D_Light.h"
#include "base/RenderTargetPair.h"

QV_StaticTextConstructor::QV_StaticTextConstructor() : key(GuidKey::MakeFresh()) {
    colour.SetSilently(0x0000FF);
    TimeLine().TimeMode().SetSilently(QV_TimeLineControl::kAlphaByOpacity);
}

UINT QV_StaticTextConstructor::FormatOf(int horizontal, int vertical) {
    const UINT across = horizontal == 1 ? DT_CENTER : horizontal == 2 ? DT_RIGHT : DT_LEFT;
    const UINT down = vertical == 1 ? DT_VCENTER : vertical == 2 ? DT_BOTTOM : DT_TOP;
    return across | down;
}

void QV_StaticTextConstructor::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_StaticTextConstructor::Load(QV_IOF_Virtual& archive, uint32_t version) {
    Fields(FieldArchive::Reader(archive, version));
}

void QV_StaticTextConstructor::TaggedFields(FieldArchive outer) {
    Fields(outer.Section(L"QV_StaticTextConstructor", kRecordVersion));
}

void QV_StaticTextConstructor::Fields(FieldArchive ar) {
    ar.Param(verticalAlignment);
    ar.Param(horizontalAlignment);
    ar.Param(text);
    ar.Value(font.height);
    if (ar.Reading()) font.height = std::clamp(font.height, -kMaxFontHeight, kMaxFontHeight);
    ar.Value(font.weight);
    ar.Value(font.italic);
    ar.Value(font.face);
    uint32_t timings[4] = {};
    if (ar.Version() < 2)
        for (uint32_t& milliseconds : timings) ar.Value(milliseconds);
    QV_StatBaseFXCtrl::TaggedFields(ar);
    if (ar.Version() < 2) MoveLegacyTimings(timings);
}

void QV_StaticTextConstructor::MoveLegacyTimings(const uint32_t timings[4]) {
    const uint32_t fadeIn = timings[0], fadeOut = timings[1], visible = timings[2], hidden = timings[3];
    QV_TimeLineControl& line = TimeLine();
    if (visible == 0) {
        line.Mode().SetSilently(QV_TimeLineControl::kAlwaysVisible);
        return;
    }
    line.HiddenMin().SetSilently(hidden / 10);
    line.HiddenMax().SetSilently(hidden / 10);
    line.VisibleMin().SetSilently(visible / 10);
    line.VisibleMax().SetSilently(visible / 10);
    line.FadeIn().Assign(fadeIn / 10, nullptr);
    line.FadeOut().Assign(fadeOut / 10, nullptr);
}

void QV_StaticTextConstructor::UpdateParticle(SpriteParticle& sprite) {
    sprite.position = position.Value();
    sprite.halfWidth = float(width.Value()) * 0.5f;
    sprite.halfHeight = float(height.Value()) * 0.5f;
    sprite.UpdateColor(*this);
}

QV_StaticTextConstructor* QV_StaticTextConstructor::Clone() const { return new QV_StaticTextConstructor(*this); }

QV_StaticTextConstructor::Drawn QV_StaticTextConstructor::DrawnFor(uint32_t width, uint32_t height, int32_t fontHeight,
                                                                     uint32_t screenWidth, uint32_t screenHeight) {
    const double pixels = double(width) * double(height), screen = double(screenWidth) * double(screenHeight);
    const double scale = screen > 0 && pixels > screen ? std::sqrt(screen / pixels) : 1.0;
    // Rounded down, so the target never holds more pixels than the screen; a side stays one.
    auto side = [scale](uint32_t length) { return length == 0 ? 0u : std::max(1u, uint32_t(double(length) * scale)); };
    Drawn result{side(width), side(height), 0};
    const double tallest = double(kMaxFontToTarget) * double(result.height);
    result.fontHeight = int32_t(std::clamp(std::round(double(fontHeight) * scale), -tallest, tallest));
    return result;
}

void QV_StaticTextConstructor::Prepare() {
    QV_StatBaseFXCtrl::Prepare();
    format = FormatOf(horizontalAlignment.Value(), verticalAlignment.Value());
    if (!CurrentDocResManager) return;
    const D3DSURFACE_DESC screen = GetBackBufferDesc();
    drawn = DrawnFor(width.Value(), height.Value(), font.height, screen.Width, screen.Height);
    target = &CurrentDocResManager->GetGuidImage(key);
    target->Resize(drawn.width, drawn.height);
    FontMediaParam shown = font;
    shown.height = drawn.fontHeight;
    fontObject.Attach(CurrentDocResManager->GetFont(key, shown));
}

bool QV_StaticTextConstructor::BeforeDraw(QV_2D_Light& layer) {
    // A text of no width or height has nothing to show and no view to draw it in.
    if (!effect || !target || !target->Current() || width.Value() == 0 || height.Value() == 0) return false;
    ID3DXEffect& e = *effect.Get();
    // Not bound while it is drawn into.
    e.SetTechnique("Common");
    e.SetTexture("Texture1", nullptr);
    target->BeginRender(*target);
    layer.PushTarget(*target, PictureView::kTargetPass);
    CurrentDevice->Clear(0, nullptr, D3DCLEAR_TARGET, 0x00FFFFFF, 1.0f, 0);
    // Without a font the target stays clear: the sprite then shows nothing.
    RECT area = {0, 0, LONG(drawn.width), LONG(drawn.height)};
    if (fontObject) fontObject->DrawTextW(nullptr, text.Value().c_str(), -1, &area, format, 0xFFFFFFFF);
    target->EndRender();
    layer.PopTarget();
    e.SetTechnique("Common");
    e.SetTexture("Texture1", target->Current().Get());
    return true;
}

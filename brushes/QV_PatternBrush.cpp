#include "brushes/QV_PatternBrush.h"

#include "brushes/BrushAngles.h"
#include "document/BuiltinResources.h"
#include "document/FieldArchive.h"
#include "document/QV_DocResManager.h"
#include "player/QV_2D_Light.h"

QV_PatternBrush::QV_PatternBrush() {
    effectLink.SetSilently(builtin::Link(builtin::kPatternEffect));
    speed.SetScaled(50, 0.02f);
    patternScale.SetScaled(100, 0.01f);
    offsetX.SetScaled(0, -0.01f);
    offsetY.SetScaled(0, 0.01f);
    TimeLine().TimeMode().SetSilently(QV_TimeLineControl::kAlphaByOpacity);
    TimeLine().SetEditorValue(0, 1);
    TimeLine().SetEditorValue(1, 6);
    TimeLine().SetEditorValue(2, 0);
}

void QV_PatternBrush::Load(QV_IOF_Virtual& archive, uint32_t version) { Fields(FieldArchive::Reader(archive, version)); }

void QV_PatternBrush::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_PatternBrush::TaggedFields(FieldArchive outer) { Fields(outer.Section(L"QV_PatternBrush", kRecordVersion)); }

void QV_PatternBrush::Fields(FieldArchive ar) {
    imageLink.Fields(ar);
    ar.Param(flipV);
    ar.Param(flipH);
    ar.Param(angle);
    ar.Notified(patternScale);
    ar.Notified(offsetX);
    ar.Notified(offsetY);
    QV_FX_Constructor::TaggedFields(ar);
}

QV_FX_Constructor* QV_PatternBrush::Clone() const { return new QV_PatternBrush(*this); }

void QV_PatternBrush::OnCreate(ComHolder<IDirect3DTexture9>* maskHolder) {
    QV_FX_Constructor::OnCreate(maskHolder);
    LoadFrames();
}

void QV_PatternBrush::LoadFrames() {
    if (!CurrentDocResManager) return;
    const FileKey& link = imageLink.Value();
    frames = imageLink.GetExtension() == L".dll" ? CurrentDocResManager->LoadFrameSetFromModule(link)
                                                 : CurrentDocResManager->GetTextures(link);
    shownFrame.reset();
    GoToFrame(0);
}

void QV_PatternBrush::GoToFrame(unsigned int index) {
    frameIndex = index;
    if (index < frames.frames.size() && frames.frames[index]) shownFrame = index;
}

void QV_PatternBrush::Update(float time) {
    QV_FX_Constructor::Update(time);
    const float p = Phase();
    if (p - lastSwitch < 0.0f) lastSwitch = p;
    const std::vector<float>& durations = frames.durations;
    if (!durations.empty() && durations[frameIndex] < p - lastSwitch) {
        lastSwitch = p;
        GoToFrame((frameIndex + 1) % unsigned(durations.size()));
    }
}

IDirect3DTexture9* QV_PatternBrush::ShownPicture() const {
    return shownFrame && *shownFrame < frames.frames.size() ? frames.frames[*shownFrame].Get() : nullptr;
}

bool QV_PatternBrush::PatternShows() const {
    return ShownPicture() && frames.width > 0 && frames.height > 0 && patternScale.Result() > 0.0f;
}

void QV_PatternBrush::CoordTransform(float a, float b, int angleDegrees, float out[4]) {
    D3DXMATRIX scaling, rotation, m;
    D3DXMatrixScaling(&scaling, a, b, 1.0f);
    D3DXMatrixRotationZ(&rotation, BrushRadians(angleDegrees));
    D3DXMatrixMultiply(&m, &scaling, &rotation);
    out[0] = m._11;
    out[1] = m._12;
    out[2] = m._21;
    out[3] = m._22;
}

void QV_PatternBrush::SetPatternParams(QV_2D_Light& layer, ID3DXEffect& effect) {
    effect.SetTexture("Pattern", ShownPicture());
    const float s = patternScale.Result();
    const float pw = float(frames.width), ph = float(frames.height);
    float a = float(layer.GetPictureWidth()) / (pw * s);
    float b = float(layer.GetPictureHeight()) / (ph * s);
    const float scale[2] = {pw / ph, 1.0f};
    effect.SetFloatArray("scale", scale, 2);
    const float offset[2] = {offsetX.Result(), offsetY.Result()};
    effect.SetFloatArray("offset", offset, 2);
    if (flipH.Value() != 0) a = -a;
    if (flipV.Value() != 0) b = -b;
    float transform[4];
    CoordTransform(a, b, int(angle.Value()), transform);
    effect.SetFloatArray("coord_transf", transform, 4);
}

void QV_PatternBrush::RenderEffect(QV_2D_Light& layer, ID3DXEffect& effect) {
    const bool shows = PatternShows();
    const QV_TimeLineControl& timeLine = TimeLine();
    const float alpha = timeLine.TimeMode().Value() == QV_TimeLineControl::kAlphaByOpacity ? Opacity() : 1.0f;
    const float mix[4] = {1.0f, 1.0f, 1.0f, shows ? alpha : 0.0f};
    effect.SetFloatArray("mix_color", mix, 4);
    if (shows) {
        SetPatternParams(layer, effect);
    } else {
        if (!IsPostEffect()) return;
        // Finite values that place no pattern anywhere.
        const float one[2] = {1.0f, 1.0f}, none[4] = {};
        effect.SetTexture("Pattern", nullptr);
        effect.SetFloatArray("scale", one, 2);
        effect.SetFloatArray("offset", none, 2);
        effect.SetFloatArray("coord_transf", none, 4);
    }
    ApplyCommonParams(layer);
}

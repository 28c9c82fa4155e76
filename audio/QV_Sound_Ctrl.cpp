#include "audio/QV_Sound_Ctrl.h"

#include <string>

#include "audio/QV_Sound.h"
#include "document/BuiltinResources.h"
#include "document/FieldArchive.h"
#include "document/QV_IOF_Virtual.h"
#include "document/QV_ImageFileLink.h"

namespace {

// The old records held the hidden range in seconds; the time line counts hundredths.
constexpr uint32_t kHundredthsPerSecond = 100;

}  // namespace

void QV_Sound_Ctrl::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_Sound_Ctrl::TaggedFields(FieldArchive outer) { Fields(outer.Section(L"QV_Sound_Ctrl", kSectionVersion)); }

void QV_Sound_Ctrl::Fields(FieldArchive ar) {
    ar.Param(volume_);
    ar.Param(balance_);
    if (ar.Version() < 3) ReadOldTimeLine(ar.Archive());
    QV_ABObj_Constructor::TaggedFields(ar);
}

// Before version 3 the section held the time line's mode and its hidden range in seconds.
void QV_Sound_Ctrl::ReadOldTimeLine(QV_IOF_Virtual& archive) {
    long mode = 0;
    uint32_t hiddenMin = 0, hiddenMax = 0;
    archive.ReadLong(mode);
    archive.ReadUInt(hiddenMin);
    archive.ReadUInt(hiddenMax);
    if (archive.Failed()) return;
    QV_TimeLineControl& timeLine = TimeLine();
    timeLine.Mode().SetSilently(int(mode));
    timeLine.HiddenMin().SetSilently(hiddenMin * kHundredthsPerSecond);
    timeLine.HiddenMax().SetSilently(hiddenMax * kHundredthsPerSecond);
}

void QV_Sound_Ctrl::GetTextureFrameInfo(TextureFrameInfo& info) {
    // One icon link for the process, made at the first question.
    static QV_ImageFileLink icon(builtin::Link(builtin::kSoundIcon));
    info = TextureFrameInfo{};
    info.imageLink = &icon;
}

QV_ABObj* QV_Sound_Ctrl::CreateObject() { return new QV_Sound(Clone()); }

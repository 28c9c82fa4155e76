#include "audio/QV_Sound_Ctrl.h"

#include <string>

#include "audio/QV_Sound.h"
#include "document/BuiltinResources.h"
#include "document/ParamArchive.h"
#include "document/QV_IOF_Virtual.h"
#include "document/QV_ImageFileLink.h"

namespace {

// The old records held the hidden range in seconds; the time line counts hundredths.
constexpr uint32_t kHundredthsPerSecond = 100;

}  // namespace

void QV_Sound_Ctrl::Save(QV_IOF_Virtual& archive) {
    std::wstring tag = L"QV_Sound_Ctrl";
    int32_t version = int32_t(kSectionVersion);
    archive.WriteString(tag);
    archive.WriteInt(version);
    WriteUIntParam(archive, volume_);
    WriteUIntParam(archive, balance_);
    QV_ABObj_Constructor::Save(archive);
}

void QV_Sound_Ctrl::GetTextureFrameInfo(TextureFrameInfo& info) {
    // One icon link for the process, made at the first question.
    static QV_ImageFileLink icon(builtin::Link(builtin::kSoundIcon));
    info = TextureFrameInfo{};
    info.imageLink = &icon;
}

QV_ABObj* QV_Sound_Ctrl::CreateObject() { return new QV_Sound(Clone()); }

void QV_Sound_Ctrl::LoadWithTag(QV_IOF_Virtual& archive) {
    std::wstring tag;
    archive.ReadString(tag);
    const uint32_t version = archive.ReadVersion();
    ReadUIntParam(archive, volume_);
    ReadUIntParam(archive, balance_);
    if (version < 3) {
        long mode = 0;
        uint32_t hiddenMin = 0, hiddenMax = 0;
        archive.ReadLong(mode);
        archive.ReadUInt(hiddenMin);
        archive.ReadUInt(hiddenMax);
        if (!archive.Failed()) {
            QV_TimeLineControl& timeLine = TimeLine();
            timeLine.Mode().SetSilently(int(mode));
            timeLine.HiddenMin().SetSilently(hiddenMin * kHundredthsPerSecond);
            timeLine.HiddenMax().SetSilently(hiddenMax * kHundredthsPerSecond);
        }
    }
    QV_ABObj_Constructor::LoadWithTag(archive);
}

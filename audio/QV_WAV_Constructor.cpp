#include "audio/QV_WAV_Constructor.h"

#include <string>

#include "audio/DocumentWaveSamples.h"
#include "audio/SoundDevice.h"
#include "document/QV_DocResManager.h"
#include "document/FieldArchive.h"

void QV_WAV_Constructor::Load(QV_IOF_Virtual& archive, uint32_t version) {
    Fields(FieldArchive::Reader(archive, version));
}

void QV_WAV_Constructor::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_WAV_Constructor::TaggedFields(FieldArchive outer) {
    Fields(outer.Section(L"QV_WAV_Constructor", kRecordVersion));
}

void QV_WAV_Constructor::Fields(FieldArchive ar) {
    link_.Fields(ar);
    QV_Sound_Ctrl::TaggedFields(ar);
}

HRESULT QV_WAV_Constructor::CreateBuffer() {
    const SoundDevice& device = SoundDevice::Shared();
    if (!CurrentDocResManager) return HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);
    WaveSamples& samples = DocumentWaveSamples::Of(*CurrentDocResManager, link_.Value());
    HRESULT hr = samples.Load(device, CurrentDocResManager->GetEmbeddedFile(link_.Value()));
    if (FAILED(hr)) return hr;

    // One play of the sound is the whole visible phase.
    QV_TimeLineControl& timeLine = TimeLine();
    const unsigned int length = unsigned(samples.LengthInHundredths());
    timeLine.VisibleMin().SetSilently(length);
    timeLine.VisibleMax().SetSilently(length);
    timeLine.FadeOut().Assign(0, nullptr);
    timeLine.FadeIn().Assign(timeLine.FadeOut().Value(), nullptr);

    hr = buffer_.Duplicate(device, samples.Buffer());
    if (FAILED(hr)) return hr;
    buffer_.SetVolumeAndPan(Volume().Value(), Balance().Value());
    return S_OK;
}

void QV_WAV_Constructor::Stop() { buffer_.Stop(); }

void QV_WAV_Constructor::Update() {
    const QV_TimeLineControl& timeLine = TimeLine();
    buffer_.UpdatePlayback(timeLine.GetState(), timeLine.Mode().Value() == QV_TimeLineControl::kAlwaysVisible);
}

QV_Sound_Ctrl* QV_WAV_Constructor::Clone() const { return new QV_WAV_Constructor(*this); }

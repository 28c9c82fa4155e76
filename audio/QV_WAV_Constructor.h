#pragma once
// A WAVE sound embedded in the document: the link to its bytes and the secondary buffer
// that plays them, shared by the description and its clones.
#include "audio/QV_Sound_Ctrl.h"
#include "audio/SoundBuffer.h"
#include "document/QV_FileLink3.h"

class QV_WAV_Constructor : public QV_Sound_Ctrl {
public:
    static constexpr uint32_t kRecordVersion = 1;

    QV_WAV_Constructor() = default;
    // Parameters, time line and link; the buffer is shared.
    QV_WAV_Constructor(const QV_WAV_Constructor&) = default;

    void Save(QV_IOF_Virtual& archive) override;
    // A buffer of the shared sound device over the link's samples in CurrentDocResManager,
    // which all sounds of that link share; the time line's visible phase becomes one play of
    // the sound, without fades.
    HRESULT CreateBuffer() override;
    void Stop() override;
    void Update() override;
    QV_Sound_Ctrl* Clone() const override;

    // The fields after the tag and version the dispatcher read: the link, then the
    // sound description's section.
    void Load(QV_IOF_Virtual& archive, uint32_t version);
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);

    QV_FileLink3& Link() { return link_; }
    const SoundBuffer& Buffer() const { return buffer_; }

private:
    QV_FileLink3 link_;
    SoundBuffer buffer_;
};

#pragma once
// The description of a sound object: its volume and balance on top of the description base.
// The kinds of sound make their buffer, drive and stop it, and clone themselves.
#include <windows.h>

#include "document/MediaParamT.h"
#include "document/QV_ABObj_Constructor.h"

class QV_Sound_Ctrl : public QV_ABObj_Constructor {
public:
    static constexpr uint32_t kSectionVersion = 3;
    static constexpr unsigned int kDefaultVolume = 100;  // 0 to 100
    static constexpr unsigned int kDefaultBalance = 50;  // 0 left, 100 right

    QV_Sound_Ctrl() = default;
    QV_Sound_Ctrl(const QV_Sound_Ctrl&) = default;

    void Save(QV_IOF_Virtual& archive) override;
    void GetTextureFrameInfo(TextureFrameInfo& info) override;
    // A runtime sound owning a clone of this description; the clone makes its buffer.
    QV_ABObj* CreateObject() override;

    // The sound's playback: made when its runtime sound is constructed, silent without it.
    virtual HRESULT CreateBuffer() = 0;
    virtual void Stop() = 0;
    // Once per frame while the runtime sound is active, following the time line's state.
    virtual void Update() = 0;
    virtual QV_Sound_Ctrl* Clone() const = 0;

    // The section: tag, version, volume, balance, before version 3 the old time-line
    // fields, then the description base section.
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);

    MediaParamT<unsigned int>& Volume() { return volume_; }
    const MediaParamT<unsigned int>& Volume() const { return volume_; }
    MediaParamT<unsigned int>& Balance() { return balance_; }
    const MediaParamT<unsigned int>& Balance() const { return balance_; }

private:
    void ReadOldTimeLine(QV_IOF_Virtual& archive);

    MediaParamT<unsigned int> volume_{kDefaultVolume};
    MediaParamT<unsigned int> balance_{kDefaultBalance};
};

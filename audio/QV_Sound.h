#pragma once
// The runtime sound of a slide: never drawn; while active it plays by its description's
// time line, and it stops when its slide deactivates it.
#include "document/QV_ABObj.h"

class QV_Sound_Ctrl;

class QV_Sound : public QV_ABObj {
public:
    // Takes ownership of the clone and makes its buffer.
    explicit QV_Sound(QV_Sound_Ctrl* description);

    void Render(QV_2D_Light& layer) override;
    void Hook(void* first, void* second) override;
    void OnScreenChanged() override;
    // Inactive stops the sound; the flag is what Update looks at.
    void SetEnabled(unsigned char active) override;
    bool NeedsBackground() override;
    int GetKind() override;
    bool HitTest(POINT point) override;
    void Update(float localTime) override;

    QV_Sound_Ctrl& Sound() { return *sound_; }

private:
    QV_Sound_Ctrl* sound_;  // the description the base owns
};

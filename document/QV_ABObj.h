#pragma once
// Base of the runtime objects: owns the clone of its description and is driven by the slide
// through the description's time line and drawn by the background layer.
#include <windows.h>

class QV_2D_Light;
class QV_ABObj_Constructor;

class QV_ABObj {
public:
    enum Kind { kSound = 1, kSceneObject = 3, kBrush = 4 };

    QV_ABObj(const QV_ABObj&) = delete;
    QV_ABObj& operator=(const QV_ABObj&) = delete;
    virtual ~QV_ABObj();

    // Draws through the layer's operations; the layer calls it only while enabled.
    virtual void Render(QV_2D_Light& layer) = 0;
    virtual void Hook(void* first, void* second) = 0;
    // Re-derives sizes after a change of screen or picture size.
    virtual void OnScreenChanged() = 0;
    virtual void SetEnabled(unsigned char enabled);
    // Whether the object draws over a copy of the scene behind it.
    virtual bool NeedsBackground();
    virtual int GetKind();
    virtual bool HitTest(POINT point);
    virtual int NotifyDescription();
    // Advances to the given local time (seconds).
    virtual void Update(float localTime) = 0;

    // Feeds the slide time t (seconds) through the description's time line into Update.
    void UpdateByTimeLine(float t);

    unsigned char Enabled() const { return enabled_; }
    QV_ABObj_Constructor& Description() { return *description_; }

protected:
    // Takes ownership of the description clone.
    explicit QV_ABObj(QV_ABObj_Constructor* description) : description_(description) {}

private:
    QV_ABObj_Constructor* description_;
    unsigned char enabled_ = 1;
};

#pragma once
// Base of the descriptions that have a place on the picture: a rectangle kept both in pixels
// and in fractions of the picture, and a clock scaled by a time-scale setting.
#include <d3dx9math.h>

#include "document/FreshOnCopy.h"
#include "document/MediaRectangle.h"
#include "document/PixelSides.h"
#include "document/ParamObserverList.h"
#include "document/QV_ABObj_Constructor.h"

struct ScreenQuad;

class QV_ViewObjCtrl : public QV_ABObj_Constructor {
public:
    static constexpr uint32_t kSectionVersion = 2;
    static constexpr unsigned int kRealTimeScale = 50;
    static constexpr float kMaxScaledStep = 0.2f;
    static constexpr float kMaxShortStep = 0.1f;

    struct RelativeRect {
        float left = 0.0f;
        float right = 1.0f;
        float top = 0.0f;
        float bottom = 1.0f;
    };

    QV_ViewObjCtrl();
    // The copy's pixel sides come from its relative sides and the picture size of now; its
    // clock starts at 0.
    QV_ViewObjCtrl(const QV_ViewObjCtrl& other) = default;

    void Save(QV_IOF_Virtual& archive) override;
    // The rectangle as a screen quad: corners (L, B), (L, T), (R, B), (R, T).
    virtual void GetScreenQuad(ScreenQuad& quad);
    virtual bool HitTest(float x, float y);

    // The section: tag, version, then its fields at that version.
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);

    // Derives the pixel sides from the relative ones, snapping those to whole pixels.
    void SyncPixelRect();
    void OnLeftChanged(int pixel);
    void OnRightChanged(int pixel);
    void OnTopChanged(int pixel);
    void OnBottomChanged(int pixel);

    // The relative sides in pixels of the current picture, not truncated.
    float GetLeftPx() const;
    float GetRightPx() const;
    float GetTopPx() const;
    float GetBottomPx() const;
    // The same four with one look at the picture size.
    PixelSides GetPixelSides() const;

    // A point of the rectangle from two shared draws (x first); z 0.
    D3DXVECTOR3 RandomPointInRect() const;
    // A point that keeps an object of half size (halfWidth, halfHeight) inside the rectangle.
    D3DXVECTOR3 RandomPointInRectInset(float halfWidth, float halfHeight) const;
    // Advances the scaled clock to t (seconds).
    void StepTime(float t);

    MediaRectangle& Rectangle() { return rectangle_; }
    MediaParamT<unsigned int>& TimeScale() { return timeScale_; }
    const RelativeRect& Relative() const { return relative_; }
    void SetRelative(const RelativeRect& relative) { relative_ = relative; }
    unsigned char Flag() const { return flag_; }
    float ScaledStep() const { return clock_.scaledStep; }
    float ScaledTime() const { return clock_.scaledTime; }
    float ShortStep() const { return clock_.shortStep; }
    float LastTime() const { return clock_.lastTime; }

private:
    struct Clock {
        float scaledStep = 0.0f;
        float scaledTime = 0.0f;
        float shortStep = 0.0f;
        float lastTime = 0.0f;
    };

    void BindRectangle();

    // In pixels of the picture: made from the relative sides.
    FreshOnCopy<MediaRectangle> rectangle_;
    MediaParamT<unsigned int> timeScale_{kRealTimeScale};
    unsigned char flag_ = 0;
    RelativeRect relative_;
    FreshOnCopy<Clock> clock_;
    ParamObserverList<QV_ViewObjCtrl> observers_{&QV_ViewObjCtrl::BindRectangle};
};

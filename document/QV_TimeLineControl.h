#pragma once
// When a scene object is seen and how its clock runs: always (mode 0), in a random cycle of
// hidden, fading in, visible and fading out (mode 1), or in explicit windows (mode 2).
#include <memory>

#include "document/AnimationStateCycle.h"
#include "document/FreshOnCopy.h"
#include "document/MediaParamT.h"
#include "document/QV_IOF_Item.h"
#include "document/TimeParam.h"
#include "document/TimeWindow.h"

class FieldArchive;

class QV_TimeLineControl : public QV_IOF_Item {
public:
    enum ModeValue { kAlwaysVisible = 0, kRandomCycle = 1, kTimeWindows = 2 };
    enum TimeModeValue { kPlain = 0, kAlphaByOpacity = 1, kRunAtOpacity = 2 };
    static constexpr unsigned int kDefaultRange = 100;  // hundredths of a second
    static constexpr unsigned int kDefaultFade = 50;
    // Windows that start this long after the window time are not looked at.
    static constexpr float kWindowLookahead = 3.0f;
    static constexpr int kEditorValues = 3;

    QV_TimeLineControl() = default;
    // Settings and windows; the copy's window time is 0 and its cycle starts hidden.
    QV_TimeLineControl(const QV_TimeLineControl& other) = default;
    QV_TimeLineControl& operator=(const QV_TimeLineControl&) = delete;

    void Save(QV_IOF_Virtual& archive) override;
    // The section: tag, version (not looked at) and fields, stored without notification.
    void TaggedFields(FieldArchive outer);

    // The object's opacity now (0 to 1, unclamped during a fade).
    float GetOpacity() const;
    // 0 visible, 1 hidden, 2 fading in, 3 fading out.
    int GetState() const;

    // Random durations of the cycle's states in seconds, one shared draw each.
    float DrawHiddenDuration() const;
    float DrawVisibleDuration() const;

    // Keeps the windows ordered; a window that overlaps or touches a kept one is dropped, and
    // so is one that ends before it starts (it is never seen).
    bool AddWindow(const TimeWindow& window);
    const TimeWindowSet& Windows() const { return windows_; }

    MediaParamT<int>& Mode() { return mode_; }
    const MediaParamT<int>& Mode() const { return mode_; }
    MediaParamT<int>& TimeMode() { return timeMode_; }
    const MediaParamT<int>& TimeMode() const { return timeMode_; }
    MediaParamT<unsigned int>& HiddenMin() { return hiddenMin_; }
    MediaParamT<unsigned int>& HiddenMax() { return hiddenMax_; }
    MediaParamT<unsigned int>& VisibleMin() { return visibleMin_; }
    MediaParamT<unsigned int>& VisibleMax() { return visibleMax_; }
    TimeParam& FadeIn() { return fadeIn_; }
    const TimeParam& FadeIn() const { return fadeIn_; }
    TimeParam& FadeOut() { return fadeOut_; }
    const TimeParam& FadeOut() const { return fadeOut_; }
    float WindowTime() const { return running_.windowTime; }
    AnimationStateCycle& Cycle() { return *running_.cycle; }
    const AnimationStateCycle& Cycle() const { return *running_.cycle; }
    // Values the description constructors set for the editor; nothing reads them.
    int EditorValue(int i) const { return editorValues_[i]; }
    void SetEditorValue(int i, int value) { editorValues_[i] = value; }

private:
    // The window in view at the window time, or null.
    const TimeWindow* FindWindow() const;

    MediaParamT<int> mode_;
    MediaParamT<int> timeMode_;
    MediaParamT<unsigned int> hiddenMin_{kDefaultRange};
    MediaParamT<unsigned int> hiddenMax_{kDefaultRange};
    MediaParamT<unsigned int> visibleMin_{kDefaultRange};
    MediaParamT<unsigned int> visibleMax_{kDefaultRange};
    TimeParam fadeIn_{kDefaultFade};
    TimeParam fadeOut_{kDefaultFade};
    TimeWindowSet windows_;
    // What a copy starts anew.
    struct Running {
        float windowTime = 0.0f;
        std::unique_ptr<AnimationStateCycle> cycle = std::make_unique<AnimationStateCycle>();
    };
    FreshOnCopy<Running> running_;
    int editorValues_[kEditorValues] = {};
};

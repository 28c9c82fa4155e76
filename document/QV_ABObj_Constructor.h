#pragma once
// Base of every scene description: a name and a time line, and the operation that makes the
// runtime object.
#include <memory>
#include <string>

#include "document/QV_IOF_Item.h"
#include "document/QV_TimeLineControl.h"

class QV_ABObj;
class QV_ImageFileLink;

// The picture that stands for a description (sprites give their image and frame layout).
struct TextureFrameInfo {
    QV_ImageFileLink* imageLink = nullptr;
    int frameLayout = 0;
    int firstFrame = 0;
    float frameFraction = 1.0f;
};

class QV_ABObj_Constructor : public QV_IOF_Item {
public:
    static constexpr uint32_t kSectionVersion = 2;

    QV_ABObj_Constructor();
    QV_ABObj_Constructor(const QV_ABObj_Constructor& other);
    QV_ABObj_Constructor& operator=(const QV_ABObj_Constructor&) = delete;
    ~QV_ABObj_Constructor() override;

    void Save(QV_IOF_Virtual& archive) override;
    virtual void GetTextureFrameInfo(TextureFrameInfo& info);
    // Makes the runtime object, which owns a clone of this description.
    virtual QV_ABObj* CreateObject() = 0;
    virtual void NewIdentity();
    virtual void ResetTimeLine();
    virtual void HookA(void* argument);
    virtual void HookB(void* argument);
    virtual int QueryA(void* argument);
    virtual int QueryRuntimeObject(QV_ABObj* object);

    // The section: tag, version, name, and from version 2 on the time line.
    void TaggedFields(FieldArchive outer);

    unsigned char Enabled() const { return enabled_; }
    const std::wstring& Name() const { return name_; }
    QV_TimeLineControl& TimeLine() { return *timeLine_; }
    const QV_TimeLineControl& TimeLine() const { return *timeLine_; }

protected:
    void SetEnabled(unsigned char enabled) { enabled_ = enabled; }
    // What an assignment takes of another description: the enabled byte, the name and a copy
    // of its time line of its own, so that deleting the source leaves this one intact.
    void AssignDescription(const QV_ABObj_Constructor& other);

private:
    unsigned char enabled_ = 1;
    std::wstring name_;
    std::unique_ptr<QV_TimeLineControl> timeLine_;
};

#pragma once
// Base of everything the scene document stores.
class QV_IOF_Virtual;

class QV_IOF_Item {
public:
    virtual ~QV_IOF_Item() = default;
    // The editor's write; the reading archive ignores every value, so it has no effect here.
    virtual void Save(QV_IOF_Virtual& archive) = 0;
};

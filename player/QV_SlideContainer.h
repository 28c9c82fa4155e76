#pragma once
// One slide of the show: its background layer, descriptions and sounds.
#include "document/QV_IOF_Item.h"

class QV_SlideContainer : public QV_IOF_Item {
public:
    ~QV_SlideContainer() override = default;
    void Save(QV_IOF_Virtual&) override {}
};

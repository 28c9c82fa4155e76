#include "objects/QV_ClockConstructor.h"

#include "document/BuiltinResources.h"
#include "document/FieldArchive.h"
#include "objects/AC_ClockArrow.h"
#include "objects/AC_Static.h"
#include "objects/Rotations.h"
#include "document/PictureLayout.h"
#include "document/ScreenQuad.h"
#include "player/PictureMapping.h"

namespace {
constexpr unsigned int kDefaultSize = 400;

// A hand is the disc squeezed to a narrow blade and moved out along its length.
D3DXMATRIX HandLocal(float width, float length, float offset) {
    return Scaling(width, 1.0f, length) * Translation(0.0f, 0.0f, offset);
}
}  // namespace

QV_ClockConstructor::QV_ClockConstructor() : handImageLink_(builtin::Link(builtin::kClockHands)) {
    MeshLink().SetSilently(builtin::Link(builtin::kClockDisc));
    ImageLink().SetSilently(builtin::Link(builtin::kClockDial));
    Size().SetSilently(kDefaultSize);
    const PictureLayout& layout = CurrentPictureLayout();
    rectangle_.further1.SetSilently(layout.pictureWidth / 2);
    rectangle_.further2.SetSilently(layout.pictureHeight / 2);
    HookDialImage();
}

void QV_ClockConstructor::HookDialImage() {
    hooks_.SetTarget(this);
    HookParamChange(hooks_, &QV_ClockConstructor::OnDialImageChanged, ImageLink());
}

void QV_ClockConstructor::OnDialImageChanged() {
    std::vector<MeshBatch>* batches = runtime_.batches;
    if (batches && !batches->empty()) LoadMeshBatch(ImageLink(), batches->front(), MeshLink());
}

void QV_ClockConstructor::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_ClockConstructor::Load(QV_IOF_Virtual& archive, uint32_t version) {
    Fields(FieldArchive::Reader(archive, version));
}

void QV_ClockConstructor::TaggedFields(FieldArchive outer) {
    Fields(outer.Section(L"QV_ClockConstructor", kRecordVersion));
}

void QV_ClockConstructor::Fields(FieldArchive ar) {
    rectangle_.Fields(ar);
    handImageLink_.Fields(ar);
    QV_3D_Obj_Ctrl::TaggedFields(ar);
}

void QV_ClockConstructor::GetScreenQuad(ScreenQuad& quad) {
    const float left = float(rectangle_.left.Value()), top = float(rectangle_.top.Value());
    quad = ScreenQuad::FromRect(left, top, float(rectangle_.right.Value()) - left,
                                float(rectangle_.bottom.Value()) - top);
}

bool QV_ClockConstructor::HitTest(float x, float y) { return ContainsWindowPoint(rectangle_, x, y); }

void QV_ClockConstructor::SetupMeshes(std::vector<MeshBatch>& batches) {
    batches.assign(2, MeshBatch());
    LoadMeshBatch(ImageLink(), batches[0], MeshLink());
    LoadMeshBatch(handImageLink_, batches[1], MeshLink());
    for (MeshBatch& batch : batches) batch.SetTransparent(true);
    runtime_.batches = &batches;
}

void QV_ClockConstructor::RebuildDrawLists(const std::vector<OwnedFrameTree>& instances,
                                           std::vector<MeshBatch>& batches) {
    DrawRootsAndChildren(instances, batches);
}

QV_Frame* QV_ClockConstructor::CreateInstance() {
    OwnedFrameTree dial(new QV_Frame);
    dial->local = Scaling(0.01f, 0.01f, 0.01f) * RotationX(90.0f);
    dial->animation = std::make_shared<AC_Static>(*this);
    auto* hour = new QV_Frame;
    hour->local = HandLocal(0.01f, 0.3f, 10.0f);
    hour->animation = std::make_shared<AC_ClockArrow>(AC_ClockArrow::kHourHand);
    dial->children.push_back(hour);
    auto* minute = new QV_Frame;
    minute->local = HandLocal(0.01f, 0.38f, 13.0f);
    minute->animation = std::make_shared<AC_ClockArrow>(AC_ClockArrow::kMinuteHand);
    dial->children.push_back(minute);
    return dial.release();
}

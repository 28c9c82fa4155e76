#include "audio/QV_Sound.h"

#include "audio/QV_Sound_Ctrl.h"

QV_Sound::QV_Sound(QV_Sound_Ctrl* description) : QV_ABObj(description), sound_(description) {
    // Without a buffer the sound stays silent; nothing is reported.
    sound_->CreateBuffer();
}

void QV_Sound::Render(QV_2D_Light&) {}

void QV_Sound::Hook(void*, void*) {}

void QV_Sound::OnScreenChanged() {}

void QV_Sound::SetEnabled(unsigned char active) {
    if (!active) sound_->Stop();
    QV_ABObj::SetEnabled(active);
}

bool QV_Sound::NeedsBackground() { return false; }

int QV_Sound::GetKind() { return kSound; }

bool QV_Sound::HitTest(POINT) { return false; }

void QV_Sound::Update(float) {
    if (Enabled()) sound_->Update();
}

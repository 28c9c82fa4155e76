#include "brushes/QV_BrushObj.h"

#include "brushes/QV_FX_Constructor.h"
#include "document/QV_DocResManager.h"

QV_BrushObj::QV_BrushObj(QV_FX_Constructor* clone) : QV_ABObj(clone), brush_(clone) {
    ComHolder<IDirect3DTexture9>* mask =
        CurrentDocResManager ? &CurrentDocResManager->GetGuidTexture(clone->maskKey) : nullptr;
    brush_->OnCreate(mask);
}

void QV_BrushObj::Render(QV_2D_Light& layer) { brush_->Render(layer); }

void QV_BrushObj::Hook(void* first, void*) { brush_->BrushHook(first); }

bool QV_BrushObj::NeedsBackground() { return brush_->IsPostEffect() && Enabled() && brush_->HasEffect(); }

void QV_BrushObj::Update(float localTime) { brush_->Update(localTime); }

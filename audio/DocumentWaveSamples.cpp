#include "audio/DocumentWaveSamples.h"

#include <memory>

#include "document/QV_DocResManager.h"

WaveSamples& DocumentWaveSamples::Of(QV_DocResManager& manager, const FileKey& link) {
    std::unique_ptr<DocumentAttachment>& attachment = manager.SoundSamples();
    if (!attachment) attachment = std::make_unique<DocumentWaveSamples>();
    return static_cast<DocumentWaveSamples&>(*attachment).samples_[link];
}

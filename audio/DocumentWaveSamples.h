#pragma once
// The samples of a document's WAVE links, kept with the document's manager so that every
// sound object linking a file shares them and they end with the document.
#include <map>

#include "audio/WaveSamples.h"
#include "document/DocumentAttachment.h"
#include "document/FileKey.h"

class QV_DocResManager;

class DocumentWaveSamples : public DocumentAttachment {
public:
    // The samples of a WAVE link of the manager's document: made once, empty until the first
    // sound that loads them.
    static WaveSamples& Of(QV_DocResManager& manager, const FileKey& link);

private:
    std::map<FileKey, WaveSamples> samples_;
};

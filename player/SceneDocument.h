#pragma once
// Opening the scene document: resource 107 of type "KDV" in the running module.
#include <windows.h>

class QV_IOF_Virtual;
class QV_SlideShow_Light;
class QV_DocResManager;
class ResourceBuffer;

// The document is missing, empty, unreadable or malformed: "Could not load required media."
constexpr HRESULT kSceneDocumentFailure = HRESULT(0x8200000B);
constexpr int kSceneDocumentResourceId = 107;

// Reads the running module's document. On success *show owns the new slide show and
// CurrentDocResManager is the manager read with it. On failure nothing read survives:
// *show is null and CurrentDocResManager keeps its previous value.
HRESULT LoadSceneDocument(QV_SlideShow_Light** show);
// The same over bytes already in a buffer (the opened resource, or a test's own bytes).
HRESULT LoadSceneDocument(ResourceBuffer& buffer, QV_SlideShow_Light** show);

QV_SlideShow_Light* ReadTopSlideShow(QV_IOF_Virtual& archive);
QV_DocResManager* ReadDocResManager(QV_IOF_Virtual& archive);
void DeleteArchive(QV_IOF_Virtual* archive);

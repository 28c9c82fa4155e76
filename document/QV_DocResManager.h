#pragma once
// The store of every file the document embeds, keyed by FileKey, and the pictures named by
// GUID. Each screen unit's document has its own manager.
#include <windows.h>
#include <cstdint>
#include <map>
#include <vector>

#include <d3dx9.h>
#include <memory>
#include <string>

#include "base/ComHolder.h"
#include "document/DataBlob.h"
#include "document/DocResourceCache.h"
#include "document/DocumentAttachment.h"
#include "document/EmbeddedFile.h"
#include "document/FileKey.h"
#include "document/FontMediaParam.h"
#include "document/GuidKey.h"
#include "document/MeshEntry.h"
#include "document/QV_IOF_Item.h"
#include "document/TextureEntry.h"

class FieldArchive;
class RenderTargetPair;

using EmbeddedFileMap = std::map<FileKey, std::vector<EmbeddedFile>>;
using FrameDurationMap = std::map<FileKey, std::vector<float>>;

// The maps as the section is read; `images` and `guidImages` are emptied once turned into
// device objects, `buffers` and `frameDurations` keep what was read.
struct DocResStorage {
    EmbeddedFileMap images;
    FrameDurationMap frameDurations;
    EmbeddedFileMap buffers;
    std::map<GuidKey, DataBlob> guidImages;
    EmbeddedFileMap store;
};

class QV_DocResManager : public QV_IOF_Item {
public:
    static constexpr uint32_t kRecordVersion = 3;

    // Publishes its own cache as CurrentResourceCache.
    QV_DocResManager();
    QV_DocResManager(const QV_DocResManager&) = delete;
    QV_DocResManager& operator=(const QV_DocResManager&) = delete;
    // Releases every device object it made.
    ~QV_DocResManager() override;

    void Save(QV_IOF_Virtual& archive) override;
    // The section's fields after its tag and version. Version 1 ends after the frame
    // durations, version 2 after the buffers; any other reads the GUID pictures too. The
    // pictures become textures on CurrentDevice as they are read; a section the archive
    // cannot read is a failure, and nothing of it is decoded.
    HRESULT Load(QV_IOF_Virtual& archive, uint32_t version);
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);

    // Lookups by the key a file link holds. A missing resource is an empty result.
    TextureSet& GetTextures(const FileKey& link);
    std::vector<TextureSet> GetTextureSets(const std::vector<FileKey>& links);
    TextureSet& LoadFrameSetFromModule(const FileKey& link);
    // The size of the link's picture, without a texture: for a module picture not decoded
    // yet, what its header declares (0 x 0, ratio 1, where a decode would refuse it); else
    // the set's, as GetTextures gives it. Saves decoding a picture that only places something.
    TextureEntry GetPictureSize(const FileKey& link);
    const EmbeddedFile* GetEmbeddedFile(const FileKey& link);
    MeshEntry& GetMesh(const FileKey& link, uint32_t vertexSize);
    // The link's effect, shared with the manager, or null (created again at the next call).
    // When D3DX refuses the bytes, its reason goes to the debug trace.
    ComHolder<ID3DXEffect> GetEffect(const FileKey& link);
    // Always a new font, replacing the key's previous one; one reference for the caller.
    ID3DXFont* GetFont(const GuidKey& key, const FontMediaParam& font);
    RenderTargetPair& GetGuidImage(const GuidKey& key);
    ComHolder<IDirect3DTexture9>& GetGuidTexture(const GuidKey& key);
    // The samples of the document's WAVE links, which the audio keeps here and makes on first
    // use (DocumentWaveSamples), so they end with the document.
    std::unique_ptr<DocumentAttachment>& SoundSamples() { return soundSamples_; }
    // Pictures an old sprite record carried inline; the result is the key of the new link.
    FileKey AddImageFromBuffer(const EmbeddedFile& record);
    FileKey AddImageFromFrames(const std::vector<EmbeddedFile>& records, const std::vector<float>& durations);

    void OnLostDevice();
    void OnResetDevice();

    const DocResStorage& Storage() const { return storage_; }
    DocResourceCache& Cache() { return *cache_; }
    // For tests: an effect held under a key as if GetEffect had made it.
    void HoldEffect(const FileKey& link, ID3DXEffect* effect);
    // For tests: the effects, managed textures and mesh buffers it holds, which outlive a
    // device reset, each once.
    std::vector<IUnknown*> HeldDeviceObjects() const;

private:
    // What a read section becomes: the pictures textures, the buffers stored records.
    void DecodeImages();
    void StoreBuffers();
    void DecodeGuidImages();
    void LoadTextureFromModule(TextureSet& set, const FileKey& link);
    std::vector<EmbeddedFile>& EnsureStoreEntry(const FileKey& link);
    // An empty store entry gets the record (id = stamp, module = path) with the module's bytes.
    std::vector<EmbeddedFile>& StoreEntryFilledFromModule(const FileKey& link);
    void MakeGuidTargets(const GuidKey& key, RenderTargetPair& pair, uint32_t width, uint32_t height);

    std::unique_ptr<DocResourceCache> cache_;
    DocResStorage storage_;
    std::map<FileKey, TextureSet> textureSets_;
    std::map<FileKey, MeshEntry> meshes_;
    std::map<GuidKey, std::unique_ptr<RenderTargetPair>> guidTargets_;
    std::map<FileKey, ComHolder<ID3DXEffect>> effects_;
    std::map<GuidKey, ComHolder<ID3DXFont>> fonts_;
    std::map<GuidKey, ComHolder<IDirect3DTexture9>> guidTextures_;
    std::unique_ptr<DocumentAttachment> soundSamples_;
};

// The manager of the screen unit being drawn.
extern QV_DocResManager* CurrentDocResManager;
// The cache of the most recently constructed manager.
extern DocResourceCache* CurrentResourceCache;

// Lookups on CurrentDocResManager, empty without one. A link's current frame is always
// TextureSet::CurrentFrame: the frame at the set's index, the last one past the end.
ComHolder<IDirect3DTexture9> CurrentFrameOfLink(const FileKey& link);
ComHolder<ID3DXEffect> CurrentEffectOfLink(const FileKey& link);

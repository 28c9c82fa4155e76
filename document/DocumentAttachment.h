#pragma once
// What a layer above the document keeps for one document beside the manager's resources.
// The manager owns it and ends it with itself; only the layer that made it knows its type.
class DocumentAttachment {
public:
    virtual ~DocumentAttachment() = default;
};

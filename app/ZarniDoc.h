#pragma once
// The document: it holds nothing. Every view builds and shows its own tree.

#include "framework/Document.h"

class CZarniDoc : public CDocument {
public:
    void Serialize(bool) override {}
};

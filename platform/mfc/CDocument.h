#pragma once
// The class library's document base. The program's documents derive from
// it as the class hierarchy has them; the document services of the class
// library come here as the program starts to use them.

#include "platform/mfc/CObject.h"

class CDocument : public CObject {
    DECLARE_DYNAMIC(CDocument)

public:
    CDocument() = default;
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;
};

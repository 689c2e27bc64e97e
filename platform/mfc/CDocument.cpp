#include "platform/mfc/CDocument.h"

IMPLEMENT_DYNAMIC(CDocument, CObject)

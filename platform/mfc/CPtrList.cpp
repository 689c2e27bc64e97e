#include "platform/mfc/CPtrList.h"

IMPLEMENT_DYNAMIC(CPtrList, CObject)

#pragma once
// One BLOCK_RECORD table entry: how a handle names a block.

#include "platform/mfc/CString.h"

struct CDxfBlockRecord {
    CString name;
    CString handle;
};

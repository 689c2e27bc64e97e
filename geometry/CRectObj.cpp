#include "geometry/CRectObj.h"

IMPLEMENT_DYNAMIC(CRectObj, CObject)
